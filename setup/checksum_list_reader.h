// Reading the checksum list: one entry a line, a file name and its checksum
// in hexadecimal. Windows-free, so that it can be fuzzed.
#pragma once
#include <stdint.h>
#include <stdio.h>

constexpr int MaxChecksumEntries = 256;
constexpr int MaxChecksumName = 63;
constexpr int MaxChecksumLine = 511;

struct ChecksumEntry {
    char name[MaxChecksumName + 1];
    uint32_t checksum;   // 0: the file is not verified
};

// Why a list was refused. A list is refused rather than cut: a cut list
// would install an incomplete game and report success, and a cut name or
// line would name another file.
// A list in a folder the user chose can be edited by anyone, while the
// uninstall deletes with an administrator's rights: a name that climbs out
// of the data directory (a drive, a leading backslash, a ".." folder) is
// refused too.
enum class ListProblem { None, TooManyEntries, NameTooLong, LineTooLong, NameOutside };

// Reads the whole list into table. False when it is refused; problem and
// line (counted from 1) then say why and where.
bool ReadChecksumList(FILE* list, ChecksumEntry* table, int* count, ListProblem* problem, int* line);

// True when the name stays inside the folder it is read from.
bool StaysInsideFolder(const char* name);

// Scans one line as "%s %x" does. True when it holds a name.
bool ScanChecksumLine(const char* line, ChecksumEntry* entry, bool* nameTooLong);
