# common.res written in the list's order, not last
# file: setup/file_engine.cpp
155s/if (FileRank(table\[i\].name) == rank)/if (rank == 0)/
