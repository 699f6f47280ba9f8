// The Launcher's own switches, taken out of its command-line copy one by one.
#pragma once
#include "setup/setup_choices.h"

// Removes the first occurrence of sw from commandLine and returns true, or
// returns false and leaves commandLine alone. A plain, case-sensitive
// substring search: the blanks around the switch stay where they were.
bool TakeSwitch(char* commandLine, const char* sw);

enum class SwitchesRead {
    ForTheGame,   // no "-setup" or "-uninstall": the line is left as it is
    ForSetup,     // read into the choices and blanked out of the line
    Refused,      // refused names the first word that is bad
};

// Reads what Setup and the uninstall are told: "-silent", "-passive",
// "-dir PATH", "-links WHICH" and "-log FILE", words that stand alone, a
// value in quotes when it holds blanks. Any other word but the Launcher's
// own switches, a switch without its value or with one it does not know,
// or one that is not for the action, is refused. refused holds
// CommandLineSize characters.
SwitchesRead ReadSetupSwitches(char* commandLine, SetupChoices* choices, char* refused);
