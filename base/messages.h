// How every part of the Launcher tells the user about a problem.
#pragma once
#include <windows.h>

#include "base/format.h"

// Raised by ShowFatal and by a No to ShowWarning, lowered only by a Yes to
// ShowWarning. The preflight sequence reads it after every check.
extern bool AbortRequested;

// Nobody is at the keyboard (Setup or the uninstall told "-silent" or
// "-passive"): no box is shown; each goes to the log with the answer that
// goes on safely.
extern bool Unattended;

// The exit codes of Setup and the uninstall, those deployment tools read.
constexpr unsigned long ExitFileInUse = 32;          // the uninstall met a file in use
constexpr unsigned long ExitBadSwitch = 87;
constexpr unsigned long ExitDiskFull = 112;
constexpr unsigned long ExitCancelled = 1602;        // by the user
constexpr unsigned long ExitFailed = 1603;           // and rolled back
constexpr unsigned long ExitAnotherRunning = 1618;   // another Launcher or Setup
extern unsigned long ExitCode;                       // 0 until something fails
// Records code unless an earlier one is: what failed first ended the run.
void NoteExitCode(unsigned long code);

// Every box of the Launcher: it goes to the log, and a box with a warning
// or stop icon tells of a failure (ExitFailed). Unattended, it is not
// shown: a question gets Yes, a Retry or OK gets Cancel.
int ShowBox(HWND owner, const char* text, const char* caption, unsigned style);

constexpr char FatalCaption[] = "Our Apologies";
constexpr unsigned FatalStyle = 0x10010;    // MB_OK | MB_ICONHAND | MB_SETFOREGROUND
constexpr unsigned WarningStyle = 0x10034;  // MB_YESNO | MB_ICONEXCLAMATION | MB_SETFOREGROUND
constexpr char ContinueQuestion[] = "\nContinue?";

// The text is formatted printf-style; one that needs more than 255
// characters is shown shortened (ShortenInto).
void ShowFatal(const char* format, ...) FORMAT_CHECK(1, 2);
void ShowWarning(const char* format, ...) FORMAT_CHECK(1, 2);

// The plain Yes/No question under the product name; true on Yes. Leaves
// the abort flag alone.
bool AskYesNo(const char* text);

// Ends the process at once with exit code 1, through the runtime's exit:
// the user's No to the video-driver question.
[[noreturn]] void QuitLauncher();
