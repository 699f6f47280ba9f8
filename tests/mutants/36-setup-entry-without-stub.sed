# the uninstall entry written without its stub
# file: setup/shortcuts.cpp
291s/if (!FileExists(GetStubPath()) \&\& !CopyStub())/if (false)/
