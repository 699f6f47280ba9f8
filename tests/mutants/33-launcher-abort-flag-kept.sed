# Play stopped by the abort flag of an earlier box
# file: launcher/launch.cpp
124{/AbortRequested = false;/d}
