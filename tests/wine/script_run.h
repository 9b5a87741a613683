// One run of Vireo.exe on a script written for the test, watched and
// answered from outside.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "test_files.h"
#include "ui_driver.h"

class ScriptRun {
public:
    // Writes the script into the folder and starts Vireo.exe on its path,
    // quoted as the shell passes it.
    ScriptRun(const ScratchFolder& folder, const std::string& script);

    DWORD id() const { return vireo_.id(); }

    // The next box with that caption; its window is null when none came.
    MessageBoxSeen WaitForBox(const char* caption, DWORD timeoutMs = 30000);
    // Presses the box's button and waits until the box is gone.
    bool Answer(const MessageBoxSeen& box, int button);
    // The tray thread's hidden window, once it exists.
    HWND WaitForTrayWindow(DWORD timeoutMs = 30000);

    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 30000) { return vireo_.WaitForExit(timeoutMs); }

private:
    ProgramUnderTest vireo_;
};

// Sets a number of Vireo's own settings before a run.
void SetVireoSetting(const char* name, DWORD value);

// The lines the simulated game appends with --record: when, and in which
// folder it was started.
struct GameRecord {
    uint64_t tick;
    std::string folder;
};
std::vector<GameRecord> ReadGameRecords(const std::string& file);
// Waits until the file holds at least that many records.
std::vector<GameRecord> WaitForGameRecords(const std::string& file, size_t count, DWORD timeoutMs = 30000);

// The script line that starts the simulated game with the arguments.
std::string RunGame(const std::string& arguments, const std::string& directory = "");
