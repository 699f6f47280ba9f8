// Identifiers that bind the resource script to the code.
#pragma once

#define IDI_LAUNCHER 1
