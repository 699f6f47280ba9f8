#include "dialog_driver.h"

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM context)
{
    Search* search = reinterpret_cast<Search*>(context);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[256] = "", cls[64] = "";
    GetClassNameA(window, cls, sizeof cls);
    GetWindowTextA(window, caption, sizeof caption);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && strcmp(cls, "#32770") == 0 &&
        strcmp(caption, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND WaitForDialog(const char* caption, DWORD timeoutMs)
{
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        Search search = {caption, nullptr};
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr)
            return search.found;
        Sleep(10);
    }
    return nullptr;
}

std::string ControlText(HWND dialog, int control)
{
    char text[1024] = "";
    GetDlgItemTextA(dialog, control, text, sizeof text);
    return text;
}

void SetControlText(HWND dialog, int control, const std::string& text)
{
    SetDlgItemTextA(dialog, control, text.c_str());
}

void PressButton(HWND dialog, int control)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(control, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, control)));
}
