# DataDirectory not flushed: a power cut loses the folder the install went to
# file: setup/file_engine.cpp
77s/    Sys.RegFlushKey(key);/    (void)key;/
