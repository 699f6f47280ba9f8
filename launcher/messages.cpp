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

void ShowFatal(const char* format, ...)
{
    char text[MessageSize];
    va_list args;
    va_start(args, format);
    bool fit = FormatIntoV(text, std::size(text), format, args);
    va_end(args);
    if (!fit)
        QuitLauncher();
    Sys.MessageBoxA(nullptr, text, FatalCaption, FatalStyle);
    AbortRequested = true;
}

void ShowWarning(const char* format, ...)
{
    char text[MessageSize];
    va_list args;
    va_start(args, format);
    bool fit = FormatIntoV(text, std::size(text), format, args);
    va_end(args);
    if (!fit || !AppendInto(text, std::size(text), "%s", ContinueQuestion))
        QuitLauncher();
    int answer = Sys.MessageBoxA(nullptr, text, ProductName, WarningStyle);
    AbortRequested = answer == IDNO;
}
