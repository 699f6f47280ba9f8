# the stub renamed to its name without a flush: a power cut leaves the name over nothing
# file: setup/shortcuts.cpp
240s/ FlushFileNamed(working) \&\&//
