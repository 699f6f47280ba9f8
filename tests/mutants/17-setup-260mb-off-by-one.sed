# the 260 MB threshold off by one unit (261 MB)
# file: setup/file_engine.cpp
25s/272629760/273678336/
