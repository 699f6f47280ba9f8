# the uninstall entry written without its stub
# file: setup/shortcuts.cpp
296s/if (!FileExists(GetStubPath()) \&\& !CopyStub())/if (false)/
