#include "simulated_product.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "test_files.h"
#include "ui_driver.h"

namespace {

constexpr char kConfigKey[] = "Software\\VireoTest\\ProductSim";
constexpr char kAppPathKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Alcohol.exe";

std::string SystemFolder()
{
    char path[MAX_PATH] = {};
    GetSystemDirectoryA(path, MAX_PATH);
    return path;
}

std::string WindowsFolder()
{
    char path[MAX_PATH] = {};
    GetWindowsDirectoryA(path, MAX_PATH);
    return path;
}

std::string ProgramFiles()
{
    char path[MAX_PATH] = {};
    GetEnvironmentVariableA("ProgramFiles", path, MAX_PATH);
    return path;
}

} // namespace

SimulatedProduct::SimulatedProduct()
{
    RemoveEverything();
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    callLog_ = std::string(temp) + "vireo-sim-calls-" + std::to_string(GetCurrentProcessId()) + ".log";
    ClearCalls();
    Set("CallLog", callLog_);
}

SimulatedProduct::~SimulatedProduct()
{
    RemoveEverything();
    DeleteFileA(callLog_.c_str());
}

void SimulatedProduct::RemoveEverything()
{
    DeleteFileA((SystemFolder() + "\\daemon.dll").c_str());
    DeleteFileA((WindowsFolder() + "\\daemon.dll").c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAppPathKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kConfigKey);
    for (const std::string& folder : alcoholFolders_)
        RemoveFolder(folder);
    alcoholFolders_.clear();
}

void SimulatedProduct::InstallDaemon(const char* variant)
{
    CopyFileA(SimFile(variant, "daemon.dll").c_str(), (SystemFolder() + "\\daemon.dll").c_str(), FALSE);
}

std::string SimulatedProduct::PlaceUnloadableDaemon()
{
    std::string path = WindowsFolder() + "\\daemon.dll";
    std::ofstream(path, std::ios::binary) << "not a library";
    return path;
}

std::string SimulatedProduct::InstallAlcohol(const std::string& folderName, AlcoholFiles files)
{
    std::string folder = ProgramFiles() + "\\" + folderName;
    CreateDirectoryA(folder.c_str(), nullptr);
    alcoholFolders_.push_back(folder);
    if (files.library) {
        CopyFileA(SimFile(files.library, "alcoholx.dll").c_str(), (folder + "\\alcoholx.dll").c_str(), FALSE);
        CopyFileA(SimFile("alcohol", "AXShlEx.dll").c_str(), (folder + "\\AXShlEx.dll").c_str(), FALSE);
    }
    if (files.program)
        CopyFileA(SimFile(files.program, "alcohol.exe").c_str(), (folder + "\\alcohol.exe").c_str(), FALSE);
    return folder;
}

void SimulatedProduct::RegisterAlcohol(const std::string& pathValue)
{
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kAppPathKey, "Path", REG_SZ, pathValue.c_str(),
                    static_cast<DWORD>(pathValue.size() + 1));
}

void SimulatedProduct::Set(const char* name, DWORD value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, kConfigKey, name, REG_DWORD, &value, sizeof value);
}

void SimulatedProduct::Set(const char* name, const std::string& text)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, kConfigKey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

std::string SimulatedProduct::Get(const char* name)
{
    char text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueA(HKEY_CURRENT_USER, kConfigKey, name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "";
    return text;
}

std::vector<std::string> SimulatedProduct::Calls() const
{
    std::ifstream log(callLog_, std::ios::binary);
    std::vector<std::string> calls;
    std::string line;
    while (std::getline(log, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        calls.push_back(line);
    }
    return calls;
}

void SimulatedProduct::ClearCalls() const
{
    DeleteFileA(callLog_.c_str());
}

std::string SimFile(const char* folder, const char* file)
{
    const char* root = std::getenv("VIREO_SIM_DIR_UNIX");
    return WinePath(std::string(root ? root : "") + "/" + folder + "/" + file);
}

std::string MakeImageFile(const std::string& folder, const char* name)
{
    std::string path = folder + "\\" + name;
    std::ofstream(path, std::ios::binary) << "simulated disc image";
    return path;
}
