#include "drive/drive_operations.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "drive/emulation_bits.h"
#include "script/script_header.h"

namespace {

// Every virtual device is of this kind when the device count changes.
constexpr int32_t kDeviceKind = 5;
// The last Alcohol release whose result texts sit in a message table.
constexpr int kLastMessageTableAlcohol = 104006;

constexpr char kNegativeDeviceCount[] = "The number of devices cannot be negative.";

void ClearStatus(VirtualDrive& drive)
{
    drive.failed = false;
    drive.statusText[0] = '\0';
}

const char* FixedStatusText(int32_t code)
{
    switch (code) {
    case kStatusInvalidParameterCount:
        return "Invalid parameter count.";
    case kStatusInvalidProduct:
        return "Invalid Virtual DVD-ROM Value.";
    case kStatusNoToolhelp:
        return "The Toolhelp components could not be loaded.\nAs a result, the WaitForApp command will not work.";
    default:
        return nullptr;
    }
}

void SystemText(VirtualDrive& drive, int32_t code)
{
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(code), 0,
                   drive.statusText, sizeof drive.statusText, nullptr);
    size_t length = std::strlen(drive.statusText);
    if (length > 2 && drive.statusText[length - 2] == '\r')
        drive.statusText[length - 2] = '\0';
}

HMODULE TextModule(const VirtualDrive& drive, HMODULE module)
{
    drive.Call<TextModuleFn>(kOrdinalTextModule)(0, &module);
    return module;
}

void MessageTableText(VirtualDrive& drive, int32_t code, DWORD extraFlags)
{
    HMODULE module = TextModule(drive, nullptr);
    FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS | extraFlags, module,
                   static_cast<DWORD>(code), 0, drive.statusText, sizeof drive.statusText, nullptr);
}

// Newer Alcohol releases keep their result texts as string resources of the
// shell extension beside the library. Loading it only as an image is
// enough for its resources and runs none of its code.
void ShellExtensionText(VirtualDrive& drive, int32_t code)
{
    char path[MAX_PATH];
    ReadAlcoholFolder(path);
    if (!AppendToPath(path, "\\AXShlEx.dll"))
        return;
    UniqueModule shellExtension(LoadLibraryExA(path, nullptr, DONT_RESOLVE_DLL_REFERENCES));
    if (!shellExtension)
        return;
    HMODULE module = TextModule(drive, shellExtension.get());
    module = TextModule(drive, module);
    LoadStringA(module, static_cast<UINT>(code), drive.statusText, sizeof drive.statusText);
}

void LibraryText(VirtualDrive& drive, int32_t code)
{
    switch (drive.type) {
    case kProductDaemonTools:
        MessageTableText(drive, code, FORMAT_MESSAGE_FROM_SYSTEM);
        break;
    case kProductAlcohol120:
    case kProductAlcohol52: {
        ScriptVersion version = ParseDottedVersion(drive.versionText);
        if (VersionKey(version.major, version.minor, version.build) <= kLastMessageTableAlcohol)
            MessageTableText(drive, code, 0);
        else
            ShellExtensionText(drive, code);
        break;
    }
    }
}

} // namespace

void SetStatusFromCode(VirtualDrive& drive, int32_t code, bool fromLibrary)
{
    drive.statusText[0] = '\0';
    drive.failed = code != 0;
    if (const char* fixed = FixedStatusText(code)) {
        lstrcpynA(drive.statusText, fixed, sizeof drive.statusText);
        return;
    }
    if (fromLibrary)
        LibraryText(drive, code);
    else
        SystemText(drive, code);
}

void MountImage(VirtualDrive& drive, int device, const char* imagePath)
{
    if (!IsProductType(drive.type))
        return;
    drive.mountResult = drive.Call<MountFn>(kOrdinalMount)(device, imagePath);
    SetStatusFromCode(drive, drive.mountResult, true);
}

void UnmountDevice(VirtualDrive& drive, int device)
{
    MountImage(drive, device, "");
}

void SetEmulations(VirtualDrive& drive, uint32_t enableMask, uint32_t changeMask)
{
    if (!IsProductType(drive.type))
        return;
    ClearStatus(drive);
    drive.mountResult = 0;
    drive.Call<EmulationFlagsFn>(kOrdinalGetEmulations)(&drive.mountResult);
    drive.mountResult =
        static_cast<int32_t>(ApplyEmulationChanges(static_cast<uint32_t>(drive.mountResult), enableMask, changeMask));
    drive.emulationResult = drive.Call<EmulationFlagsFn>(kOrdinalSetEmulations)(&drive.mountResult);
    SetStatusFromCode(drive, drive.emulationResult, true);
}

void SetDeviceCount(VirtualDrive& drive, int count)
{
    if (!IsProductType(drive.type))
        return;
    ClearStatus(drive);
    if (count < 0) {
        FailWithText(drive, kNegativeDeviceCount);
        return;
    }
    std::vector<int32_t> countAndKinds;
    try {
        countAndKinds.assign(static_cast<size_t>(count) + 1, kDeviceKind);
    } catch (const std::bad_alloc&) {
        SetStatusFromCode(drive, ERROR_NOT_ENOUGH_MEMORY, false);
        return;
    }
    countAndKinds[0] = count;
    drive.lastResult = drive.Call<SetDevicesFn>(kOrdinalSetDevices)(countAndKinds.data());
    SetStatusFromCode(drive, drive.lastResult, true);
}
