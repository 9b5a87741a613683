// The eight item kinds. Their names are what script files carry, their icon
// ids the toolbar and list icons, their pane templates the detail dialogs.
#pragma once

#include <string>

enum ItemKind {
    kKindScriptInfo = 0,
    kKindMount,
    kKindUnMount,
    kKindDeviceCount,
    kKindEmulations,
    kKindRunApp,
    kKindDelay,
    kKindWaitForApp,
    kItemKindCount,
    kKindUnknown = -1,
};

struct ItemKindEntry {
    const char* name;
    int iconId;
    int paneTemplate;
};

inline constexpr ItemKindEntry ItemKindTable[kItemKindCount] = {
    {"Script Info", 180, 200}, {"Mount", 181, 201},  {"UnMount", 182, 202}, {"DeviceCount", 183, 203},
    {"Emulations", 184, 204},  {"RunApp", 185, 205}, {"Delay", 186, 206},   {"WaitForApp", 187, 207},
};

// The kind whose name matches without regard to case, or kKindUnknown.
ItemKind FindItemKind(const std::string& name);
