// Drives a dialog of this process from a second thread, as a user would:
// waits for it by caption, types into its controls and presses buttons.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

// Waits (at most timeoutMs) for a visible dialog of this process with the
// caption; nullptr when none came.
HWND WaitForDialog(const char* caption, DWORD timeoutMs = 10000);

std::string ControlText(HWND dialog, int control);
void SetControlText(HWND dialog, int control, const std::string& text);
void PressButton(HWND dialog, int control);

// Runs the steps on a second thread while the test thread shows the dialog.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void()> steps) : thread_(std::move(steps)) {}
    ~DialogDriver() { thread_.join(); }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

private:
    std::thread thread_;
};
