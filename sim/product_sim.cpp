// Our stand-in for a virtual drive product's control library. One source
// serves as daemon.dll, alcoholx.dll and AXShlEx.dll. It keeps the product's
// state in the registry, answers as a test configures it there, and appends
// every call it receives to a call log. README.md beside this file lists the
// values.
#include <windows.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr char kConfigKey[] = "Software\\VireoTest\\ProductSim";
constexpr int kImageTypeEnd = 259;

// Result codes whose texts the message table and the string table hold.
constexpr int kResultNoSuchDevice = 3;
constexpr int kResultImageNotFound = 4;
constexpr int kResultTooManyDevices = 7;

HMODULE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

HKEY OpenConfig()
{
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kConfigKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return key;
}

DWORD ReadNumber(const char* name, DWORD fallback)
{
    HKEY key = OpenConfig();
    DWORD value = fallback;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        value = fallback;
    RegCloseKey(key);
    return value;
}

void WriteNumber(const char* name, DWORD value)
{
    HKEY key = OpenConfig();
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

void WriteText(const char* name, const std::string& text)
{
    HKEY key = OpenConfig();
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(key);
}

void DeleteValue(const char* name)
{
    HKEY key = OpenConfig();
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

std::string ReadText(const char* name)
{
    HKEY key = OpenConfig();
    char text[1024] = {};
    DWORD size = sizeof text - 1;
    RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return text;
}

std::string LogPath()
{
    std::string path = ReadText("CallLog");
    if (path.empty()) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path = temp;
        path += "ProductSim.log";
    }
    return path;
}

// Appends "<library file name> <what was asked>" and a line end to the log.
void Log(const char* format, ...)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(ThisModule(), module, MAX_PATH);
    const char* name = std::strrchr(module, '\\');
    char entry[2048];
    int length = std::snprintf(entry, sizeof entry, "%s ", name ? name + 1 : module);
    va_list args;
    va_start(args, format);
    length += std::vsnprintf(entry + length, sizeof entry - length - 2, format, args);
    va_end(args);
    if (length > static_cast<int>(sizeof entry) - 3)
        length = sizeof entry - 3;
    lstrcpynA(entry + length, "\r\n", 3);
    length += 2;
    HANDLE file = CreateFileA(LogPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, entry, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

std::string ImageValueName(int device)
{
    char name[32];
    std::snprintf(name, sizeof name, "Image%d", device);
    return name;
}

// A configured answer, or nothing: values that are absent or zero let the
// library work normally.
int Forced(const char* name)
{
    return static_cast<int>(ReadNumber(name, 0));
}

struct ImageType {
    const char* pattern;
    const char* name;
};

constexpr ImageType kImageTypes[] = {
    {"*.mds", "Media Descriptor Image"},
    {"*.iso", "ISO Image"},
    {"*.ccd", "CloneCD Image"},
    {"*.cue", "Cue Sheet"},
    {"*.nrg", "Nero Image"},
};

} // namespace

extern "C" {

// 1: is the driver ready? -1 none installed, -2 version mismatch.
int WINAPI SimDriverCheck()
{
    Log("1");
    return Forced("DriverCheck");
}

// 2: puts an image into a device; an empty path empties it.
int WINAPI SimMount(int device, const char* imagePath)
{
    Log("2 %d %s", device, imagePath);
    if (int forced = Forced("MountResult"))
        return forced;
    if (device < 0 || device >= static_cast<int>(ReadNumber("DeviceCount", 1)))
        return kResultNoSuchDevice;
    if (imagePath[0] == '\0') {
        DeleteValue(ImageValueName(device).c_str());
        return 0;
    }
    if (GetFileAttributesA(imagePath) == INVALID_FILE_ATTRIBUTES)
        return kResultImageNotFound;
    WriteText(ImageValueName(device).c_str(), imagePath);
    return 0;
}

// 4: the current emulation switches.
int WINAPI SimGetEmulations(int32_t* flags)
{
    *flags = static_cast<int32_t>(ReadNumber("Emulations", 0));
    Log("4");
    return 0;
}

// 5: applies the emulation switches.
int WINAPI SimSetEmulations(int32_t* flags)
{
    Log("5 0x%08X", static_cast<unsigned>(*flags));
    if (int forced = Forced("SetEmulationsResult"))
        return forced;
    WriteNumber("Emulations", static_cast<DWORD>(*flags));
    return 0;
}

// 8: sets the number of devices: a count, then one kind code per device.
int WINAPI SimSetDevices(int32_t* countAndKinds)
{
    int32_t count = countAndKinds[0];
    std::string kinds;
    for (int32_t i = 1; i <= count; ++i) {
        if (i > 1)
            kinds += ',';
        kinds += std::to_string(countAndKinds[i]);
    }
    Log(count > 0 ? "8 %d %s" : "8 %d", count, kinds.c_str());
    if (int forced = Forced("DeviceCountResult"))
        return forced;
    if (count > static_cast<int32_t>(ReadNumber("DeviceLimit", 4)))
        return kResultTooManyDevices;
    int32_t previous = static_cast<int32_t>(ReadNumber("DeviceCount", 1));
    for (int32_t device = count; device < previous; ++device)
        DeleteValue(ImageValueName(device).c_str());
    WriteNumber("DeviceCount", static_cast<DWORD>(count));
    WriteText("DeviceKinds", kinds);
    return 0;
}

// 10: describes image type number index; 259 past the last one.
int WINAPI SimImageType(int index, char* record)
{
    Log("10 %d", index);
    if (index < 0 || index >= static_cast<int>(sizeof kImageTypes / sizeof kImageTypes[0]))
        return kImageTypeEnd;
    lstrcpynA(record + 4, kImageTypes[index].pattern, 28);
    lstrcpynA(record + 32, kImageTypes[index].name, 64);
    return 0;
}

// 12: names the module that holds the texts of result codes. A handle
// passed in (the shell extension) is kept; otherwise it is this library.
int WINAPI SimTextModule(int, HMODULE* module)
{
    Log("12 %s", *module ? "module" : "null");
    if (!*module)
        *module = ThisModule();
    return 0;
}

// The ordinals the program never calls; they only have to exist.
int WINAPI SimUnused3()
{
    Log("3");
    return 0;
}
int WINAPI SimUnused6()
{
    Log("6");
    return 0;
}
int WINAPI SimUnused7()
{
    Log("7");
    return 0;
}
int WINAPI SimUnused9()
{
    Log("9");
    return 0;
}
int WINAPI SimUnused11()
{
    Log("11");
    return 0;
}
int WINAPI SimUnused13()
{
    Log("13");
    return 0;
}
int WINAPI SimUnused14()
{
    Log("14");
    return 0;
}
int WINAPI SimUnused15()
{
    Log("15");
    return 0;
}

} // extern "C"
