// Names that tie the Launcher to its one product. Everything here is fixed at
// build time; nothing is read from the disc or the registry.
#pragma once

constexpr char ProductName[] = "Thundra";
constexpr char PublisherName[] = "Orvane";

// The game creates this semaphore while it runs; the Launcher holds the other
// one for its whole run so that a second Launcher stays quiet.
constexpr char GameSemaphoreName[] = "Thundra";
constexpr char LauncherSemaphoreName[] = "Thundra Canary";
constexpr char GameWindowClass[] = "Thundra Window";
constexpr char GameWindowTitle[] = "Thundra";

// Registry, all under HKEY_LOCAL_MACHINE.
constexpr char ProductKey[] = "Software\\Orvane\\Thundra";
constexpr char DataDirectoryValue[] = "DataDirectory";
constexpr char WindowsCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char ProgramFilesValue[] = "ProgramFilesDir";
constexpr char FallbackProgramFilesDir[] = "c:\\program files\\";
constexpr char InstallSubPath[] = "Orvane\\Thundra\\";
constexpr char DataSubDir[] = "Data\\";

// Where crash reports go; the reserved .example domain until the publisher
// names its real mailbox.
constexpr char BugReportAddress[] = "thundra-bugs@ostro.example";

// The product's web site, opened by the menu's link; the reserved .example
// domain until the publisher names its real site.
constexpr char WebSiteAddress[] = "http://www.thundra.example/";

// Files of the disc, found relative to the Launcher's own directory.
constexpr char AutorunMarker[] = "autorun.inf";
constexpr char DiscLauncherName[] = "Thundra.exe";
constexpr char RunDirectorySuffix[] = "\\Run";
constexpr char NormalGameImage[] = "race.bin";
constexpr char SafeGameImage[] = "debug.bin";
constexpr char PatchGameImage[] = "patch.bin";
constexpr char TempGameImage[] = "thun.bin";
constexpr char GameLogName[] = "thun.log";
// What Setup writes carries this after its name until it is whole.
constexpr char PartialSuffix[] = ".part";
constexpr char NotesCommand[] = "notepad.exe run\\readme.txt";
constexpr char DriverTableFile[] = "./run/drivers.dat";
constexpr char DirectXSetupLibrary[] = "redist\\directx7\\dsetup.dll";
constexpr char DirectXSetupFolder[] = "redist\\directx7";

// Switches of the Launcher's own command line; the rest goes to the game.
constexpr char UninstallSwitch[] = "-uninstall";
constexpr char AutoplaySwitch[] = "-autoplay";
constexpr char NoAutoplaySwitch[] = "-noautoplay";
constexpr char No3dfxSwitch[] = "-no3dfx";
constexpr char SafeSwitch[] = "-safe";
// Opens Setup without the menu.
constexpr char SetupSwitch[] = "-setup";
// Setup and the uninstall with nobody at the keyboard.
constexpr char SilentSwitch[] = "-silent";
// Given to the copy started with an administrator's rights besides its
// action's switches: it runs the action, and never asks again (with the
// prompt turned off, runas starts it unelevated).
constexpr char ElevatedSwitch[] = "-elevated";

// Buffer sizes shared by every part of the Launcher.
constexpr unsigned PathSize = 260;          // MAX_PATH, terminator included
constexpr unsigned MessageSize = 256;       // a message box text, terminator included
constexpr unsigned CommandLineSize = 512;   // the command-line copy, terminator included
