#pragma once
#include <windows.h>

// Makes sure DirectX 7.0a or later is there on the Windows 95 family and
// offers to install it from the disc. True to go on with the launch.
bool OfferDirectXSetup(HWND owner);
