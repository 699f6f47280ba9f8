// Setup with nobody at the keyboard: the choices come from the command
// line, and every box goes to the log instead.
#pragma once
#include <windows.h>

#include "setup/setup_choices.h"

// Installs to the hard disk and keeps the links chosen, showing the
// progress dialog alone when passive; the outcome is in the exit code.
void RunUnattendedSetup(HINSTANCE instance, const SetupChoices& choices);
