// The ANSI code page the native tests pose as: 0 for a single-byte one,
// or 932 (Japanese), whose characters may end in the byte of a backslash.
#pragma once

extern int TestCodePage;
