// The files a double keeps beside itself: a control file it reads and a
// record it appends to.
#pragma once
#include <windows.h>

#include <string>

// The path of name in the double's own folder.
std::string BesideDouble(const char* name);

void AppendRecord(const char* file, const std::string& line);
