#include "drive/emulation_bits.h"

namespace {

struct EmulationBit {
    uint32_t script;
    uint32_t product;
};

// Safedisc, Securom, Laserlock, RMPS, Hide Media Type (ATIP).
constexpr EmulationBit kEmulationBits[] = {{0x1, 0x1}, {0x2, 0x2}, {0x4, 0x4}, {0x8, 0x40}, {0x10, 0x80}};

} // namespace

uint32_t ApplyEmulationChanges(uint32_t productFlags, uint32_t enableMask, uint32_t changeMask)
{
    for (const EmulationBit& bit : kEmulationBits) {
        if (!(changeMask & bit.script))
            continue;
        if (enableMask & bit.script)
            productFlags |= bit.product;
        else
            productFlags &= ~bit.product;
    }
    return productFlags;
}
