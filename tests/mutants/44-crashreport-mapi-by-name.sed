# the mail library looked for by its name, beside the Launcher first
# file: crashreport/crash_report.cpp
22s/LoadSystemLibrary("mapi32.dll")/Sys.LoadLibraryA("mapi32.dll")/
