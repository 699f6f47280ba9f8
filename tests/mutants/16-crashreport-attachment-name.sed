# the log attached without its path
# file: crashreport/crash_report.cpp
45s/const_cast<char\*>(GetLogPath())/logFileName/
