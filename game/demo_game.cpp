// The demo game: stands in for the real game on the sample disc, so that the
// Launcher can be run end to end. It behaves as the Launcher expects of the
// game: the semaphore "Thundra" while it runs, a window of class "Thundra
// Window" titled "Thundra", its log "thun.log" in the temporary directory,
// and an exit code the player picks (or "-exit N" names, for tests).
// "-close-after MS" ends it with 0 after MS milliseconds, for demonstrations.
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <iterator>

namespace {

#if defined(SAFE_MODE)
constexpr char Mode[] = "safe mode";
#else
constexpr char Mode[] = "normal";
#endif

constexpr int FirstExitButton = 100;
constexpr UINT_PTR CloseTimer = 1;

struct ExitChoice {
    const char* label;
    unsigned code;
};
const ExitChoice Choices[] = {
    {"Quit", 0},
    {"Crash", 1},
    {"2: no DirectX", 2},
    {"3: no texturing", 3},
    {"4: no 3D", 4},
    {"5: video error", 5},
    {"6: not installed", 6},
};

char LogPath[MAX_PATH + 16];
wchar_t TempFolder[MAX_PATH];

void WriteLog(const char* mode, const char* format, const char* text)
{
    // The temporary folder may be named outside the ANSI code page.
    wchar_t widePath[MAX_PATH + 16], wideMode[4];
    swprintf(widePath, MAX_PATH + 16, L"%lsthun.log", TempFolder);
    MultiByteToWideChar(CP_ACP, 0, mode, -1, wideMode, 4);
    FILE* log = _wfopen(widePath, wideMode);
    if (log == nullptr)
        return;
    fprintf(log, format, text);
    fclose(log);
}

void StartLog()
{
    if (GetTempPathW(MAX_PATH, TempFolder) >= MAX_PATH)
        TempFolder[0] = L'\0';
    char temp[MAX_PATH] = "";
    WideCharToMultiByte(CP_ACP, 0, TempFolder, -1, temp, MAX_PATH, nullptr, nullptr);
    snprintf(LogPath, sizeof LogPath, "%sthun.log", temp);   // shown in its window

    SYSTEMTIME now;
    GetLocalTime(&now);
    char started[64];
    snprintf(started, sizeof started, "%04u-%02u-%02u %02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
             now.wMinute, now.wSecond);
    char directory[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, directory);

    WriteLog("w", "Thundra demo game (%s)\n", Mode);
    WriteLog("a", "started: %s\n", started);
    WriteLog("a", "command line: %s\n", GetCommandLineA());
    WriteLog("a", "current directory: %s\n", directory);
}

[[noreturn]] void EndGame(unsigned code, const char* why)
{
    char line[128];
    snprintf(line, sizeof line, "%u (0x%08X, %s)", code, code, why);
    WriteLog("a", "exit: %s\n", line);
    ExitProcess(code);
}

// The value after a switch of the game's own, if the command line has it.
bool FindSwitch(const char* commandLine, const char* name, unsigned* value)
{
    const char* found = strstr(commandLine, name);
    if (found == nullptr)
        return false;
    *value = static_cast<unsigned>(strtoul(found + strlen(name), nullptr, 0));
    return true;
}

LRESULT CALLBACK GameWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        int choice = LOWORD(wParam) - FirstExitButton;
        if (choice >= 0 && choice < static_cast<int>(std::size(Choices)))
            EndGame(Choices[choice].code, Choices[choice].label);
        return 0;
    }
    case WM_TIMER:
        if (wParam == CloseTimer)
            EndGame(0, "closed after its time");
        return 0;
    case WM_CLOSE:
        EndGame(0, "window closed");
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        // Asphalt, with a stripe down the middle of the road.
        HBRUSH asphalt = CreateSolidBrush(RGB(40, 44, 52));
        FillRect(dc, &client, asphalt);
        DeleteObject(asphalt);
        HBRUSH stripe = CreateSolidBrush(RGB(240, 200, 0));
        for (int y = 0; y < client.bottom; y += 40) {
            RECT dash = {client.right - 60, y, client.right - 48, y + 24};
            FillRect(dc, &dash, stripe);
        }
        DeleteObject(stripe);

        SetBkMode(dc, TRANSPARENT);
        HFONT title = CreateFontA(56, 0, 0, 0, FW_HEAVY, TRUE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
        HGDIOBJ previous = SelectObject(dc, title);
        SetTextColor(dc, RGB(255, 208, 0));
        TextOutA(dc, 24, 16, "THUNDRA", 7);
        SelectObject(dc, previous);
        DeleteObject(title);

        SetTextColor(dc, RGB(230, 230, 230));
        char line[MAX_PATH + 64];
        int length = snprintf(line, sizeof line, "Demo game, %s. Pick how it ends:", Mode);
        TextOutA(dc, 24, 84, line, length);
        char directory[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, directory);
        length = snprintf(line, sizeof line, "Running in %s", directory);
        TextOutA(dc, 24, 230, line, length);
        length = snprintf(line, sizeof line, "Log: %s", LogPath);
        TextOutA(dc, 24, 250, line, length);
#if defined(SAFE_MODE)
        SetTextColor(dc, RGB(255, 80, 80));
        TextOutA(dc, 300, 40, "SAFE MODE", 9);
#endif
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    HANDLE running = CreateSemaphoreA(nullptr, 0, 1, "Thundra");
    StartLog();
    const char* commandLine = GetCommandLineA();

    unsigned code;
    if (FindSwitch(commandLine, "-exit ", &code))
        EndGame(code, "asked by -exit");

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = GameWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = "Thundra Window";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("Thundra Window", "Thundra", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 640, 320, nullptr, nullptr, instance, nullptr);
    for (int i = 0; i < static_cast<int>(std::size(Choices)); ++i) {
        CreateWindowA("BUTTON", Choices[i].label, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 24 + (i % 4) * 136,
                      120 + (i / 4) * 44, 128, 34, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(FirstExitButton + i)),
                      instance, nullptr);
    }
    ShowWindow(window, show);
    UpdateWindow(window);
    unsigned closeAfter;
    if (FindSwitch(commandLine, "-close-after ", &closeAfter))
        SetTimer(window, CloseTimer, closeAfter, nullptr);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    CloseHandle(running);
    EndGame(0, "message loop ended");
}
