// The binding to one virtual drive product's control library.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "app/win_handles.h"
#include "drive/control_library.h"

struct VirtualDrive {
    int32_t type = 0;
    UniqueModule library;
    int32_t mountResult = 0; // also the flag word SetEmulations hands to the library
    int32_t lastResult = 0;  // the driver check's answer, later a device-count result
    int32_t emulationResult = 0;
    char versionText[32] = "N/A";
    char statusText[1000] = {};
    bool failed = false;
    FARPROC entryPoints[kControlOrdinalCount] = {};

    FARPROC EntryPoint(int ordinal) const { return entryPoints[ordinal - 1]; }

    // The entry point as the function it is; void(*)() is the generic
    // function type through which such casts are meant to go.
    template <typename Fn> Fn Call(int ordinal) const
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(EntryPoint(ordinal)));
    }
};

// The binding in use, program-wide; null when there is none.
extern std::unique_ptr<VirtualDrive> ActiveDrive;

// Finds, loads and checks the product's library. Always yields a drive,
// whose Failed and StatusText say whether and why it cannot be used.
std::unique_ptr<VirtualDrive> Bind(int type);

bool Failed(const VirtualDrive& drive);

// The status text without line ends at its end.
const char* StatusText(VirtualDrive& drive);

const char* ProductName(int type);
const char* ProductName(const VirtualDrive& drive);

void VersionText(const VirtualDrive& drive, char* buffer, size_t size);

void Unload(VirtualDrive& drive);

// Marks the drive failed with a text of the program's own.
void FailWithText(VirtualDrive& drive, const char* text);

// Appends a file name to a folder path; false, with the path unchanged, when
// the result would not fit.
bool AppendToPath(char (&path)[MAX_PATH], const char* tail);

// Where the Alcohol products are registered: the App Paths entry of
// Alcohol.exe under the local machine, its Path value their folder.
inline constexpr char kAlcoholAppPathKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Alcohol.exe";

// The Alcohol folder as registered, cleaned with UnquotePath: no quotes and
// no trailing backslash. Empty when the key or value is missing.
void ReadAlcoholFolder(char (&folder)[MAX_PATH]);
