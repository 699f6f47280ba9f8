# the publisher key deleted with everything in it
# file: setup/product_key.cpp
33s/if (empty)/if (true)/
