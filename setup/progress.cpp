#include "setup/progress.h"

#include <commctrl.h>

#include <iterator>

#include "base/format.h"
#include "base/message_pump.h"
#include "base/platform.h"
#include "resources/resource_ids.h"

constexpr DWORD FrameInterval = 40;
constexpr int TotalStepsPerFile = 10;

static HWND Dialog;
static char SavedTitle[512];
static const char* FileName;
static unsigned FilePercent, FilesDone;
// The moments of the last frame and the last look at the queue; whether
// this file was shown moving.
static DWORD FrameDrawn, QueueServed;
static bool FileShown;

// The whole percentage done * 100 / size, for any 64-bit size but 0, in
// 32-bit arithmetic (a 64-bit division brings a library routine into the
// exe): both are halved together until the size fits in 24 bits.
static unsigned Percent(unsigned long long done, unsigned long long size)
{
    for (; size >= (1u << 24); size >>= 1)
        done >>= 1;
    return static_cast<unsigned>(done) * 100 / static_cast<unsigned>(size);
}

void DrawProgress()
{
    FrameDrawn = Sys.GetTickCount();
    if (Dialog == nullptr)
        return;
    char title[512];
    if (FileName != nullptr && FormatInto(title, std::size(title), "%s - %s", SavedTitle, FileName))
        SetWindowTextA(Dialog, title);
    SendDlgItemMessageA(Dialog, IDC_FILE_BAR, PBM_SETPOS, FilePercent, 0);
    SendDlgItemMessageA(Dialog, IDC_TOTAL_BAR, PBM_SETPOS, FilesDone * TotalStepsPerFile, 0);
}

// True when a frame was due at now, and drawn.
static bool DrawWhenDue(DWORD now)
{
    if (now - FrameDrawn < FrameInterval)
        return false;
    DrawProgress();
    return true;
}

void BeginProgress(HWND dialog, int files)
{
    Dialog = dialog;
    FileName = nullptr;
    FilePercent = FilesDone = 0;
    SavedTitle[0] = '\0';
    if (dialog == nullptr)
        return;
    GetWindowTextA(dialog, SavedTitle, std::size(SavedTitle));
    SendDlgItemMessageA(dialog, IDC_TOTAL_BAR, PBM_SETRANGE, 0, MAKELPARAM(0, files * TotalStepsPerFile));
}

void ProgressFileBegins(const char* name)
{
    FileName = name;
    FilePercent = 0;
    FileShown = false;
    DrawWhenDue(Sys.GetTickCount());
}

void ProgressFileMoves(unsigned long long done, unsigned long long size)
{
    FilePercent = Percent(done, size);
    DWORD now = Sys.GetTickCount();
    if (DrawWhenDue(now))
        FileShown = true;
    // The queue costs a round trip to the window system: after each chunk
    // of a slow copy, and of a fast one once a tick.
    if (now != QueueServed) {
        QueueServed = now;
        PumpMessages();
    }
}

void ProgressFileEnds()
{
    FilePercent = 100;
    ++FilesDone;
    if (FileShown)
        DrawProgress();
    else
        DrawWhenDue(Sys.GetTickCount());
}

void EndProgress()
{
    if (Dialog != nullptr)
        SetWindowTextA(Dialog, SavedTitle);
    Dialog = nullptr;
}
