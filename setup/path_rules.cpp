#include "setup/path_rules.h"

#include <string.h>

#include "base/format.h"
#include "base/path_chars.h"
#include "base/product.h"

bool IsValidInstallPath(const char* path)
{
    return strlen(path) >= 4 && path[1] == ':' && FindLastBackslash(path) != nullptr;
}

static char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int ContainsNoCase(const char* text, const char* word)
{
    // Only from the start of a character: a second byte may be a letter.
    for (int at = 0; text[at] != '\0'; at = static_cast<int>(NextChar(text + at) - text)) {
        int i = 0;
        while (word[i] != '\0' && text[at + i] != '\0' && Lower(text[at + i]) == Lower(word[i]))
            ++i;
        if (word[i] == '\0')
            return at;
    }
    return -1;
}

bool CompleteTypedPath(char* path)
{
    CutTrailingBackslash(path);
    if (ContainsNoCase(path, "data") < 0 && !AppendInto(path, PathSize, "\\Data"))
        return false;
    return AppendInto(path, PathSize, "\\");
}
