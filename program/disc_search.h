#pragma once

// The stub, started from the game links with no disc beside it: finds the
// disc in a CD drive and starts the Launcher there with "-noautoplay" and
// the stub's own remaining arguments; asks for the disc until it is found
// or the user cancels. True when the disc's Launcher was started. For Setup
// it waits for that Launcher, whose exit code is noted as this one's.
bool PlayFromDisc(const char* commandLine, bool forSetup = false);
