#include "preflight/driver_table.h"

#include <ctype.h>

bool IsVersionAtLeast(const unsigned installed[4], const unsigned listed[4])
{
    for (int part = 0; part < 4; ++part) {
        if (installed[part] != listed[part])
            return installed[part] > listed[part];
    }
    return true;
}

namespace {

enum class Read { Number, NotNumber, End };

// Skips white space, line ends included; true when a line end was among it.
bool SkipSpace(FILE* table)
{
    bool crossedLine = false;
    int c;
    while ((c = getc(table)) != EOF && isspace(c)) {
        if (c == '\n')
            crossedLine = true;
    }
    if (c != EOF)
        ungetc(c, table);
    return crossedLine;
}

int DigitValue(int c, unsigned base)
{
    int value = isdigit(c) ? c - '0' : isxdigit(c) ? tolower(c) - 'a' + 10 : -1;
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

// Reads one unsigned number in base 10 or 16 (with an optional "0x" there)
// after white space, as the table's numbers are written. The stream is left
// at the first character that does not belong to the number.
Read ReadNumber(FILE* table, unsigned base, unsigned* value, bool* crossedLine)
{
    *crossedLine = SkipSpace(table) || *crossedLine;
    int c = getc(table);
    if (c == EOF)
        return Read::End;
    if (base == 16 && c == '0') {
        int next = getc(table);
        if (next == 'x' || next == 'X') {
            c = getc(table);
            if (DigitValue(c, base) < 0) {   // "0x" with no digit after it
                if (c != EOF)
                    ungetc(c, table);
                return Read::NotNumber;
            }
        } else if (next != EOF) {
            ungetc(next, table);
        }
    }
    if (DigitValue(c, base) < 0) {
        ungetc(c, table);
        return Read::NotNumber;
    }
    unsigned long long number = 0;
    bool overflow = false;
    for (; c != EOF && DigitValue(c, base) >= 0; c = getc(table)) {
        number = number * base + static_cast<unsigned>(DigitValue(c, base));
        if (number > 0xFFFFFFFFull) {
            overflow = true;
            number = 0;
        }
    }
    if (c != EOF)
        ungetc(c, table);
    *value = static_cast<unsigned>(number);
    return overflow ? Read::NotNumber : Read::Number;
}

// The rest of a line that does not count: a comment, or a line whose
// numbers did not all parse. When the failed read already stepped over a
// line end, what follows is the next line and is read as one.
void SkipLine(FILE* table, bool crossedLine)
{
    if (crossedLine)
        return;
    int c;
    while ((c = getc(table)) != EOF && c != '\n') {
    }
}

// Reads count numbers of a vendor or device line. Number: all read, and the
// white space after them (the next line's indentation too) consumed.
Read ReadLine(FILE* table, const unsigned* bases, int count, unsigned* numbers)
{
    bool crossedLine = false;
    for (int i = 0; i < count; ++i) {
        Read read = ReadNumber(table, bases[i], &numbers[i], &crossedLine);
        if (read == Read::End)
            return Read::End;
        if (read == Read::NotNumber) {
            SkipLine(table, crossedLine);
            return Read::NotNumber;
        }
    }
    SkipSpace(table);
    return Read::Number;
}

} // namespace

// The table is read line by line, by the first character of each line:
// 1. "v" opens a vendor section, "d" is a device line of the section above,
//    an empty line is nothing, any other character starts a comment line.
// 2. Only the first section of the vendor is searched; the next "v" ends it.
// 3. A vendor or device line whose numbers do not all parse (too few,
//    letters, beyond 32 bits) does not count: it is skipped like a comment
//    and the search goes on. No comparison ever uses a number not read.
// 4. The end of the file anywhere means the device is not listed.
bool FindListedDriver(FILE* table, unsigned vendor, unsigned device, unsigned listed[4])
{
    static const unsigned vendorBases[] = {16};
    static const unsigned deviceBases[] = {16, 10, 10, 10, 10};
    bool inVendorSection = false;
    for (;;) {
        int c = getc(table);
        if (c == EOF)
            return false;
        if (c == '\n')
            continue;
        if (c == 'v') {
            if (inVendorSection)
                return false;
            unsigned id;
            Read read = ReadLine(table, vendorBases, 1, &id);
            if (read == Read::End)
                return false;
            inVendorSection = read == Read::Number && id == vendor;
        } else if (c == 'd' && inVendorSection) {
            unsigned numbers[5];
            Read read = ReadLine(table, deviceBases, 5, numbers);
            if (read == Read::End)
                return false;
            if (read == Read::Number && numbers[0] == device) {
                for (int part = 0; part < 4; ++part)
                    listed[part] = numbers[part + 1];
                return true;
            }
        } else {
            SkipLine(table, false);
        }
    }
}
