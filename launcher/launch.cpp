#include "launcher/launch.h"

#include "launcher/messages.h"
#include "launcher/switches.h"
#include "preflight/directx_offer.h"
#include "preflight/preflight.h"
#include "setup/directories.h"

char DefaultInstallDir[PathSize];

void LoadDefaultInstallDir()
{
    DefaultInstallDir[0] = '\0';
    GetDefaultInstallDir(DefaultInstallDir);
}

bool LaunchGame(char* commandLine)
{
    LoadDefaultInstallDir();
    TakeSwitch(commandLine, No3dfxSwitch);

    // The flag is not lowered first: an earlier fatal box still counts.
    bool stopped = !OfferDirectXSetup(nullptr);
    if (!stopped) {
        RunPreflightChecks();
        stopped = AbortRequested;
    }
    // Taken also when the launch stopped, so it never reaches the game.
    bool safe = TakeSwitch(commandLine, SafeSwitch);
    (void)safe;
    if (stopped)
        return false;

    // The game image and the game itself are not built yet.
    return false;
}
