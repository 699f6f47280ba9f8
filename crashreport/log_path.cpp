#include "crashreport/log_path.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "launcher/format.h"
#include "launcher/path_chars.h"
#include "launcher/platform.h"
#include "launcher/product.h"
#include "launcher/system_folders.h"

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
