// The files a double keeps beside itself: a control file it reads and a
// record it appends to.
#pragma once
#include <windows.h>

#include <string>

// The path of name in the double's own folder, or in that of the program
// that loaded it.
std::string BesideDouble(const char* name, bool besideProgram = false);

void AppendRecord(const char* file, const std::string& line, bool besideProgram = false);
