#include "setup/setup_state.h"

HINSTANCE SetupInstance;
char InstallPath[PathSize];
bool InstallBusy;
bool CancelRequested;
