# No to Abort installation? stops the install all the same
# file: setup/file_engine.cpp
147{/CancelRequested = false;/d}
