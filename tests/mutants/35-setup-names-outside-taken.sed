# a list name that climbs out of the data directory taken
# file: setup/checksum_list_reader.cpp
102s/if (!StaysInsideFolder(entry.name)) {/if (false) {/
