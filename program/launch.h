// The launch sequence: checks, the game image, the game and its exit code.
#pragma once
#include "base/product.h"

void LoadDefaultInstallDir();

// "debug.bin" in safe mode, else "race.bin".
const char* GameImageName(bool safe);

// The Launcher's own directory followed by "\Run"; false when the
// Launcher's file name can't be read whole or has no backslash.
bool GetRunDirectory(char* buf);

// Runs the launch sequence with what is left of the command-line copy.
// False when the game was not started.
bool LaunchGame(char* commandLine);
