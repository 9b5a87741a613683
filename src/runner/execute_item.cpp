#include "runner/execute_item.h"

#include <windows.h>
#include <shellapi.h>
#include <tlhelp32.h>

#include <cstring>
#include <ctime>
#include <optional>

#include "app/app_state.h"
#include "drive/drive_operations.h"
#include "drive/virtual_drive.h"
#include "editor/message_text.h"
#include "runner/runner.h"
#include "runner/tray.h"
#include "script/item_kinds.h"
#include "settings/settings.h"

namespace {

constexpr char kUnknownItemReason[] = "Invalid or unknown script item.";
constexpr char kNegativeDelay[] = "The delay cannot be negative.";
constexpr char kPolicyKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
constexpr char kNoDriveAutoRun[] = "NoDriveAutoRun";
constexpr char kNoDriveTypeAutoRun[] = "NoDriveTypeAutoRun";
constexpr DWORD kAllDriveLetters = 0x3FFFFFF;
constexpr DWORD kCdRomDrives = 0x20;
constexpr DWORD kWaitPoll = 100;
constexpr int kWaitUntilRunning = 1;

constexpr int kFieldCounts[kItemKindCount] = {
    -1, // Script Info: any
    3,  // Mount
    1,  // UnMount
    1,  // DeviceCount
    2,  // Emulations
    3,  // RunApp
    1,  // Delay
    3,  // WaitForApp
};

// A field read as an integer literal; an unreadable one counts as 0.
int Number(const ScriptFields& fields, size_t index)
{
    return ScanInteger(fields[index]).value_or(0);
}

// The Explorer autorun policy as it was before a Mount changed it.
struct SavedAutorunPolicy {
    UniqueKey key;
    DWORD noDriveAutoRun = 0;
    DWORD noDriveTypeAutoRun = 0;
};

DWORD ReadPolicyValue(HKEY key, const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        value = 0;
    return value;
}

void WritePolicyValue(HKEY key, const char* name, DWORD value)
{
    RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

// Tells Explorer to read the policy again, waiting for it at most the
// autorun delay.
void BroadcastPolicyChange()
{
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("Policy"), SMTO_BLOCK,
                        Settings.AutorunDelay, nullptr);
}

SavedAutorunPolicy SetAutorunPolicy(bool allowAutorun)
{
    SavedAutorunPolicy saved;
    RegCreateKeyExA(HKEY_CURRENT_USER, kPolicyKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                    saved.key.put(), nullptr);
    saved.noDriveAutoRun = ReadPolicyValue(saved.key.get(), kNoDriveAutoRun);
    saved.noDriveTypeAutoRun = ReadPolicyValue(saved.key.get(), kNoDriveTypeAutoRun);
    WritePolicyValue(saved.key.get(), kNoDriveAutoRun, allowAutorun ? 0 : kAllDriveLetters);
    WritePolicyValue(saved.key.get(), kNoDriveTypeAutoRun, allowAutorun ? 0 : kCdRomDrives);
    BroadcastPolicyChange();
    return saved;
}

void RestoreAutorunPolicy(SavedAutorunPolicy& saved)
{
    WritePolicyValue(saved.key.get(), kNoDriveAutoRun, saved.noDriveAutoRun);
    WritePolicyValue(saved.key.get(), kNoDriveTypeAutoRun, saved.noDriveTypeAutoRun);
    BroadcastPolicyChange();
    saved.key.reset();
}

// The waits give Explorer time to take in the policy before the disc
// arrives, and to see the disc before the policy goes back.
void Mount(VirtualDrive& drive, const ScriptFields& fields)
{
    int device = Number(fields, 1);
    bool allowAutorun = Number(fields, 2) != 0;
    std::optional<SavedAutorunPolicy> saved;
    if (!Settings.AutorunCompat)
        saved = SetAutorunPolicy(allowAutorun);
    PausableSleep(Settings.AutorunDelay);
    MountImage(drive, device, fields[0].c_str());
    PausableSleep(Settings.AutorunDelay);
    if (saved)
        RestoreAutorunPolicy(*saved);
}

// Without a startup directory the program starts in its own folder; a bare
// file name has none, and the program then inherits the runner's.
std::string StartupDirectory(const ScriptFields& fields)
{
    if (!fields[2].empty())
        return fields[2];
    size_t lastBackslash = fields[0].rfind('\\');
    return lastBackslash == std::string::npos ? std::string() : fields[0].substr(0, lastBackslash);
}

void RunApp(VirtualDrive& drive, const ScriptFields& fields)
{
    std::string directory = StartupDirectory(fields);
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_DOENVSUBST | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = fields[0].c_str();
    info.lpParameters = fields[1].c_str();
    info.lpDirectory = directory.empty() ? nullptr : directory.c_str();
    info.nShow = SW_SHOW;
    if (!ShellExecuteExA(&info))
        SetStatusFromCode(drive, static_cast<int32_t>(GetLastError()), false);
}

void Delay(VirtualDrive& drive, const ScriptFields& fields)
{
    int milliseconds = Number(fields, 0);
    if (milliseconds < 0) {
        FailWithText(drive, kNegativeDelay);
        return;
    }
    PausableSleep(static_cast<DWORD>(milliseconds));
}

// The calendar clock, so that time spent paused counts towards a time-out.
bool TimedOut(int timeoutSeconds, time_t start)
{
    return timeoutSeconds != 0 && difftime(time(nullptr), start) >= static_cast<unsigned>(timeoutSeconds);
}

void WaitForApp(const ScriptFields& fields)
{
    const char* name = fields[0].c_str();
    int timeoutSeconds = Number(fields, 1);
    bool untilRunning = Number(fields, 2) == kWaitUntilRunning;
    time_t start = time(nullptr);
    while ((FindProcessByName(name) != 0) != untilRunning) {
        if (TimedOut(timeoutSeconds, start))
            return;
        PausableSleep(kWaitPoll);
    }
}

void Execute(ItemKind kind, VirtualDrive& drive, const ScriptFields& fields)
{
    switch (kind) {
    case kKindMount:
        Mount(drive, fields);
        break;
    case kKindUnMount:
        UnmountDevice(drive, Number(fields, 0));
        break;
    case kKindDeviceCount:
        SetDeviceCount(drive, Number(fields, 0));
        break;
    case kKindEmulations:
        SetEmulations(drive, static_cast<uint32_t>(Number(fields, 1)), static_cast<uint32_t>(Number(fields, 0)));
        break;
    case kKindRunApp:
        RunApp(drive, fields);
        break;
    case kKindDelay:
        Delay(drive, fields);
        break;
    case kKindWaitForApp:
        WaitForApp(fields);
        break;
    default:
        break;
    }
}

bool FieldCountFits(ItemKind kind, const ScriptFields& fields)
{
    return kFieldCounts[kind] < 0 || static_cast<size_t>(kFieldCounts[kind]) == fields.size();
}

bool HasProcessSnapshots()
{
    return CreateToolhelp32SnapshotEntry && Process32NextEntry;
}

void UpperCaseAscii(char* text)
{
    for (; *text; ++text) {
        if (*text >= 'a' && *text <= 'z')
            *text = static_cast<char>(*text - 'a' + 'A');
    }
}

} // namespace

unsigned long FindProcessByName(const char* name)
{
    char wanted[MAX_PATH];
    lstrcpynA(wanted, name, MAX_PATH);
    UpperCaseAscii(wanted);
    size_t length = std::strlen(wanted);

    UniqueFile snapshot(CreateToolhelp32SnapshotEntry(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    while (Process32NextEntry(snapshot.get(), &entry)) {
        UpperCaseAscii(entry.szExeFile);
        if (std::strncmp(entry.szExeFile, wanted, length) == 0 && entry.th32ProcessID != 0)
            return entry.th32ProcessID;
    }
    return 0;
}

bool ExecuteItem(UniqueFile& scriptFile, const std::string& kindName, const ScriptFields& fields, int lineNumber)
{
    VirtualDrive& drive = *ActiveDrive;
    // Only this item's failure is asked about, never one reported before.
    drive.failed = false;

    ItemKind kind = FindItemKind(kindName);
    if (kind == kKindUnknown) {
        if (!AskToContinue(nullptr, kCaptionQuestion, lineNumber, kUnknownItemReason))
            EndRun(scriptFile);
    } else if (kind == kKindWaitForApp && !HasProcessSnapshots()) {
        SetStatusFromCode(drive, kStatusNoToolhelp, false);
    } else if (!FieldCountFits(kind, fields)) {
        SetStatusFromCode(drive, kStatusInvalidParameterCount, false);
    } else {
        Execute(kind, drive, fields);
    }

    if (!Failed(drive))
        return true;
    return AskToContinue(nullptr, kCaptionError, lineNumber, StatusText(drive));
}
