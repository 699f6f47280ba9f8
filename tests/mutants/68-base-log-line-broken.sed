# a box's line breaks split its line in the log
# file: base/run_log.cpp
37s/ == '\\n' ? ' ' : \*at;/;/
