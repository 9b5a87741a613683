// Emulation switches: the bits a script carries and the bits of the
// product's flag word.
#pragma once

#include <cstdint>

// Applies the script's wanted switches to the product's current flag word:
// every switch whose script bit is set in the change mask is set or cleared
// as the enable mask says; all other bits of the word keep their state.
uint32_t ApplyEmulationChanges(uint32_t productFlags, uint32_t enableMask, uint32_t changeMask);
