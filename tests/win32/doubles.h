// Where the test doubles lie: beside the test program.
#pragma once

#include <string>

std::string TestProgramFolder();

// The lines of a text file, without their line ends; empty when missing.
std::string ReadTextFile(const std::string& path);
