# the log attached without its path
# file: crashreport/crash_report.cpp
46s/const_cast<char\*>(GetLogPath())/logFileName/
