#include "e2e.h"

GameStandIn::GameStandIn(bool semaphore, bool window)
{
    if (semaphore)
        semaphore_ = CreateSemaphoreA(nullptr, 0, 1, "Thundra");
    if (!window)
        return;
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = CreateThread(nullptr, 0, Serve, this, 0, &threadId_);
    WaitForSingleObject(ready_, 5000);
}

GameStandIn::~GameStandIn()
{
    if (thread_ != nullptr) {
        PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 5000);
        CloseHandle(thread_);
        CloseHandle(ready_);
    }
    if (semaphore_ != nullptr)
        CloseHandle(semaphore_);
}

bool GameStandIn::WindowRestored() const
{
    return window_ != nullptr && IsWindow(window_) && !IsIconic(window_);
}

DWORD WINAPI GameStandIn::Serve(void* context)
{
    GameStandIn* self = static_cast<GameStandIn*>(context);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "Thundra Window";
    RegisterClassA(&windowClass);
    self->window_ = CreateWindowA("Thundra Window", "Thundra", WS_OVERLAPPEDWINDOW, 10, 10, 320, 200, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    ShowWindow(self->window_, SW_SHOWMINIMIZED);
    SetEvent(self->ready_);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0)
        DispatchMessageA(&message);
    DestroyWindow(self->window_);
    UnregisterClassA("Thundra Window", windowClass.hInstance);
    return 0;
}
