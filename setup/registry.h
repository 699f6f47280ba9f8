// The registry keys and values Setup and the uninstall write and delete,
// all under HKEY_LOCAL_MACHINE, each step logged.
#pragma once
#include <windows.h>

// Creates or opens keyPath for writing (non-volatile, class "class");
// false, logged, when it can't.
bool CreateRegistryKey(const char* keyPath, HKEY* key);

// Sets a value of key, opened at keyPath; true when it was set.
bool SetRegistryValue(HKEY key, const char* keyPath, const char* name, DWORD type, const void* data, DWORD size);
// A text value, its terminator counted.
bool SetRegistryText(HKEY key, const char* keyPath, const char* name, const char* text);

// Deletes keyPath, which must hold no subkey; false, said, when it stays.
bool DeleteRegistryKey(const char* keyPath);
