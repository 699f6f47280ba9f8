# the uninstall entry written without its stub
# file: setup/shortcuts.cpp
320s/if (!FileExists(GetStubPath()) \&\& !CopyStub())/if (false)/
