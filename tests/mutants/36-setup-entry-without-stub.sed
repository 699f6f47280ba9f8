# the uninstall entry written without its stub
# file: setup/shortcuts.cpp
319s/if (!FileExists(GetStubPath()) \&\& !CopyStub())/if (false)/
