// The Launcher's own version: its version resource and the uninstall
// entry's "DisplayVersion" say the same.
#pragma once

#define LAUNCHER_VERSION 1, 0, 0, 0
#define LAUNCHER_VERSION_TEXT "1.0.0.0"
