// The disc's driver table: for each graphics chip, the oldest driver
// version the game works with. Windows-free, so that it can be fuzzed.
#pragma once
#include <stdio.h>

// Lookup results; the check itself tells only out of date from the rest.
constexpr int DriverOutOfDate = 0;
constexpr int DriverUpToDate = 1;
constexpr int DriverNotListed = 2;

// True when installed (a.b.c.d, most significant first) is the same as or
// newer than listed.
bool IsVersionAtLeast(const unsigned installed[4], const unsigned listed[4]);

// Searches an open table for the device. True, with the listed version in
// listed, when the first section of the vendor has a line for the device.
bool FindListedDriver(FILE* table, unsigned vendor, unsigned device, unsigned listed[4]);
