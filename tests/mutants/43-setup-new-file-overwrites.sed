# an installed file written over whatever its name leads to
# file: setup/data_folder.cpp
202s/CREATE_NEW, refused/CREATE_ALWAYS, refused/
