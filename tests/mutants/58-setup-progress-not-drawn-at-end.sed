# the progress dialog is left as its last frame showed it, short of the end
# file: setup/file_engine.cpp
159s/^    DrawProgress();$/    (void)0;/
