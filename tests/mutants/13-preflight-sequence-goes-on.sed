# the checks go on after one stopped the launch
# file: preflight/preflight.cpp
34s/return/continue/
