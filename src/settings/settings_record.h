// The persisted user settings as the program holds them while it runs.
#pragma once

#include <cstdint>

constexpr int kPathSize = 260;
constexpr int kRecentCount = 4;
constexpr uint32_t kDefaultAutorunDelay = 2000;

struct SettingsRecord {
    char SavePath[kPathSize];
    char LoadPath[kPathSize];
    char ImagePath[kPathSize];
    char ExecutablePath[kPathSize];
    char Recent[kRecentCount][kPathSize]; // Recent[0] is the newest
    uint32_t AutorunDelay;                // milliseconds
    char MainIcon[kPathSize];
    int32_t MainIconIndex;
    char ScriptIcon[kPathSize];
    int32_t ScriptIconIndex;
    uint32_t ImageCompat;
    uint32_t AutorunCompat;
    int32_t LastVirtualType;
};

// Moves the non-empty recent entries to the front, keeping their order.
void CompactRecent(char (&recent)[kRecentCount][kPathSize]);
