# Play stopped by the abort flag of an earlier box
# file: program/launch.cpp
123{/AbortRequested = false;/d}
