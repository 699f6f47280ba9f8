#include "setup/checksum_list_reader.h"

#include <ctype.h>
#include <string.h>

#include "base/path_chars.h"

static int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ScanChecksumLine(const char* line, ChecksumEntry* entry, bool* nameTooLong)
{
    *nameTooLong = false;
    const char* p = line;
    while (*p != '\0' && isspace(static_cast<unsigned char>(*p)))
        ++p;
    const char* name = p;
    while (*p != '\0' && !isspace(static_cast<unsigned char>(*p)))
        ++p;
    size_t length = static_cast<size_t>(p - name);
    if (length == 0)
        return false;
    if (length > static_cast<size_t>(MaxChecksumName)) {
        *nameTooLong = true;
        return false;
    }
    memcpy(entry->name, name, length);
    entry->name[length] = '\0';

    // The checksum as "%x" reads it: white space, an optional 0x, digits.
    // Anything else leaves it 0: the file is then not verified.
    entry->checksum = 0;
    while (*p != '\0' && isspace(static_cast<unsigned char>(*p)))
        ++p;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && HexValue(p[2]) >= 0)
        p += 2;
    uint32_t checksum = 0;
    for (; HexValue(*p) >= 0; ++p)
        checksum = (checksum << 4) | static_cast<uint32_t>(HexValue(*p));
    entry->checksum = checksum;
    return true;
}

bool StaysInsideFolder(const char* name)
{
    if (name[0] == '\\' || name[0] == '/' || strchr(name, ':') != nullptr)
        return false;
    // A folder of dots only: ".." climbs, and Windows reads "..." as "..".
    // Walked by characters: a second byte may be that of a backslash.
    for (const char* part = name; *part != '\0';) {
        const char* end = part;
        size_t dots = 0;
        for (; *end != '\0' && *end != '\\' && *end != '/'; end = NextChar(end))
            dots += *end == '.';
        if (end - part >= 2 && dots == static_cast<size_t>(end - part))
            return false;
        part = *end != '\0' ? end + 1 : end;
    }
    return true;
}

// 1. Each line is read whole into a buffer of MaxChecksumLine characters;
//    a longer line is refused, not split into two entries.
// 2. A line of white space only yields no entry; the order of the file is
//    kept, duplicates included.
// 3. The table is never written past its MaxChecksumEntries entries, nor a
//    name past its MaxChecksumName characters: either refuses the list.
bool ReadChecksumList(FILE* list, ChecksumEntry* table, int* count, ListProblem* problem, int* line)
{
    *count = 0;
    *problem = ListProblem::None;
    *line = 0;
    char buffer[MaxChecksumLine + 1];
    while (fgets(buffer, sizeof buffer, list) != nullptr) {
        ++*line;
        size_t length = strlen(buffer);
        bool ended = length > 0 && buffer[length - 1] == '\n';
        if (!ended && length == sizeof buffer - 1) {
            int next = getc(list);
            if (next != '\n' && next != EOF) {
                *problem = ListProblem::LineTooLong;
                return false;
            }
        }
        ChecksumEntry entry;
        bool nameTooLong;
        if (!ScanChecksumLine(buffer, &entry, &nameTooLong)) {
            if (nameTooLong) {
                *problem = ListProblem::NameTooLong;
                return false;
            }
            continue;
        }
        if (!StaysInsideFolder(entry.name)) {
            *problem = ListProblem::NameOutside;
            return false;
        }
        if (*count == MaxChecksumEntries) {
            *problem = ListProblem::TooManyEntries;
            return false;
        }
        table[(*count)++] = entry;
    }
    return true;
}
