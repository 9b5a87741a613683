#include "settings/settings_record.h"

#include <cstring>

void CompactRecent(char (&recent)[kRecentCount][kPathSize])
{
    // One pass moves every entry at most one place forward; as many passes as
    // entries close every gap.
    for (int pass = 0; pass < kRecentCount; ++pass) {
        for (int i = 0; i + 1 < kRecentCount; ++i) {
            if (recent[i][0] == '\0') {
                std::memcpy(recent[i], recent[i + 1], kPathSize);
                std::memset(recent[i + 1], 0, kPathSize);
            }
        }
    }
}
