// Installs our simulated product into the test prefix as the real products'
// installers would, configures its answers and reads what it was asked.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Which build of the simulated library or program goes where; nullptr
// leaves a file out. Folders are those of the build's sim/ directory.
struct AlcoholFiles {
    const char* library = "alcohol";
    const char* program = "alcohol";
};

class SimulatedProduct {
public:
    // Starts from a prefix without any product and with a fresh call log.
    SimulatedProduct();
    ~SimulatedProduct();
    SimulatedProduct(const SimulatedProduct&) = delete;
    SimulatedProduct& operator=(const SimulatedProduct&) = delete;

    // daemon.dll of the variant folder, where the library search finds it.
    void InstallDaemon(const char* variant = "daemon");
    // A daemon.dll in the Windows directory that cannot be loaded.
    std::string PlaceUnloadableDaemon();

    // The Alcohol files in "C:\Program Files\<folderName>"; answers the folder.
    std::string InstallAlcohol(const std::string& folderName, AlcoholFiles files = {});
    // The App Paths entry through which the program finds Alcohol.
    void RegisterAlcohol(const std::string& pathValue);

    void Set(const char* name, DWORD value);
    void Set(const char* name, const std::string& text);
    std::string Get(const char* name);

    // The call log's lines, as "daemon.dll 2 0 C:\image.iso".
    std::vector<std::string> Calls() const;
    void ClearCalls() const;

private:
    void RemoveEverything();

    std::string callLog_;
    std::vector<std::string> alcoholFolders_;
};

// The Windows path of a file of the build's sim/ folder.
std::string SimFile(const char* folder, const char* file);

// A scratch image file that the simulated product can mount.
std::string MakeImageFile(const std::string& folder, const char* name = "game.iso");
