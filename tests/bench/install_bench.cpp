// The install benchmark, under Wine: a generated 260 MB data set (a few
// large files, many small ones) installed through the file engine, against
// a plain CopyFileA of the same files, in the same run and from the page
// cache. Prints both times, their ratio and the checksum's throughput.
//   install_bench.exe FOLDER [--show]
// --show slows every chunk down so that the progress dialog can be watched
// (and photographed by scripts/progress-screenshot.sh).
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <thread>
#include <vector>

#include "launcher/platform.h"
#include "resources/resource_ids.h"
#include "setup/checksum.h"
#include "setup/file_engine.h"
#include "setup/setup_state.h"

namespace {

std::string Root;
bool EngineStarted, EngineResult;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && !EngineStarted) {
        EngineStarted = true;
        HWND progress = reinterpret_cast<HWND>(lParam);
        EngineResult = RunFileEngine(progress, InstallPath, false);
        EndDialog(progress, EngineResult ? 1 : 2);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI AnswerYes(HWND, LPCSTR text, LPCSTR, UINT)
{
    if (strncmp(text, "Files copied", 12) != 0)
        printf("  box: %s\n", text);
    return IDYES;
}

BOOL WINAPI SlowRead(HANDLE file, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    Sleep(15);
    return ReadFile(file, buffer, size, done, overlapped);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& data)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) && written == data.size();
    CloseHandle(file);
    return ok;
}

void ReadAll(const std::string& path)
{
    static std::vector<char> buffer(1 << 20);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    DWORD got;
    while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) && got > 0) {
    }
    CloseHandle(file);
}

void RemoveFolder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.cFileName[0] != '.')
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: install_bench.exe FOLDER [--show]\n");
        return 2;
    }
    Root = argv[1];
    bool show = argc > 2 && strcmp(argv[2], "--show") == 0;
    InitCommonControls();
    SetupInstance = GetModuleHandleA(nullptr);
    Sys.MessageBoxA = AnswerYes;
    if (show)
        Sys.ReadFile = SlowRead;

    // The data set: 4 files of 40 MB and 250 of 400 KB, 260 MB in all,
    // within the 256 files a list may name.
    CreateDirectoryA(Root.c_str(), nullptr);
    std::string run = Root + "\\Run";
    CreateDirectoryA(run.c_str(), nullptr);
    std::vector<std::pair<std::string, size_t>> files;
    for (int i = 0; i < 4; ++i)
        files.push_back({"track" + std::to_string(i) + ".pak", 40u << 20});
    for (int i = 0; i < 250; ++i)
        files.push_back({"car" + std::to_string(i) + ".tex", 400u << 10});
    std::string list;
    unsigned long long total = 0;
    uint32_t seed = 7;
    for (const auto& file : files) {
        std::vector<unsigned char> data(file.second);
        for (unsigned char& b : data) {
            seed = seed * 1103515245u + 12345u;
            b = static_cast<unsigned char>(seed >> 23);
        }
        WriteFileBytes(run + "\\" + file.first, data);
        char line[128];
        snprintf(line, sizeof line, "%s %x\n", file.first.c_str(),
                 UpdateChecksum(ChecksumStart, data.data(), data.size()));
        list += line;
        total += file.second;
    }
    WriteFileBytes(run + "\\checksum.lst", std::vector<unsigned char>(list.begin(), list.end()));
    SetCurrentDirectoryA(Root.c_str());
    for (const auto& file : files)
        ReadAll(run + "\\" + file.first);   // into the page cache

    // The checksum alone, in memory.
    std::vector<unsigned char> block(64u << 20, 0x5A);
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    volatile uint32_t sink = UpdateChecksum(ChecksumStart, block.data(), block.size());
    QueryPerformanceCounter(&t1);
    (void)sink;
    double checksumSeconds = Seconds(t0, t1);

    // The verified install through the engine, in its progress dialog.
    std::string target = Root + "\\installed";
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = SetupInstance;
    windowClass.lpszClassName = "ThundraBenchOwner";
    RegisterClassA(&windowClass);
    HWND owner = CreateWindowA("ThundraBenchOwner", "Thundra", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                               SetupInstance, nullptr);
    // The user types the target once the dialog is up (visible: its
    // controls are set).
    std::thread user([&] {
        for (int i = 0; i < 6000; ++i) {
            HWND dialog = FindWindowA("#32770", "Install");
            if (dialog != nullptr && IsWindowVisible(dialog)) {
                SetDlgItemTextA(dialog, IDC_INSTALL_PATH, target.c_str());
                PostMessageA(dialog, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(5);
        }
    });
    QueryPerformanceCounter(&t0);
    DialogBoxParamA(SetupInstance, MAKEINTRESOURCEA(IDD_PROGRESS), owner, ProgressDialogProc, 0);
    QueryPerformanceCounter(&t1);
    user.join();
    double engineSeconds = Seconds(t0, t1);

    // The same files, copied plainly.
    std::string plain = Root + "\\plain";
    CreateDirectoryA(plain.c_str(), nullptr);
    QueryPerformanceCounter(&t0);
    for (const auto& file : files)
        CopyFileA((run + "\\" + file.first).c_str(), (plain + "\\" + file.first).c_str(), FALSE);
    QueryPerformanceCounter(&t1);
    double plainSeconds = Seconds(t0, t1);

    double megabytes = static_cast<double>(total) / 1048576.0;
    printf("data set:              %zu files, %.0f MB\n", files.size(), megabytes);
    printf("verified install:      %.3f s (%.0f MB/s)%s\n", engineSeconds, megabytes / engineSeconds,
           EngineResult ? "" : "  FAILED");
    printf("plain CopyFileA:       %.3f s (%.0f MB/s)\n", plainSeconds, megabytes / plainSeconds);
    printf("install / plain time:  %.2f (speed ratio %.2f)\n", engineSeconds / plainSeconds,
           plainSeconds / engineSeconds);
    printf("checksum in memory:    %.0f MB/s\n", 64.0 / checksumSeconds);

    RemoveFolder(Root + "\\installed\\Data");
    RemoveDirectoryA((Root + "\\installed").c_str());
    RemoveFolder(plain);
    RemoveFolder(run);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvane\\Thundra");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Orvane");
    return EngineResult ? 0 : 1;
}
