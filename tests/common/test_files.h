// Files and folders that tests make under the Wine prefix and take away.
#pragma once

#include <string>

bool IsDirectory(const std::string& path);
bool WriteTextFile(const std::string& path, const std::string& text);
// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::string& path);
