// The files a double keeps beside itself: a control file it reads and a
// record it appends to.
#pragma once
#include <windows.h>

#include <string>

// The path of name in the double's own folder.
std::string BesideDouble(const char* name);

// The number after "key " in the control file, or fallback.
long ReadControl(const char* file, const char* key, long fallback);

void AppendRecord(const char* file, const std::string& line);
