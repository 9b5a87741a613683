// The settings store under HKEY_CURRENT_USER\Software\Vireo. Every change is
// made as load, change, save; nothing waits unsaved in memory.
#pragma once

#include "settings/settings_record.h"

extern SettingsRecord Settings;

inline constexpr char kSettingsKey[] = "Software\\Vireo";
inline constexpr char kScriptIconKey[] = "VireoFile\\DefaultIcon";

// Replaces the whole record with what the registry holds, defaults for what
// it lacks. Registry failures leave the defaults and are not reported.
void LoadSettings();

// Writes the whole record back, fills in the program's own icons when none is
// set, and points the script file type's icon at the script icon.
void SaveSettings();
