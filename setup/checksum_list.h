// The checksum list of the disc: which files make up the game, with the
// checksum each must have.
#pragma once
#include "setup/checksum_list_reader.h"

// The list's own name, on the disc and in the data folder.
constexpr char ChecksumListName[] = "checksum.lst";

enum class ChecksumListStatus {
    Loaded,
    Missing,   // neither list file opens; the caller decides what to say
    Refused,   // a list that can't be held whole; already said
};

// Loads "Run\checksum.lst", or else "Data\checksum.lst" beside the stub,
// or else, when dataDirectory (without a trailing backslash) is given, the
// copy that the install left there: a game installed anywhere can be removed.
ChecksumListStatus LoadChecksumList(ChecksumEntry* table, int* count, const char* dataDirectory);
