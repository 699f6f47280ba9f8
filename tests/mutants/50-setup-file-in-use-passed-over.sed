# a file that can't be deleted passed over
# file: setup/data_folder.cpp
202s/if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)/if (error != 0)/
