// Whole at every step. Each road of Setup and the uninstall runs once to
// count its steps, the calls by which it changes the machine, taking a
// picture of the machine before each; then, for every step, the road's next
// run starts from that picture (a kill there), from that picture less what
// no flush made lasting (a power cut there), and after a run in which that
// step failed as Windows fails it. The machine must then be whole or clean.
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <map>
#include <set>

#include "platform_fixture.h"
#include "setup/directories.h"
#include "setup/file_engine.h"
#include "setup/setup_options.h"
#include "setup/setup_state.h"
#include "setup/uninstall.h"

namespace {

// What Setup and the uninstall may touch: each file's path and bytes, each folder's path and "\", each key
// "HKLM\key\" and each of its values "HKLM\key\name" (type, then data).
using Picture = std::map<std::string, std::string>;
// Program Files\Orvane\Thundra\, as this build sees it.
std::string Installed()
{
    char dir[MAX_PATH];
    return GetDefaultInstallDir(dir), dir;
}
const std::string Roots[] = {
    "C:\\thundra-steps\\games", "C:\\thundra-steps\\links", Installed().substr(0, Installed().size() - 9)};
const char* const Keys[] = {"Software\\Orvane", "Software\\Orvane\\Thundra",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Thundra"};
constexpr char Data[] = "C:\\thundra-steps\\games\\Data\\";
constexpr char Launcher[] = "Run\\launcher.exe";   // a small stand-in for this program
const std::string Stub = Installed() + "Thunx.exe", Menu = "C:\\thundra-steps\\links\\all\\programs\\Orvane\\Thundra\\";
std::string Disc;   // the disc's folder, with a backslash
std::vector<std::string> Listed;   // the disc's files, by name
std::set<std::string> AtRestart;   // what the restart deletes: gone once the machine has restarted

bool IsKey(const std::string& path) { return path.compare(0, 5, "HKLM\\") == 0; }
bool IsFolder(const std::string& path) { return path.back() == '\\'; }
std::string KeyOf(const std::string& path) { return path.substr(5, path.rfind('\\', path.size() - 2) - 5); }
std::string NameOf(const std::string& path) { return path.substr(path.rfind('\\', path.size() - 2) + 1); }

void TakeKey(Picture& picture, const std::string& key)
{
    HKEY open;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS)
        return;
    picture["HKLM\\" + key + "\\"] = "";
    char name[256], data[1024];
    DWORD type, nameSize = sizeof name, dataSize = sizeof data;
    for (DWORD i = 0; RegEnumValueA(open, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data),
                          &dataSize) == ERROR_SUCCESS;
         ++i, nameSize = sizeof name, dataSize = sizeof data)
        picture["HKLM\\" + key + "\\" + name] = std::string(1, static_cast<char>(type)) + std::string(data, dataSize);
    RegCloseKey(open);
}

Picture Take()
{
    Picture picture;
    for (const std::string& root : Roots)
        for (const std::string& path : ListTree(root))
            (GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY) ? picture[path + "\\"] = ""
                                                                          : picture[path] = ReadTextFile(path);
    for (const char* key : Keys)
        TakeKey(picture, key);
    return picture;
}

// Changes only what differs: what is not to stay goes, the deepest first; then what is missing or other is written.
void Put(const Picture& picture)
{
    AtRestart.clear();
    const Picture now = Take();
    for (auto at = now.rbegin(); at != now.rend(); ++at) {
        const std::string& path = at->first;
        if (picture.count(path))
            continue;
        if (IsKey(path))
            IsFolder(path) ? RegDeleteKeyA(HKEY_LOCAL_MACHINE, path.substr(5, path.size() - 6).c_str())
                           : RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, KeyOf(path).c_str(), NameOf(path).c_str());
        else
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL),
                IsFolder(path) ? RemoveDirectoryA(path.c_str()) : DeleteFileA(path.c_str());
    }
    for (const auto& [path, bytes] : picture) {
        HKEY key;
        if (now.count(path) && now.at(path) == bytes)
            continue;
        if (!IsKey(path) &&
            (SHCreateDirectoryExA(nullptr, path.substr(0, path.rfind('\\')).c_str(), nullptr), !IsFolder(path)))
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL), WriteTextFile(path, bytes);
        else if (IsKey(path) && IsFolder(path) &&
            RegCreateKeyA(HKEY_LOCAL_MACHINE, path.substr(5, path.size() - 6).c_str(), &key) == ERROR_SUCCESS)
            RegCloseKey(key);
        else if (IsKey(path) && !IsFolder(path))
            RegSetKeyValueA(HKEY_LOCAL_MACHINE, KeyOf(path).c_str(), NameOf(path).c_str(), static_cast<BYTE>(bytes[0]),
                bytes.data() + 1, static_cast<DWORD>(bytes.size() - 1));
    }
    ASSERT_EQ(picture, Take());
}

// Every listed file whole, and DataDirectory naming their folder.
bool DataWhole(const Picture& p)
{
    const std::string value = "HKLM\\" + std::string(Keys[1]) + "\\DataDirectory";
    bool whole = p.count(value) && p.at(value) == '\1' + std::string(Data, sizeof Data);
    for (const std::string& name : Listed)
        whole = whole && p.count(Data + name) && p.at(Data + name) == ReadTextFile(Disc + "Run\\" + name);
    return whole;
}

// "whole", "clean", or what lies between; links as chosen.
std::string Judge(Picture p, bool startMenu, bool desktop)
{
    for (const std::string& path : AtRestart)
        p.erase(path), p.erase(path + "\\");
    auto link = [&](const std::string& path) {
        return p.count(path) && p.at(path).find_first_not_of('\0') != std::string::npos;
    };
    bool whole = p.count(Stub) && p.at(Stub) == ReadTextFile(Disc + Launcher) &&
        p.count("HKLM\\" + std::string(Keys[2]) + "\\UninstallString") && DataWhole(p) &&
        link(Menu + "Thundra.lnk") == startMenu && link(Menu + "Uninstall Thundra.lnk") == startMenu &&
        link("C:\\thundra-steps\\links\\all\\desktop\\Thundra.lnk") == desktop;
    bool clean = true;
    for (const auto& entry : p)
        clean = clean && IsFolder(entry.first) && entry.first.find("C:\\thundra-steps\\links\\") == 0 &&
            entry.first.find("Orvane") == std::string::npos;
    return whole ? "whole" : clean ? "clean" : "between";
}

// The steps of a run: what each did, the picture before it, what a power cut there leaves, and whether the
// data had been said copied by then.
struct Taken {
    std::string what;
    Picture kill, cut;
    bool promised;
};
std::vector<Taken> Record;
bool Capturing, SaidCopied;
int Steps, FailAt;
// What lasts, as the run that takes the pictures records it: the names as at the last change written through,
// each file's bytes as at its last flush (by name, following renames), each key as at its last flush.
Picture Lasting, Flushed;
std::map<HANDLE, std::string> Files;
std::map<HKEY, std::string> OpenKeys;

// What a file lost is cut back, or at every other step zeroed. The names changed since the last write-through
// are undone, the newest first: all of them, or at every other pair of steps none.
Picture Cut(const Picture& now)
{
    Picture cut;
    for (const auto& entry : Lasting)
        if (IsKey(entry.first))
            cut.insert(entry);
    for (const auto& entry : Record.size() / 2 % 2 ? now : Lasting) {
        std::string bytes = IsFolder(entry.first) ? "" : Flushed[entry.first];
        if (Record.size() % 2 && now.count(entry.first) && now.at(entry.first).size() > bytes.size())
            bytes.resize(now.at(entry.first).size(), '\0');
        if (!IsKey(entry.first))
            cut[entry.first] = bytes;
    }
    return cut;
}

// Counts a step; true when it is to fail, with error.
bool Step(DWORD error, const std::string& what)
{
    if (Capturing) {
        Picture now = Take();
        Record.push_back({what, now, Cut(now), SaidCopied});
    }
    return ++Steps == FailAt && (SetLastError(error), true);
}
// The names, written through to the disk, last as they are.
void WrittenThrough()
{
    for (auto at = Lasting.begin(); Capturing && at != Lasting.end();)
        at = IsKey(at->first) ? std::next(at) : Lasting.erase(at);
    for (const auto& entry : Capturing ? Take() : Picture())
        if (!IsKey(entry.first))
            Lasting[entry.first] = "";
}

// A name the game holds open, sharing no deletion: Windows refuses its open for deleting, its deletion through a
// handle or by name, and its renaming.
std::string InUse = "\x01";
bool Held(const std::string& name)
{
    return name.find(InUse) != std::string::npos && (SetLastError(ERROR_SHARING_VIOLATION), true);
}

HANDLE WINAPI Create(LPCSTR name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security, DWORD disposition,
    DWORD flags, HANDLE templ)
{
    if ((disposition != OPEN_EXISTING && Step(ERROR_DISK_FULL, std::string("create ") + name)) ||
        ((access & DELETE) && Held(name)))
        return INVALID_HANDLE_VALUE;
    // Readable for the record.
    HANDLE file = CreateFileA(name, access, share | FILE_SHARE_READ, security, disposition, flags, templ);
    if (file != INVALID_HANDLE_VALUE && disposition != OPEN_EXISTING)
        Flushed[name] = "";
    return Files[file] = name, file;
}
BOOL WINAPI Write(HANDLE file, LPCVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped)
{
    return Step(ERROR_DISK_FULL, "write " + Files[file]) ? FALSE : WriteFile(file, buffer, size, done, overlapped);
}
BOOL WINAPI Flush(HANDLE file)
{
    if (Step(ERROR_DISK_FULL, "flush " + Files[file]) || !FlushFileBuffers(file))
        return FALSE;
    if (Capturing)
        Flushed[Files[file]] = ReadTextFile(Files[file]);
    return WrittenThrough(), TRUE;
}
BOOL WINAPI Copy(LPCSTR, LPCSTR to, BOOL failIfExists)
{
    return Step(ERROR_DISK_FULL, std::string("copy ") + to)
        ? FALSE
        : (Flushed[to] = "", CopyFileA((Disc + Launcher).c_str(), to, failIfExists));
}
BOOL WINAPI Delete(LPCSTR path)
{
    return Held(path) || Step(ERROR_ACCESS_DENIED, std::string("delete ") + path) ? FALSE : DeleteFileA(path);
}
BOOL WINAPI DeleteOpen(HANDLE file)
{
    return Held(Files[file]) || Step(ERROR_ACCESS_DENIED, "delete open " + Files[file])
        ? FALSE
        : RealSystemCalls.DeleteOpenFile(file);
}
BOOL WINAPI Rename(LPCSTR from, LPCSTR to, DWORD how)
{
    if (Held(from) || Step(ERROR_ACCESS_DENIED, std::string("rename ") + from))
        return FALSE;
    if (how & MOVEFILE_DELAY_UNTIL_REBOOT)
        return AtRestart.insert(from), TRUE;
    if (!MoveFileExA(from, to, how))
        return FALSE;
    if (to != nullptr)
        Flushed[to] = Flushed[from];
    if (how & MOVEFILE_WRITE_THROUGH)
        WrittenThrough();
    return TRUE;
}
BOOL WINAPI Attributes(LPCSTR path, DWORD attributes)
{
    return Step(ERROR_ACCESS_DENIED, std::string("attributes ") + path) ? FALSE : SetFileAttributesA(path, attributes);
}
BOOL WINAPI MakeFolder(LPCSTR path, LPSECURITY_ATTRIBUTES security)
{
    return Step(ERROR_ACCESS_DENIED, std::string("mkdir ") + path) ? FALSE : CreateDirectoryA(path, security);
}
BOOL WINAPI RemoveFolder(LPCSTR path)
{
    return Step(ERROR_ACCESS_DENIED, std::string("rmdir ") + path) ? FALSE : RemoveDirectoryA(path);
}
HRESULT WINAPI Save(IPersistFile* link, LPCOLESTR path)
{
    return Step(0, "save link") ? E_ACCESSDENIED : RealSystemCalls.SaveLink(link, path);
}
LSTATUS WINAPI MakeKey(HKEY root, LPCSTR key, DWORD, LPSTR keyClass, DWORD options, REGSAM access,
    const LPSECURITY_ATTRIBUTES security, PHKEY made, LPDWORD how)
{
    LSTATUS status = Step(0, std::string("regcreate ") + key)
        ? ERROR_ACCESS_DENIED
        : RegCreateKeyExA(root, key, 0, keyClass, options, access, security, made, how);
    return status == ERROR_SUCCESS ? (OpenKeys[*made] = key, status) : status;
}
LSTATUS WINAPI SetValue(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size)
{
    return Step(0, std::string("regset ") + (name ? name : "")) ? ERROR_ACCESS_DENIED
                                                                : RegSetValueExA(key, name, 0, type, data, size);
}
LSTATUS WINAPI DeleteKey(HKEY root, LPCSTR key)
{
    return Step(0, std::string("regdelete ") + key) ? ERROR_ACCESS_DENIED : RegDeleteKeyA(root, key);
}
LSTATUS WINAPI FlushKey(HKEY key)
{
    if (Step(0, "regflush " + OpenKeys[key]))
        return ERROR_ACCESS_DENIED;
    // The key lasts as it is now, and so do the keys above it.
    const std::string prefix = "HKLM\\" + OpenKeys[key] + "\\";
    for (auto at = Lasting.lower_bound(prefix);
         Capturing && at != Lasting.end() && at->first.compare(0, prefix.size(), prefix) == 0;)
        at = Lasting.erase(at);
    for (const char* above : Keys)
        if (Capturing && prefix.compare(5, strlen(above) + 1, above + std::string("\\")) == 0)
            TakeKey(Lasting, above);
    return RegFlushKey(key);
}

HRESULT WINAPI Locate(HWND, int folder, PIDLIST_ABSOLUTE* list)
{
    const std::string path = std::string("C:\\thundra-steps\\links\\") +
        (folder == CSIDL_COMMON_PROGRAMS || folder == CSIDL_COMMON_DESKTOPDIRECTORY ? "all" : "user") +
        (folder == CSIDL_COMMON_PROGRAMS || folder == CSIDL_PROGRAMS ? "\\programs" : "\\desktop");
    SHCreateDirectoryExA(nullptr, path.c_str(), nullptr);
    return (*list = ILCreateFromPathA(path.c_str())) != nullptr ? S_OK : E_FAIL;
}
// The user types the data folder once, and then takes what Setup proposes: the folder it has stored.
INT_PTR WINAPI TypePath(HINSTANCE, LPCSTR, HWND, DLGPROC, LPARAM path)
{
    if (Installed().compare(0, std::string::npos, reinterpret_cast<char*>(path), Installed().size()) == 0)
        strcpy(reinterpret_cast<char*>(path), Data);
    return IDOK;
}
// A run's boxes: whether one named a failure, and what it said at last.
bool Failed;
std::string Said;
int WINAPI Answer(HWND, LPCSTR text, LPCSTR, UINT style)
{
    Failed = Failed || (style & MB_ICONHAND) != 0;
    SaidCopied = SaidCopied || strcmp(text, "Files copied successfully") == 0;
    Said = text;
    return (style & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

struct Road {
    const char* what;
    bool uninstall, hardDisk, startMenu, desktop;
};

// A run of the road, then its verdict; a run that did not end as the road should named why, and one that said it
// succeeded did.
std::string Walk(const Road& road)
{
    Failed = SaidCopied = CancelRequested = false;
    Said.clear();
    Steps = 0;
    if (road.uninstall) {
        SetCurrentDirectoryA("C:\\");   // the stub's: no disc, and the list only in the data folder
        RunUninstall(GetModuleHandleA(nullptr), nullptr);
        SetCurrentDirectoryA(Disc.c_str());
    } else if (GetDataDir(InstallPath), RunChosenDiskUsage(nullptr, road.hardDisk)) {
        ReconcileShortcuts(road.startMenu, road.desktop);
    }
    const std::string verdict = Judge(Take(), road.startMenu, road.desktop), goal = road.hardDisk ? "whole" : "clean";
    EXPECT_TRUE(verdict == goal || Failed) << road.what << ": a failure not named";
    EXPECT_TRUE(Failed || (Said != "Files copied successfully" && Said != "Files removed") || verdict == goal)
        << road.what << ": " << Said << " when " << verdict;
    return verdict;
}

TEST_F(PlatformTest, WholeOrCleanAfterAKillAFailureOrAPowerCutAtEveryStep)
{
    EnterScratchFolder("thundra-disc");
    char here[MAX_PATH];
    Disc = std::string(here, GetCurrentDirectoryA(MAX_PATH, here)) + "\\";
    Listed = WriteDiscFiles(scratch_, {{"a.dat", "a.dat of the disc"}, {"common.res", "common.res of the disc"},
                                      {"b.dat", "b.dat of the disc"}});
    ASSERT_TRUE(Listed.size() == 4 && WriteTextFile(Launcher, std::string(4096, 'L')));
    CoInitialize(nullptr);
    SetupInstance = GetModuleHandleA(nullptr);
    std::tie(Sys.MessageBoxA, Sys.SHGetSpecialFolderLocation, Sys.DialogBoxParamA) =
        std::make_tuple(Answer, Locate, TypePath);
    std::tie(Sys.CreateFileA, Sys.WriteFile, Sys.FlushFileBuffers, Sys.CopyFileA, Sys.DeleteFileA, Sys.DeleteOpenFile,
        Sys.MoveFileExA) = std::make_tuple(Create, Write, Flush, Copy, Delete, DeleteOpen, Rename);
    std::tie(Sys.SetFileAttributesA, Sys.CreateDirectoryA, Sys.RemoveDirectoryA, Sys.SaveLink) =
        std::make_tuple(Attributes, MakeFolder, RemoveFolder, Save);
    std::tie(Sys.RegCreateKeyExA, Sys.RegSetValueExA, Sys.RegDeleteKeyA, Sys.RegFlushKey) =
        std::make_tuple(MakeKey, SetValue, DeleteKey, FlushKey);

    const Road install = {"a first install with both links", false, true, true, true},
               uninstall = {"the uninstall", true, false, false, false};
    Put({});
    ASSERT_EQ("whole", Walk(install));
    const Picture whole = Take();
    Picture cutShort, afterInUse;
    const std::pair<Road, const Picture*> roads[] = {
        // each with the picture it starts from
        {install, nullptr},
        {{"Setup again over a whole install", false, true, true, true}, &whole},
        {{"the hard disk after a cut-short install", false, true, true, true}, &cutShort},
        {{"Play from CD over a whole install", false, false, false, false}, &whole},
        {{"Play from CD over a cut-short install", false, false, false, false}, &cutShort},
        {{"a link box unticked", false, true, true, false}, &whole},
        {uninstall, &whole},
        {{"the uninstall again after a file in use", true, false, false, false}, &afterInUse},
    };
    for (const auto& [road, from] : roads) {
        const Picture start = from ? *from : Picture();
        Put(start);
        Lasting = Flushed = start;
        Record.clear();
        Capturing = true;
        Walk(road);
        Capturing = false;
        int held[3] = {};
        for (size_t step = 1; step <= Record.size(); ++step) {
            const Taken& at = Record[step - 1];
            if (getenv("THUNDRA_STEPS"))
                printf("  %zu %s\n", step, at.what.c_str());
            EXPECT_TRUE(!at.promised || DataWhole(at.cut))
                << road.what << ": said copied, and lost in a power cut at step " << step;
            for (int kind = 0; kind < 3; ++kind) {   // a kill, a failure, a power cut
                Put(kind == 0 ? at.kill : kind == 1 ? start : at.cut);
                FailAt = kind == 1 ? static_cast<int>(step) : 0;
                if (kind == 1) {
                    Walk(road);
                    const Picture after = Take();   // rolled back unless said copied: no listed file but as it was
                    for (const std::string& name : Listed)
                        EXPECT_TRUE(SaidCopied || !after.count(Data + name) ||
                            (start.count(Data + name) && start.at(Data + name) == after.at(Data + name)))
                            << road.what << ": left " << name << " failing at step " << step;
                }
                FailAt = 0;
                const std::string verdict = Walk(road);
                held[kind] += verdict != "between";
                EXPECT_NE("between", verdict) << road.what << ", "
                                              << (kind == 0          ? "killed"
                                                         : kind == 1 ? "failed"
                                                                     : "cut")
                                              << " at step " << step;
            }
        }
        printf("%s: %zu steps; whole or clean after a kill at %d, a failure at %d, a power cut at %d\n", road.what,
            Record.size(), held[0], held[1], held[2]);
        if (road.what == install.what) {
            cutShort = Record[Record.size() / 2].kill;
            // What makes it so: the list first, common.res last, named once every other file is on the disk.
            auto at = [](const std::string& what) {
                return std::find_if(Record.begin(), Record.end(), [&](const Taken& step) {
                    return step.what == what;
                }) - Record.begin();
            };
            for (const char* name : {"a.dat", "b.dat", "checksum.lst"})
                EXPECT_LT(
                    at(std::string("flush ") + Data + name), at(std::string("rename ") + Data + "common.res.part"))
                    << name;
            EXPECT_LT(at(std::string("create ") + Data + "checksum.lst"), at(std::string("create ") + Data + "a.dat"));
        }
        if (road.what == uninstall.what) {
            Put(whole);
            InUse = "b.dat";
            Walk(uninstall);
            afterInUse = Take();
            EXPECT_TRUE(afterInUse == whole) << "the uninstall went on past a file in use";
            InUse = "\x01";
        }
    }
    CoUninitialize();
    Put({});
}

} // namespace
