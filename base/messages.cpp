#include "base/messages.h"

#include <stdlib.h>

#include <iterator>

#include "base/platform.h"
#include "base/product.h"
#include "base/run_log.h"

bool AbortRequested = false;
bool Unattended = false;
unsigned long ExitCode = 0;

void NoteExitCode(unsigned long code)
{
    if (ExitCode == 0)
        ExitCode = code;
}

int ShowBox(HWND owner, const char* text, const char* caption, unsigned style)
{
    // MB_ICONHAND's bit is MB_ICONEXCLAMATION's too.
    if ((style & MB_ICONHAND) != 0)
        NoteExitCode(ExitFailed);
    LogLine("[%s] %s", caption, text);
    if (Unattended)
        return (style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDCANCEL;
    return Sys.MessageBoxA(owner, text, caption, style);
}

void QuitLauncher()
{
    exit(1);
}

// Room for any text the Launcher builds, two paths and a command line included.
constexpr unsigned LongMessageSize = 2048;

// A text too long for a box is shortened where it can be read, never cut
// silently: its start and the end of its last path stay.
static void FormatShortened(char* text, size_t size, const char* format, va_list args)
{
    char full[LongMessageSize];
    FormatIntoV(full, std::size(full), format, args);
    ShortenInto(text, size, full);
}

void ShowFatal(const char* format, ...)
{
    char text[MessageSize];
    va_list args;
    va_start(args, format);
    FormatShortened(text, std::size(text), format, args);
    va_end(args);
    ShowBox(nullptr, text, FatalCaption, FatalStyle);
    AbortRequested = true;
}

void ShowWarning(const char* format, ...)
{
    char text[MessageSize];
    va_list args;
    va_start(args, format);
    // The question itself is never shortened.
    FormatShortened(text, std::size(text) - (std::size(ContinueQuestion) - 1), format, args);
    va_end(args);
    AppendInto(text, std::size(text), "%s", ContinueQuestion);
    int answer = ShowBox(nullptr, text, ProductName, WarningStyle);
    AbortRequested = answer == IDNO;
}

bool AskYesNo(const char* text)
{
    return ShowBox(nullptr, text, ProductName, WarningStyle) == IDYES;
}
