#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "settings/settings_record.h"

namespace {

using Entries = std::array<std::string, kRecentCount>;

Entries Compacted(const Entries& entries)
{
    char recent[kRecentCount][kPathSize] = {};
    for (int i = 0; i < kRecentCount; ++i)
        std::strncpy(recent[i], entries[i].c_str(), kPathSize - 1);
    CompactRecent(recent);
    Entries result;
    for (int i = 0; i < kRecentCount; ++i)
        result[i] = recent[i];
    return result;
}

TEST(CompactRecent, MovesEntriesForwardKeepingOrder)
{
    struct Case {
        Entries before, after;
    };
    const Case cases[] = {
        {{"", "a", "", "b"}, {"a", "b", "", ""}},   {{"a", "b", "c", "d"}, {"a", "b", "c", "d"}},
        {{"", "", "", "d"}, {"d", "", "", ""}},     {{"a", "", "c", ""}, {"a", "c", "", ""}},
        {{"", "b", "c", "d"}, {"b", "c", "d", ""}}, {{"", "", "", ""}, {"", "", "", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Compacted(c.before), c.after);
}

} // namespace
