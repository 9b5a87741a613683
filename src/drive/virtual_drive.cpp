#include "drive/virtual_drive.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "about/program_version.h"
#include "app/command_line.h"
#include "drive/drive_operations.h"
#include "script/script_header.h"

std::unique_ptr<VirtualDrive> ActiveDrive;

namespace {

// Status texts of binding; %s is the product name.
constexpr char kLocked[] = "%s Virtual Drives are locked.";
constexpr char kNotInstalled[] = "%s is not installed.";
constexpr char kTooOld[] = "You are using an old version of %s. Please update to the latest version.";
constexpr char kMalfunctioning[] = "%s is malfunctioning or is locked.";
constexpr char kNoDriver[] = "No driver installed (try reinstalling %s or rebooting)";
constexpr char kDriverMismatch[] = "Driver version mismatch (try reinstalling %s or rebooting)";

constexpr int kDriverMissing = -1;
constexpr int kDriverVersionMismatch = -2;

void Fail(VirtualDrive& drive, const char* format)
{
    drive.failed = true;
    std::snprintf(drive.statusText, sizeof drive.statusText, format, ProductName(drive));
}

// Leaves the version text as it is when the file has no version resource.
void ReadVersionText(VirtualDrive& drive, const char* path)
{
    if (std::optional<FileVersion> version = ReadFileVersion(path))
        std::snprintf(drive.versionText, sizeof drive.versionText, "%i.%i.%i.%i", version->major, version->minor,
                      version->build, version->revision);
}

bool EndsWithNoCase(const char* text, const char* suffix)
{
    size_t length = std::strlen(text);
    size_t suffixLength = std::strlen(suffix);
    return length >= suffixLength && lstrcmpiA(text + length - suffixLength, suffix) == 0;
}

// A DAEMON Tools library that exists but cannot be loaded is held by the
// product itself: its drives are locked. Only the Windows directory is
// looked at, which is where the product keeps it.
bool DaemonLibraryIsLocked()
{
    char path[MAX_PATH] = {};
    if (GetWindowsDirectoryA(path, MAX_PATH) == 0 || !AppendToPath(path, "\\daemon.dll"))
        return false;
    UniqueFile file(CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

bool LoadDaemonLibrary(VirtualDrive& drive)
{
    drive.library.reset(LoadLibraryA("daemon.dll"));
    if (!drive.library) {
        Fail(drive, DaemonLibraryIsLocked() ? kLocked : kNotInstalled);
        return false;
    }
    char path[MAX_PATH] = {};
    if (GetModuleFileNameA(drive.library.get(), path, MAX_PATH))
        ReadVersionText(drive, path);
    return true;
}

bool LoadAlcoholLibrary(VirtualDrive& drive)
{
    const char* productFolder = drive.type == kProductAlcohol120 ? "Alcohol 120" : "Alcohol 52";
    char path[MAX_PATH];
    ReadAlcoholFolder(path);
    if (!EndsWithNoCase(path, productFolder) || !AppendToPath(path, "\\alcoholx.dll")) {
        Fail(drive, kNotInstalled);
        return false;
    }
    ReadVersionText(drive, path);
    drive.library.reset(LoadLibraryA(path));
    if (!drive.library) {
        Fail(drive, kNotInstalled);
        return false;
    }
    // alcohol.exe beside the library carries the product's own version.
    std::memcpy(path + std::strlen(path) - std::strlen("x.dll"), ".exe", sizeof ".exe");
    ReadVersionText(drive, path);
    return true;
}

bool FetchEntryPoints(VirtualDrive& drive)
{
    bool complete = true;
    for (int ordinal = 1; ordinal <= kControlOrdinalCount; ++ordinal) {
        drive.entryPoints[ordinal - 1] = GetProcAddress(drive.library.get(), MAKEINTRESOURCEA(ordinal));
        complete = complete && drive.entryPoints[ordinal - 1];
    }
    if (complete)
        return true;
    // Ordinal 13 came with the current interface: a library that has the
    // first ordinal but not that one is an old release, not a broken one.
    bool old = drive.EntryPoint(kOrdinalDriverCheck) && !drive.EntryPoint(kOrdinalVersionMark);
    Fail(drive, old ? kTooOld : kMalfunctioning);
    return false;
}

void CheckDriver(VirtualDrive& drive)
{
    drive.lastResult = drive.Call<DriverCheckFn>(kOrdinalDriverCheck)();
    if (drive.lastResult == kDriverMissing)
        Fail(drive, kNoDriver);
    else if (drive.lastResult == kDriverVersionMismatch)
        Fail(drive, kDriverMismatch);
}

} // namespace

void ReadAlcoholFolder(char (&folder)[MAX_PATH])
{
    std::memset(folder, 0, MAX_PATH);
    UniqueKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kAlcoholAppPathKey, 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
        DWORD size = MAX_PATH - 1; // leaves the last byte as the terminator
        if (RegQueryValueExA(key.get(), "Path", nullptr, nullptr, reinterpret_cast<BYTE*>(folder), &size) !=
            ERROR_SUCCESS)
            std::memset(folder, 0, MAX_PATH);
    }
    UnquotePath(folder);
}

std::unique_ptr<VirtualDrive> Bind(int type)
{
    auto drive = std::make_unique<VirtualDrive>();
    drive->type = type;
    bool loaded = false;
    switch (type) {
    case kProductDaemonTools:
        loaded = LoadDaemonLibrary(*drive);
        break;
    case kProductAlcohol120:
    case kProductAlcohol52:
        loaded = LoadAlcoholLibrary(*drive);
        break;
    default:
        SetStatusFromCode(*drive, kStatusInvalidProduct, false);
        break;
    }
    if (loaded && FetchEntryPoints(*drive))
        CheckDriver(*drive);
    return drive;
}

bool Failed(const VirtualDrive& drive)
{
    return drive.failed;
}

const char* StatusText(VirtualDrive& drive)
{
    // Message tables end their texts with a line break, which a message box
    // would only show as a stray empty line.
    size_t length = std::strlen(drive.statusText);
    while (length > 0 && (drive.statusText[length - 1] == '\n' || drive.statusText[length - 1] == '\r'))
        drive.statusText[--length] = '\0';
    return drive.statusText;
}

const char* ProductName(int type)
{
    switch (type) {
    case kProductAlcohol120:
        return "Alcohol 120%";
    case kProductDaemonTools:
        return "DAEMON Tools";
    case kProductAlcohol52:
        return "Alcohol 52%";
    default:
        return "Unknown";
    }
}

const char* ProductName(const VirtualDrive& drive)
{
    return ProductName(drive.type);
}

void VersionText(const VirtualDrive& drive, char* buffer, size_t size)
{
    lstrcpynA(buffer, drive.versionText, static_cast<int>(size));
}

void Unload(VirtualDrive& drive)
{
    drive.library.reset();
}

void FailWithText(VirtualDrive& drive, const char* text)
{
    drive.failed = true;
    lstrcpynA(drive.statusText, text, sizeof drive.statusText);
}

bool AppendToPath(char (&path)[MAX_PATH], const char* tail)
{
    if (std::strlen(path) + std::strlen(tail) >= MAX_PATH)
        return false;
    lstrcatA(path, tail);
    return true;
}
