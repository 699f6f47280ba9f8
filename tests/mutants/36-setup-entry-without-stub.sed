# the uninstall entry written without its stub
# file: setup/shortcuts.cpp
284s/if (!FileExists(GetStubPath()) \&\& !CopyStub())/if (false)/
