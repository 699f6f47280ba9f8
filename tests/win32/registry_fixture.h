// Registry values that a test changes and gives back as it found them.
#pragma once
#include <windows.h>

#include <string>

// Saves one REG_SZ value under HKEY_LOCAL_MACHINE on construction and puts
// it back (or deletes it, if it was absent) on destruction.
class SavedRegistryValue {
public:
    SavedRegistryValue(const char* key, const char* name);
    ~SavedRegistryValue();
    SavedRegistryValue(const SavedRegistryValue&) = delete;
    SavedRegistryValue& operator=(const SavedRegistryValue&) = delete;

private:
    std::string key_, name_;
    bool existed_ = false;
    DWORD type_ = REG_SZ;
    std::string data_;
};

// Writes a value of the given type and raw bytes; creates the key.
void WriteRegistryValue(const char* key, const char* name, DWORD type, const void* data, DWORD size);
void WriteRegistryText(const char* key, const char* name, const std::string& text);
void DeleteRegistryValue(const char* key, const char* name);
bool RegistryKeyExists(const char* key);
void DeleteRegistryTree(const char* key);
