#include "setup/registry.h"

#include <string.h>

#include <iterator>

#include "base/format.h"
#include "base/messages.h"
#include "base/platform.h"
#include "base/run_log.h"

// Logs a registry call's status as a step on HKLM\keyPath\name.
static bool LogRegistryStep(const char* step, const char* keyPath, const char* name, LSTATUS status)
{
    char object[512];
    FormatInto(object, std::size(object), "HKLM\\%s%s%s", keyPath, name[0] != '\0' ? "\\" : "", name);
    SetLastError(static_cast<DWORD>(status));
    return LogResult(step, object, status == ERROR_SUCCESS);
}

bool CreateRegistryKey(const char* keyPath, HKEY* key)
{
    char keyClass[] = "class";
    return LogRegistryStep("Open registry key", keyPath, "",
                           Sys.RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, keyClass, REG_OPTION_NON_VOLATILE,
                                               KEY_WRITE, nullptr, key, nullptr));
}

bool SetRegistryValue(HKEY key, const char* keyPath, const char* name, DWORD type, const void* data, DWORD size)
{
    return LogRegistryStep("Set registry value", keyPath, name,
                           Sys.RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size));
}

bool SetRegistryText(HKEY key, const char* keyPath, const char* name, const char* text)
{
    return SetRegistryValue(key, keyPath, name, REG_SZ, text, static_cast<DWORD>(strlen(text) + 1));
}

bool DeleteRegistryKey(const char* keyPath)
{
    LSTATUS status = Sys.RegDeleteKeyA(HKEY_LOCAL_MACHINE, keyPath);
    if (LogRegistryStep("Delete registry key", keyPath, "", status) || status == ERROR_FILE_NOT_FOUND)
        return true;
    ShowFatal("Can't delete registry key %s", keyPath);
    return false;
}
