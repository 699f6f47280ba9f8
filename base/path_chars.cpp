#include "base/path_chars.h"

const char* NextChar(const char* text)
{
    if (*text == '\0')
        return text;
    // A lead byte before the terminator is a character cut short: one byte.
    return IsLeadByte(static_cast<unsigned char>(*text)) && text[1] != '\0' ? text + 2 : text + 1;
}

const char* FindLastBackslash(const char* path)
{
    const char* last = nullptr;
    for (const char* at = path; *at != '\0'; at = NextChar(at))
        if (*at == '\\')
            last = at;
    return last;
}

bool EndsInBackslash(const char* path)
{
    const char* last = FindLastBackslash(path);
    return last != nullptr && last[1] == '\0';
}

void CutTrailingBackslash(char* path)
{
    char* last = FindLastBackslash(path);
    if (last != nullptr && last[1] == '\0')
        *last = '\0';
}

size_t FitChars(const char* text, size_t limit)
{
    size_t fit = 0;
    for (const char* at = text; *at != '\0' && static_cast<size_t>(NextChar(at) - text) <= limit; at = NextChar(at))
        fit = static_cast<size_t>(NextChar(at) - text);
    return fit;
}
