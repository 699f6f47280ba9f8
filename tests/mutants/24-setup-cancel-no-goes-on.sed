# No to Abort installation? stops the install all the same
# file: setup/file_engine.cpp
143{/CancelRequested = false;/d}
