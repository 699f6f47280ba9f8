// The requirement checks that stand between Play and the game.
#pragma once

// Runs the checks in their fixed order and stops after the first one that
// leaves the abort flag raised; the game may start when it is still down.
void RunPreflightChecks();

void CheckWindowsVersion();
void CheckMouse();
void CheckMemory();
void CheckProgramDriveSpace();
