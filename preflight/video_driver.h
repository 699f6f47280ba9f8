// The video-driver check: the display hardware's driver against the disc's
// driver table, on the Windows 95 family.
#pragma once

void CheckVideoDriver();

// Identifies the display device and looks it up: DriverUpToDate,
// DriverOutOfDate or DriverNotListed.
int GetDriverStatus();

int LookUpDriverTable(unsigned vendor, unsigned device, const unsigned installed[4]);
