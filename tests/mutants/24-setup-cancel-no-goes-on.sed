# No to Abort installation? stops the install all the same
# file: setup/file_engine.cpp
139{/CancelRequested = false;/d}
