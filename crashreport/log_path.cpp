#include "crashreport/log_path.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/path_chars.h"
#include "base/platform.h"
#include "base/product.h"
#include "base/system_folders.h"

static char LogPath[512];

const char* GetLogPath()
{
    // Without a temporary folder the root of the current drive serves.
    static_assert(sizeof LogPath >= PathSize, "a temporary folder");
    if (!GetTempFolder(LogPath))
        LogPath[0] = '\0';
    const char* separator = EndsInBackslash(LogPath) ? "" : "\\";
    AppendInto(LogPath, std::size(LogPath), "%s%s", separator, GameLogName);
    return LogPath;
}
