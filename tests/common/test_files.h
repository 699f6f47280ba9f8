// Files and folders that tests make under the Wine prefix and take away.
#pragma once

#include <fstream>
#include <string>
#include <vector>

// A driver table that lists every display Wine may report as up to date.
constexpr char UpToDateDriverTable[] = "v 10de\nd 6cd 0 0 0 0\nv 0\nd 0 0 0 0 0\n";

inline bool WriteTextFile(const std::string& path, const std::string& text)
{
    return static_cast<bool>(std::ofstream(path, std::ios::binary) << text << std::flush);
}
// A file's bytes, also while another program writes it or holds it to
// delete; empty when missing.
std::string ReadTextFile(const std::string& path);
// The checksum of bytes as a disc's list gives it, in hexadecimal.
std::string ChecksumOf(const std::string& bytes);
// Writes each file (name, bytes) into folder\Run, and a checksum.lst that lists them and, as a disc's does,
// itself; the listed names, or none when a file could not be written.
std::vector<std::string> WriteDiscFiles(
    const std::string& folder, const std::vector<std::pair<std::string, std::string>>& files, bool itself = true);
// The folder of the running test program, where the doubles lie too.
std::string TestProgramFolder();
// Removes a folder with everything in it, read-only files included.
void RemoveTree(const std::string& path);
// Every file and folder below folder, full paths, sorted; the folders named
// in skip are left out with all they hold.
std::vector<std::string> ListTree(const std::string& folder, const std::vector<std::string>& skip = {});
// One "gone: " or "new: " line for each entry only one list has.
std::string ListDifference(const std::vector<std::string>& before, const std::vector<std::string>& after);
// A text or number value under HKEY_LOCAL_MACHINE, or "(none)"; view may name the
// registry view (RRF_SUBKEY_WOW6464KEY), else the program's own is read.
std::string RegistryText(const char* key, const char* name, unsigned long view = 0);
// Runs a shell command on the host (Wine starts Linux programs, but can't
// wait for them, so the command leaves a mark when done), at most 20 s;
// paths of the prefix as the host names them, quoted, on C: or S:.
bool RunOnHost(const std::string& command);
std::string HostPath(const std::string& path);
// A link planted as a standard user would (a junction to Windows): a Unix
// symbolic link of the prefix, made and taken away on the host.
inline bool PlantLink(const std::string& link, const std::string& target)
{
    return RunOnHost("ln -s " + HostPath(target) + " " + HostPath(link));
}
inline bool RemoveLink(const std::string& link) { return RunOnHost("rm -f " + HostPath(link)); }
