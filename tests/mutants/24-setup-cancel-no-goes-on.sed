# No to Abort installation? stops the install all the same
# file: setup/file_engine.cpp
141{/CancelRequested = false;/d}
