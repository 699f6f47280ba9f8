# common.res written in the list's order, not last
# file: setup/file_engine.cpp
157s/if (IsInstalledMarker(table\[i\].name) == (pass == 1))/if (pass == 0)/
