# a box's line breaks split its line in the log
# file: base/run_log.cpp
36s/ == '\\n' ? ' ' : \*at;/;/
