// How every part of the Launcher tells the user about a problem.
#pragma once
#include "base/format.h"

// Raised by ShowFatal and by a No to ShowWarning, lowered only by a Yes to
// ShowWarning. The preflight sequence reads it after every check.
extern bool AbortRequested;

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
