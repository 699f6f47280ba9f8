#include "launcher/launch.h"

// The launch sequence is not built yet: nothing is started.
bool LaunchGame(char*)
{
    return false;
}
