#include "registry_fixture.h"

#include <vector>

SavedRegistryValue::SavedRegistryValue(const char* key, const char* name) : key_(key), name_(name)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    DWORD size = 0;
    if (RegQueryValueExA(handle, name, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<char> buf(size + 1);
        if (RegQueryValueExA(handle, name, nullptr, &type_, reinterpret_cast<BYTE*>(buf.data()), &size) ==
            ERROR_SUCCESS) {
            existed_ = true;
            data_.assign(buf.data(), size);
        }
    }
    RegCloseKey(handle);
}

SavedRegistryValue::~SavedRegistryValue()
{
    if (existed_)
        WriteRegistryValue(key_.c_str(), name_.c_str(), type_, data_.data(), static_cast<DWORD>(data_.size()));
    else
        DeleteRegistryValue(key_.c_str(), name_.c_str());
}

void WriteRegistryValue(const char* key, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY handle;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
}

void WriteRegistryText(const char* key, const char* name, const std::string& text)
{
    WriteRegistryValue(key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void DeleteRegistryValue(const char* key, const char* name)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_WRITE, &handle) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(handle, name);
    RegCloseKey(handle);
}

bool RegistryKeyExists(const char* key)
{
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

void DeleteRegistryTree(const char* key)
{
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
}
