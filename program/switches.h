// The Launcher's own switches, taken out of its command-line copy one by one.
#pragma once

// Removes the first occurrence of sw from commandLine and returns true, or
// returns false and leaves commandLine alone. A plain, case-sensitive
// substring search: the blanks around the switch stay where they were.
bool TakeSwitch(char* commandLine, const char* sw);
