// Where the test doubles lie: beside the test program.
#pragma once

#include <string>

std::string TestProgramFolder();

// A file's bytes as they are on the disk; empty when it is missing.
std::string ReadTextFile(const std::string& path);
