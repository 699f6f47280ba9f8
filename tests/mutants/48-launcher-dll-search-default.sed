# the DLL search of the process left looking beside the program
# file: launcher/dll_search.cpp
16s/LOAD_LIBRARY_SEARCH_SYSTEM32/LOAD_LIBRARY_SEARCH_DEFAULT_DIRS/
