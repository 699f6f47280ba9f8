# an empty data folder a removal left is kept, and never removed
# file: setup/remove_mode.cpp
72s/        if (!RemoveDirectoryChain(directory, 1))/        if (false)/
