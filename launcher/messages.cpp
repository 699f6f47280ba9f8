#include "launcher/messages.h"

#include <stdlib.h>

#include <iterator>

#include "launcher/platform.h"
#include "launcher/product.h"

bool AbortRequested = false;

void QuitLauncher()
{
    exit(1);
}

// A message that does not fit is never shown cut.
static void FormatMessageOrQuit(char* text, size_t size, const char* format, va_list args)
{
    if (!FormatIntoV(text, size, format, args))
        QuitLauncher();
}

void ShowFatal(const char* format, ...)
{
    char text[MessageSize];
    va_list args;
    va_start(args, format);
    FormatMessageOrQuit(text, std::size(text), format, args);
    va_end(args);
    Sys.MessageBoxA(nullptr, text, FatalCaption, FatalStyle);
    AbortRequested = true;
}

void ShowWarning(const char* format, ...)
{
    char text[MessageSize];
    va_list args;
    va_start(args, format);
    FormatMessageOrQuit(text, std::size(text), format, args);
    va_end(args);
    if (!AppendInto(text, std::size(text), "%s", ContinueQuestion))
        QuitLauncher();
    int answer = Sys.MessageBoxA(nullptr, text, ProductName, WarningStyle);
    AbortRequested = answer == IDNO;
}

bool AskYesNo(const char* text)
{
    return Sys.MessageBoxA(nullptr, text, ProductName, WarningStyle) == IDYES;
}
