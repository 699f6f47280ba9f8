# exit code 3 gets the crash text, 7 the texture text
# file: program/launch.cpp
92s/case 3:/case 7:/
