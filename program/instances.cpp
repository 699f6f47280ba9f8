#include "program/instances.h"

#include "base/product.h"

bool IsGameRunning()
{
    HANDLE probe = CreateSemaphoreA(nullptr, 0, 1, GameSemaphoreName);
    if (probe == nullptr)
        return false;
    DWORD error = GetLastError();
    CloseHandle(probe);
    return error == ERROR_ALREADY_EXISTS;
}

bool TakeLauncherSemaphore(HANDLE* semaphore)
{
    *semaphore = CreateSemaphoreA(nullptr, 0, 1, LauncherSemaphoreName);
    if (*semaphore == nullptr)
        return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(*semaphore);
        *semaphore = nullptr;
        return false;
    }
    return true;
}

void RestoreGameWindow()
{
    HWND window = FindWindowA(GameWindowClass, GameWindowTitle);
    if (window != nullptr)
        ShowWindow(window, SW_RESTORE);
}
