# Play stopped by the abort flag of an earlier box
# file: launcher/launch.cpp
125{/AbortRequested = false;/d}
