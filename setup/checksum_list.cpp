#include "setup/checksum_list.h"

#include <stdio.h>

#include <iterator>

#include "base/format.h"
#include "base/messages.h"
#include "base/product.h"

ChecksumListStatus LoadChecksumList(ChecksumEntry* table, int* count, const char* dataDirectory)
{
    *count = 0;
    FILE* list = fopen("Run\\checksum.lst", "rt");
    if (list == nullptr)
        list = fopen("Data\\checksum.lst", "rt");
    char installed[PathSize];
    if (list == nullptr && dataDirectory != nullptr &&
        FormatInto(installed, std::size(installed), "%s\\checksum.lst", dataDirectory))
        list = fopen(installed, "rt");
    if (list == nullptr)
        return ChecksumListStatus::Missing;

    ListProblem problem;
    int line;
    bool read = ReadChecksumList(list, table, count, &problem, &line);
    fclose(list);
    if (read)
        return ChecksumListStatus::Loaded;
    *count = 0;
    switch (problem) {
    case ListProblem::TooManyEntries:
        ShowFatal("checksum.lst names more than %d files (line %d).", MaxChecksumEntries, line);
        break;
    case ListProblem::NameTooLong:
        ShowFatal("The file name on line %d of checksum.lst is longer than %d characters.", line, MaxChecksumName);
        break;
    case ListProblem::NameOutside:
        ShowFatal("Line %d of checksum.lst names a file outside the game's folder.", line);
        break;
    case ListProblem::LineTooLong:
    case ListProblem::None:
        ShowFatal("Line %d of checksum.lst is longer than %d characters.", line, MaxChecksumLine);
        break;
    }
    return ChecksumListStatus::Refused;
}
