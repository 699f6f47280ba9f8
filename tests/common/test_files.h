// Files and folders that tests make under the Wine prefix and take away.
#pragma once

#include <string>
#include <vector>

bool IsDirectory(const std::string& path);
bool WriteTextFile(const std::string& path, const std::string& text);
// A file's bytes as they are on the disk, also while another program writes
// it; empty when it is missing.
std::string ReadTextFile(const std::string& path);
// The folder of the running test program, where the doubles lie too.
std::string TestProgramFolder();
// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::string& path);

// Every file and folder below folder, as full paths, sorted; the folders
// named in skip are left out with all they hold.
std::vector<std::string> ListTree(const std::string& folder, const std::vector<std::string>& skip = {});

// What one list has that the other lacks, one "gone: " or "new: " line
// each; empty when they are the same.
std::string ListDifference(const std::vector<std::string>& before, const std::vector<std::string>& after);

// Copies a folder with everything in it; false when anything failed.
bool CopyTree(const std::string& from, const std::string& to);
