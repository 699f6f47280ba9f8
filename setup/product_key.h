#pragma once

// Deletes the product's registry key and the publisher key above it, as far
// as they hold nothing else; false, said, when one that should go stays.
bool DeleteProductKey();
