// The named semaphores by which the Launcher and the game find each other.
#pragma once
#include <windows.h>

// True when the game's semaphore exists, that is, the game is running.
bool IsGameRunning();

// Creates the Launcher's own semaphore. Returns false, holding nothing, when
// that fails or another Launcher already holds it.
bool TakeLauncherSemaphore(HANDLE* semaphore);

// Brings the running game's window back, when it has one.
void RestoreGameWindow();
