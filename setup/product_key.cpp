#include "setup/product_key.h"

#include <windows.h>
#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/product.h"
#include "setup/registry.h"

// The publisher key goes only when it holds no subkey and no value: other
// products of the publisher keep theirs (on the 95 family RegDeleteKeyA
// deletes a key with everything below it).
bool DeleteProductKey()
{
    if (!DeleteRegistryKey(ProductKey))
        return false;

    char publisherKey[256];
    FormatInto(publisherKey, std::size(publisherKey), "%s", ProductKey);
    char* lastSlash = strrchr(publisherKey, '\\');
    HKEY key;
    if (lastSlash == nullptr)
        return true;
    *lastSlash = '\0';
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, publisherKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return true;
    DWORD subkeys = 1, values = 1;
    bool empty = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                                  nullptr, nullptr) == ERROR_SUCCESS &&
                 subkeys == 0 && values == 0;
    RegCloseKey(key);
    return !empty || DeleteRegistryKey(publisherKey);
}
