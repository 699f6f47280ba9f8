# the log placed inside the mail's text
# file: crashreport/crash_report.cpp
45s/attachment.nPosition = static_cast<ULONG>(-1);/attachment.nPosition = 0;/
