# the title no longer names the file being copied
# file: setup/progress.cpp
40s/if (FileName != nullptr \&\&/if (FileName == nullptr \&\&/
