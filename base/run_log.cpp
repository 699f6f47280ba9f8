#include "base/run_log.h"

#include <iterator>

#include "base/messages.h"
#include "base/platform.h"

static HANDLE RunLog;   // null when none is open

bool OpenRunLog(const char* path, bool append)
{
    // Appended to by whichever process writes, never written over.
    RunLog = Sys.CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_FLAG_WRITE_THROUGH, nullptr);
    if (RunLog != INVALID_HANDLE_VALUE)
        return true;
    RunLog = nullptr;
    ShowFatal("Can't write the log %s (error %lu)", path, GetLastError());
    return false;
}

void LogLine(const char* format, ...)
{
    if (RunLog == nullptr)
        return;
    char line[1024];
    va_list args;
    va_start(args, format);
    FormatIntoV(line, std::size(line) - 2, format, args);
    va_end(args);
    // One step, one line: the breaks of a box's text and of Windows' own
    // texts become blanks, and the blanks at the end go.
    char* end = line;
    for (char* at = line; *at != '\0'; ++at) {
        if (*at == '\r')
            continue;
        *end++ = *at == '\n' ? ' ' : *at;
    }
    while (end > line && end[-1] == ' ')
        --end;
    *end++ = '\r';
    *end++ = '\n';
    DWORD written;
    Sys.WriteFile(RunLog, line, static_cast<DWORD>(end - line), &written, nullptr);
}

void LogStep(const char* step, const char* object, DWORD error)
{
    if (error == 0) {
        LogLine("%s %s: done", step, object);
        return;
    }
    char text[256];
    if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                        std::size(text), nullptr))
        text[0] = '\0';
    LogLine("%s %s: error %lu, %s", step, object, error, text);
}

bool LogResult(const char* step, const char* object, BOOL succeeded)
{
    DWORD error = succeeded ? 0 : GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && error != ERROR_DIR_NOT_EMPTY &&
        error != ERROR_ALREADY_EXISTS)
        LogStep(step, object, error);
    SetLastError(error);
    return succeeded != FALSE;
}

bool DeleteLogged(const char* path)
{
    if (!Sys.DeleteFileA(path))
        return false;
    LogStep("Delete", path, 0);
    return true;
}

bool RemoveFolderLogged(const char* path)
{
    if (!Sys.RemoveDirectoryA(path))
        return false;
    LogStep("Remove folder", path, 0);
    return true;
}

bool RemoveOrSay(const char* path, bool folder, bool say)
{
    if (folder ? RemoveFolderLogged(path) : DeleteLogged(path))
        return true;
    DWORD error = GetLastError();
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_DIR_NOT_EMPTY)
        return true;
    LogStep(folder ? "Remove folder" : "Delete", path, error);
    if (say)
        ShowFatal("Can't remove %s", path);
    return false;
}
