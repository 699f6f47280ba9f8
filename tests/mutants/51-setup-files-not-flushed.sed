# installed files not flushed before common.res takes its name
# file: setup/verified_copy.cpp
84s/    Sys.FlushFileBuffers(out);/    (void)out;/
