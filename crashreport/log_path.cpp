#include "crashreport/log_path.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "launcher/format.h"
#include "launcher/platform.h"
#include "launcher/product.h"

static char LogPath[512];

const char* GetLogPath()
{
    LogPath[0] = '\0';
    // A temporary path that did not fit leaves the buffer's contents
    // undefined: then the root of the current drive serves, as for none.
    DWORD length = Sys.GetTempPathA(std::size(LogPath), LogPath);
    if (length == 0 || length >= std::size(LogPath)) {
        length = 0;
        LogPath[0] = '\0';
    }
    const char* separator = (length > 0 && LogPath[length - 1] == '\\') ? "" : "\\";
    AppendInto(LogPath, std::size(LogPath), "%s%s", separator, GameLogName);
    return LogPath;
}
