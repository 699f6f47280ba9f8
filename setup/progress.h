// The progress dialog as the copy runs: its title naming the file, the File
// bar and the Total bar. What they show is kept here and drawn at most
// every FrameInterval ms, for a person sees a few dozen changes a second
// and every redraw costs as much as copying a chunk.
#pragma once
#include <windows.h>

// The dialog (none: nothing is drawn), its Total bar's range by files, and
// the title that each file's name follows.
void BeginProgress(HWND dialog, int files);

// The file now copied: its name in the title, its bar empty.
void ProgressFileBegins(const char* name);

// After each chunk of the file: its bytes done. Serves the message queue
// (Cancel) when the clock has ticked since it last did: after every chunk
// of a slow drive, and at most every tick (some 16 ms) of a fast one.
void ProgressFileMoves(unsigned long long done, unsigned long long size);

// The file whole: the Total bar steps. A file that was shown while copied
// is drawn full.
void ProgressFileEnds();

// Draws what is kept, due or not: before a box and at the end.
void DrawProgress();

// The dialog's title as it was; nothing more is drawn.
void EndProgress();
