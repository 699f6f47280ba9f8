// What Setup and the uninstall are told on the command line, for runs with
// nobody at the keyboard. Windows-free.
#pragma once
#include "base/product.h"

// The links Setup keeps.
constexpr int StartMenuLinks = 1;
constexpr int DesktopLinks = 2;

struct SetupChoices {
    bool silent;              // no window at all
    bool passive;             // the progress dialog and nothing else
    int links;                // StartMenuLinks, DesktopLinks, both or none
    char dataDir[PathSize];   // completed as a typed path; empty: the stored folder or the default
    char log[PathSize];       // a full path; empty: no log
};
