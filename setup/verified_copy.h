// The copy of one game file that checks its contents on the way.
#pragma once
#include <windows.h>
#include <stdint.h>

// Copies source to destination in chunks, folding each into the checksum
// between read and write, the progress (the File bar, the message queue)
// told after every chunk. True when the whole file was
// copied and matches expected (0: any contents). A read or write failure
// is named in a box, a cancel (CancelRequested) is silent; either way the
// destination is deleted.
bool CopyVerifiedFile(const char* source, const char* destination, uint32_t expected);

