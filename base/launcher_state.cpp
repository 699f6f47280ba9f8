#include "base/launcher_state.h"

HINSTANCE LauncherInstance;
char DefaultInstallDir[PathSize];
