#include "setup/verified_copy.h"

#include "base/messages.h"
#include "base/platform.h"
#include "base/run_log.h"
#include "setup/checksum.h"
#include "setup/data_folder.h"
#include "setup/progress.h"
#include "setup/setup_state.h"

constexpr DWORD ChunkSize = 262144;

// One buffer serves every chunk of every file.
static unsigned char ChunkBuffer[ChunkSize];

bool CopyVerifiedFile(const char* source, const char* destination, uint32_t expected)
{
    HANDLE in = Sys.CreateFileA(source, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (in == INVALID_HANDLE_VALUE) {
        LogStep("Open", source, GetLastError());
        ShowFatal("Can't open source file");
        return false;
    }
    bool refused;
    HANDLE out = CreateInDataFolder(destination, &refused);
    if (out == INVALID_HANDLE_VALUE) {
        LogStep("Create", destination, GetLastError());
        if (!refused)
            ShowFatal("Can't create file\r\nDisk may be full");
        CloseHandle(in);
        return false;
    }

    uint32_t checksum = ChecksumStart;
    // The size is known after the first read: a file shorter than a chunk
    // is whole then, and only a longer one is asked, for the asking costs
    // as much as reading a small file. Sizes are 64-bit: a file of 2 GB or
    // more is copied whole.
    unsigned long long size = ChunkSize, done = 0;
    bool sized = false;
    // A read or write error is named, unlike a Cancel: the user must learn
    // that the disc or the disk failed, not see the install vanish.
    bool failed = false;
    while (done < size && !failed) {
        DWORD chunk = size - done < ChunkSize ? static_cast<DWORD>(size - done) : ChunkSize;
        DWORD moved = 0;
        bool read = Sys.ReadFile(in, ChunkBuffer, chunk, &moved, nullptr) != FALSE;
        if (read && !sized) {
            sized = true;
            chunk = moved;
            LARGE_INTEGER sourceSize;
            if (moved < ChunkSize)
                size = moved;
            else
                size = Sys.GetFileSizeEx(in, &sourceSize) ? static_cast<unsigned long long>(sourceSize.QuadPart) : 0;
            if (size == 0)
                break;
        }
        if (!read || moved != chunk) {
            LogStep("Read", source, read ? ERROR_HANDLE_EOF : GetLastError());
            ShowFatal("Can't read %s\r\nThe disc could not be read. Please clean it and try again.", source);
            failed = true;
        } else {
            done += chunk;
            checksum = UpdateChecksum(checksum, ChunkBuffer, chunk);
            bool wrote = Sys.WriteFile(out, ChunkBuffer, chunk, &moved, nullptr) != FALSE;
            if (!wrote || moved != chunk) {
                LogStep("Write", destination, wrote ? ERROR_DISK_FULL : GetLastError());
                ShowFatal("Can't write %s\r\nThe disk in drive %.2s may be full.", destination, destination);
                failed = true;
            }
        }
        ProgressFileMoves(done, size);
        if (CancelRequested)
            break;
    }
    CloseHandle(in);
    if (failed || CancelRequested || done != size) {
        DiscardFile(out, destination);
        return false;
    }
    // On the disk before common.res takes its name, whatever cuts the power.
    Sys.FlushFileBuffers(out);
    CloseHandle(out);
    if (expected != 0 && checksum != expected) {
        ShowFatal("Bad checksum (%x != %x)", checksum, expected);
        return false;
    }
    return true;
}
