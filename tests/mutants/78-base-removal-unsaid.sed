# a file or folder of the game's that stays after its removal not said
# file: base/run_log.cpp
94s/if (say)/if (!say)/
