# exit code 3 gets the crash text, 7 the texture text
# file: launcher/launch.cpp
94s/case 3:/case 7:/
