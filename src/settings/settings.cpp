#include "settings/settings.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/win_handles.h"

SettingsRecord Settings;

namespace {

UniqueKey OpenOrCreateKey(HKEY root, const char* path)
{
    UniqueKey key;
    RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, key.put(), nullptr);
    return key;
}

// Reads a text value into a field that must stay terminated whatever the
// registry holds: a value too long for the field is taken as missing.
void ReadText(HKEY key, const char* name, char (&field)[kPathSize])
{
    DWORD size = kPathSize;
    LONG result = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(field), &size);
    if (result != ERROR_SUCCESS)
        std::memset(field, 0, kPathSize);
    field[kPathSize - 1] = '\0';
}

// Takes the stored bytes as they come, whatever their type; a failed read
// leaves the field as it was.
template <typename Number> bool ReadNumber(HKEY key, const char* name, Number& field)
{
    static_assert(sizeof(Number) == 4);
    Number value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return false;
    field = value;
    return true;
}

void WriteText(HKEY key, const char* name, const char* text)
{
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), static_cast<DWORD>(std::strlen(text)));
}

template <typename Number> void WriteNumber(HKEY key, const char* name, Number value)
{
    static_assert(sizeof(Number) == 4);
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void RecentValueName(int index, char (&name)[16])
{
    std::snprintf(name, sizeof name, "Recent%d", index + 1);
}

struct FolderValue {
    const char* name;
    char (*field)[kPathSize];
};

const FolderValue kFolderValues[] = {
    {"SavePath", &Settings.SavePath},
    {"LoadPath", &Settings.LoadPath},
    {"ImagePath", &Settings.ImagePath},
    {"ExecutablePath", &Settings.ExecutablePath},
};

} // namespace

void LoadSettings()
{
    std::memset(&Settings, 0, sizeof Settings);
    UniqueKey key = OpenOrCreateKey(HKEY_CURRENT_USER, kSettingsKey);

    for (const FolderValue& folder : kFolderValues) {
        ReadText(key.get(), folder.name, *folder.field);
        if ((*folder.field)[0] == '\0')
            GetCurrentDirectoryA(kPathSize, *folder.field);
    }

    for (int i = 0; i < kRecentCount; ++i) {
        char name[16];
        RecentValueName(i, name);
        ReadText(key.get(), name, Settings.Recent[i]);
    }
    CompactRecent(Settings.Recent);

    if (!ReadNumber(key.get(), "AutorunDelay", Settings.AutorunDelay))
        Settings.AutorunDelay = kDefaultAutorunDelay;

    ReadText(key.get(), "MainIcon", Settings.MainIcon);
    ReadNumber(key.get(), "MainIconIndex", Settings.MainIconIndex);
    ReadText(key.get(), "ScriptIcon", Settings.ScriptIcon);
    ReadNumber(key.get(), "ScriptIconIndex", Settings.ScriptIconIndex);
    ReadNumber(key.get(), "ImageCompat", Settings.ImageCompat);
    ReadNumber(key.get(), "AutorunCompat", Settings.AutorunCompat);
    ReadNumber(key.get(), "LastVirtualType", Settings.LastVirtualType);
}

void SaveSettings()
{
    UniqueKey key = OpenOrCreateKey(HKEY_CURRENT_USER, kSettingsKey);

    for (const FolderValue& folder : kFolderValues)
        WriteText(key.get(), folder.name, *folder.field);

    for (int i = 0; i < kRecentCount; ++i) {
        char name[16];
        RecentValueName(i, name);
        RegDeleteValueA(key.get(), name);
    }
    CompactRecent(Settings.Recent);
    for (int i = 0; i < kRecentCount; ++i) {
        char name[16];
        RecentValueName(i, name);
        WriteText(key.get(), name, Settings.Recent[i]);
    }

    // The first two icons of the program file are the defaults.
    if (Settings.MainIcon[0] == '\0') {
        GetModuleFileNameA(nullptr, Settings.MainIcon, kPathSize);
        std::memcpy(Settings.ScriptIcon, Settings.MainIcon, kPathSize);
        Settings.MainIconIndex = 0;
        Settings.ScriptIconIndex = 1;
    }

    WriteText(key.get(), "MainIcon", Settings.MainIcon);
    WriteNumber(key.get(), "MainIconIndex", Settings.MainIconIndex);
    WriteText(key.get(), "ScriptIcon", Settings.ScriptIcon);
    WriteNumber(key.get(), "ScriptIconIndex", Settings.ScriptIconIndex);
    WriteNumber(key.get(), "AutorunDelay", Settings.AutorunDelay);
    WriteNumber(key.get(), "ImageCompat", Settings.ImageCompat);
    WriteNumber(key.get(), "AutorunCompat", Settings.AutorunCompat);
    WriteNumber(key.get(), "LastVirtualType", Settings.LastVirtualType);

    UniqueKey iconKey = OpenOrCreateKey(HKEY_CLASSES_ROOT, kScriptIconKey);
    char iconValue[kPathSize + 16];
    std::snprintf(iconValue, sizeof iconValue, "%s,%d", Settings.ScriptIcon, Settings.ScriptIconIndex);
    WriteText(iconKey.get(), nullptr, iconValue);
}
