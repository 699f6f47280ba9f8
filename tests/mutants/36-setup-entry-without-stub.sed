# the uninstall entry written without its stub
# file: setup/shortcuts.cpp
256s/if (!FileExists(GetStubPath()) \&\& !CopyStub())/if (false)/
