#include "setup/product_key.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "launcher/format.h"
#include "launcher/product.h"

void DeleteProductKey()
{
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, ProductKey);

    char publisherKey[256];
    FormatInto(publisherKey, std::size(publisherKey), "%s", ProductKey);
    char* lastSlash = strrchr(publisherKey, '\\');
    if (lastSlash != nullptr) {
        *lastSlash = '\0';
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, publisherKey);
    }
}
