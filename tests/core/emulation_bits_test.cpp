#include <gtest/gtest.h>

#include "drive/emulation_bits.h"

namespace {

TEST(ApplyEmulationChanges, MapsScriptBitsToProductBitsUnderTheMask)
{
    struct Case {
        uint32_t current, enable, change, expected;
    };
    const Case cases[] = {
        {0x000, 0x1F, 0x1F, 0x0C7},         // all on: RMPS is 0x40, ATIP 0x80
        {0xFFFFFFFF, 0x00, 0x1F, ~0xC7u},   // all off; every other product bit stays
        {0x0C1, 0x00, 0x00, 0x0C1},         // no change bit: nothing changes
        {0x000, 0x1F, 0x00, 0x000},         // enable bits without change bits are ignored
        {0x005, 0x02, 0x03, 0x006},         // Safedisc off, Securom on, Laserlock left
        {0x038, 0x08, 0x08, 0x078},         // RMPS on leaves product bits 0x8-0x20 alone
        {0x000, 0xFFFFFFE0, 0xFFFFFFE0, 0}, // script bits above 0x10 mean nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(ApplyEmulationChanges(c.current, c.enable, c.change), c.expected)
            << std::hex << c.current << " " << c.enable << " " << c.change;
}

} // namespace
