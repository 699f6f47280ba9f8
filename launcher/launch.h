#pragma once

// Runs the launch sequence with what is left of the command-line copy:
// checks, the game image, the game and its exit code. False when the game
// was not started.
bool LaunchGame(char* commandLine);
