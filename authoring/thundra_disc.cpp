// thundra-disc: makes and checks the game's distribution disc.
//
//   thundra-disc make --launcher EXE --race BIN --debug BIN --data DIR --out DIR
//                     [--readme FILE] [--drivers FILE] [--redist DIR] [--iso FILE]
//   thundra-disc verify DIR
//
// make writes the disc folder: autorun.inf, Thundra.exe, Run\ with the game
// images, the data files and Run\checksum.lst (the Launcher's checksum),
// run\readme.txt, run\drivers.dat and redist\directx7\; with --iso also an
// ISO 9660 image with Joliet names (xorriso). The folder is written aside
// and moved into place only when complete: a failed run leaves no half disc.
// verify checks a disc folder or a mounted disc against its list and names
// every bad, missing or unlisted file; its exit status is 1 when any is.
#include <dirent.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "base/path_chars.h"
#include "setup/checksum.h"
#include "setup/checksum_list_reader.h"

// This tool's names are UTF-8, whose every byte of a multi-byte character
// is 0x80 or above: no character ends in the byte of a backslash.
bool IsLeadByte(unsigned char)
{
    return false;
}

namespace {

const char* const ImagesAndDiscFiles[] = {"race.bin", "debug.bin", "checksum.lst", "readme.txt", "drivers.dat"};

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::vector<std::string> ListFolder(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return names;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool ChecksumOfFile(const std::string& path, uint32_t* checksum)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    static unsigned char buffer[1 << 18];
    uint32_t c = ChecksumStart;
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        c = UpdateChecksum(c, buffer, got);
    bool ok = !ferror(file);
    fclose(file);
    *checksum = c;
    return ok;
}

bool CopyFile(const std::string& from, const std::string& to)
{
    FILE* in = fopen(from.c_str(), "rb");
    if (in == nullptr)
        return false;
    FILE* out = fopen(to.c_str(), "wb");
    if (out == nullptr) {
        fclose(in);
        return false;
    }
    static char buffer[1 << 18];
    size_t got;
    bool ok = true;
    while (ok && (got = fread(buffer, 1, sizeof buffer, in)) > 0)
        ok = fwrite(buffer, 1, got, out) == got;
    ok = ok && !ferror(in);
    fclose(in);
    ok = fclose(out) == 0 && ok;
    return ok;
}

bool CopyTree(const std::string& from, const std::string& to)
{
    if (mkdir(to.c_str(), 0755) != 0)
        return false;
    for (const std::string& name : ListFolder(from)) {
        std::string source = from + "/" + name, target = to + "/" + name;
        if (!(IsDirectory(source) ? CopyTree(source, target) : CopyFile(source, target)))
            return false;
    }
    return true;
}

bool WriteText(const std::string& path, const std::string& text)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    bool ok = fwrite(text.data(), 1, text.size(), file) == text.size();
    return fclose(file) == 0 && ok;
}

void RemoveTree(const std::string& path)
{
    if (IsDirectory(path)) {
        for (const std::string& name : ListFolder(path))
            RemoveTree(path + "/" + name);
        rmdir(path.c_str());
    } else {
        unlink(path.c_str());
    }
}

int Fail(const std::string& message)
{
    fprintf(stderr, "thundra-disc: %s\n", message.c_str());
    return 2;
}

int Make(std::map<std::string, std::string>& options)
{
    for (const char* required : {"launcher", "race", "debug", "data", "out"}) {
        if (options[required].empty())
            return Fail(std::string("make needs --") + required);
    }
    for (const char* file : {"launcher", "race", "debug", "readme", "drivers"}) {
        if (!options[file].empty() && !IsFile(options[file]))
            return Fail("no such file: " + options[file]);
    }
    const std::string data = options["data"], out = options["out"];
    if (!IsDirectory(data))
        return Fail("no such folder: " + data);
    if (!options["redist"].empty() && !IsDirectory(options["redist"]))
        return Fail("no such folder: " + options["redist"]);
    if (IsDirectory(out) || IsFile(out))
        return Fail(out + " exists already; remove it or name another");

    // Every data file must fit the list: a plain file whose name has no
    // blank and at most 63 characters, at most 255 of them (the list names
    // itself as the 256th, so that the uninstaller finds it).
    std::vector<std::string> names = ListFolder(data);
    for (const std::string& name : names) {
        if (!IsFile(data + "/" + name))
            return Fail("not a plain file (folders are not installed): " + name);
        if (name.size() > static_cast<size_t>(MaxChecksumName))
            return Fail("name longer than 63 characters: " + name);
        if (name.find_first_of(" \t\r\n") != std::string::npos)
            return Fail("name with a blank, which the list can't hold: " + name);
        for (const char* reserved : ImagesAndDiscFiles) {
            if (strcasecmp(name.c_str(), reserved) == 0)
                return Fail("name kept for the disc itself: " + name);
        }
    }
    if (names.size() > static_cast<size_t>(MaxChecksumEntries - 1))
        return Fail("more than 255 data files (" + std::to_string(names.size()) + ")");

    const std::string partial = out + ".partial";
    RemoveTree(partial);
    std::string list;
    bool ok = mkdir(partial.c_str(), 0755) == 0 && mkdir((partial + "/Run").c_str(), 0755) == 0 &&
              WriteText(partial + "/autorun.inf", "[autorun]\r\nopen=Thundra.exe\r\nicon=Thundra.exe,0\r\nlabel=Thundra\r\n") &&
              CopyFile(options["launcher"], partial + "/Thundra.exe") &&
              CopyFile(options["race"], partial + "/Run/race.bin") &&
              CopyFile(options["debug"], partial + "/Run/debug.bin");
    for (size_t i = 0; ok && i < names.size(); ++i) {
        uint32_t checksum = 0;
        ok = CopyFile(data + "/" + names[i], partial + "/Run/" + names[i]) &&
             ChecksumOfFile(partial + "/Run/" + names[i], &checksum);
        char line[128];
        snprintf(line, sizeof line, "%s %x\r\n", names[i].c_str(), checksum);
        list += line;
    }
    list += "checksum.lst 0\r\n";
    ok = ok && WriteText(partial + "/Run/checksum.lst", list);
    ok = ok && (options["readme"].empty() || CopyFile(options["readme"], partial + "/Run/readme.txt"));
    ok = ok && (options["drivers"].empty() || CopyFile(options["drivers"], partial + "/Run/drivers.dat"));
    if (ok && !options["redist"].empty())
        ok = mkdir((partial + "/redist").c_str(), 0755) == 0 && CopyTree(options["redist"], partial + "/redist/directx7");
    if (!ok) {
        RemoveTree(partial);
        return Fail("could not write the disc folder " + partial);
    }
    if (!options["iso"].empty()) {
        std::string command = "xorriso -as mkisofs -quiet -J -joliet-long -R -V THUNDRA -o '" + options["iso"] +
                              "' '" + partial + "' >/dev/null 2>&1";
        if (system(command.c_str()) != 0) {
            RemoveTree(partial);
            unlink(options["iso"].c_str());
            return Fail("xorriso could not write " + options["iso"]);
        }
    }
    if (rename(partial.c_str(), out.c_str()) != 0) {
        RemoveTree(partial);
        return Fail("could not move the disc folder into place: " + out);
    }
    printf("disc %s: %zu data files listed%s\n", out.c_str(), names.size(),
           options["iso"].empty() ? "" : (", image " + options["iso"]).c_str());
    return 0;
}

// A listed name on the disc, whatever the case of its letters (a mounted
// Joliet disc keeps them, a Windows disc folder need not).
std::string FindOnDisc(const std::string& run, const std::string& name)
{
    if (IsFile(run + "/" + name))
        return run + "/" + name;
    for (const std::string& present : ListFolder(run)) {
        if (strcasecmp(present.c_str(), name.c_str()) == 0)
            return run + "/" + present;
    }
    return "";
}

int Verify(const std::string& disc)
{
    std::string run = disc + "/Run";
    if (!IsDirectory(run)) {
        for (const std::string& name : ListFolder(disc)) {
            if (strcasecmp(name.c_str(), "run") == 0)
                run = disc + "/" + name;
        }
    }
    std::string listPath = FindOnDisc(run, "checksum.lst");
    FILE* file = listPath.empty() ? nullptr : fopen(listPath.c_str(), "rb");
    if (file == nullptr)
        return Fail("no Run/checksum.lst on " + disc);
    static ChecksumEntry table[MaxChecksumEntries];
    int count = 0, line = 0;
    ListProblem problem;
    bool read = ReadChecksumList(file, table, &count, &problem, &line);
    fclose(file);
    if (!read)
        return Fail("the list can't be read whole (line " + std::to_string(line) + ")");

    int bad = 0;
    std::vector<std::string> listed;
    for (int i = 0; i < count; ++i) {
        listed.push_back(table[i].name);
        std::string path = FindOnDisc(run, table[i].name);
        uint32_t actual = 0;
        if (path.empty() || !ChecksumOfFile(path, &actual)) {
            printf("MISSING %s (expected %x)\n", table[i].name, table[i].checksum);
            ++bad;
        } else if (table[i].checksum != 0 && actual != table[i].checksum) {
            printf("BAD %s (expected %x, actual %x)\n", table[i].name, table[i].checksum, actual);
            ++bad;
        }
    }
    for (const std::string& present : ListFolder(run)) {
        bool known = std::any_of(listed.begin(), listed.end(),
                                 [&](const std::string& name) { return strcasecmp(name.c_str(), present.c_str()) == 0; });
        for (const char* own : ImagesAndDiscFiles)
            known = known || strcasecmp(own, present.c_str()) == 0;
        if (!known) {
            printf("EXTRA %s (not in the list)\n", present.c_str());
            ++bad;
        }
    }
    printf("%d listed, %d problem%s\n", count, bad, bad == 1 ? "" : "s");
    return bad == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && strcmp(argv[1], "verify") == 0)
        return Verify(argv[2]);
    if (argc >= 2 && strcmp(argv[1], "make") == 0) {
        std::map<std::string, std::string> options;
        for (int i = 2; i < argc; i += 2) {
            if (strncmp(argv[i], "--", 2) != 0 || i + 1 >= argc)
                return Fail(std::string("unexpected argument: ") + argv[i]);
            options[argv[i] + 2] = argv[i + 1];
        }
        return Make(options);
    }
    fprintf(stderr,
            "usage: thundra-disc make --launcher EXE --race BIN --debug BIN --data DIR --out DIR\n"
            "                         [--readme FILE] [--drivers FILE] [--redist DIR] [--iso FILE]\n"
            "       thundra-disc verify DIR\n");
    return 2;
}
