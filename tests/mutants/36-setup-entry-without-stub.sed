# the uninstall entry written without its stub
# file: setup/shortcuts.cpp
304s/if (!FileExists(GetStubPath()) \&\& !CopyStub())/if (false)/
