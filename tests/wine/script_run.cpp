#include "script_run.h"

#include <fstream>
#include <sstream>

#include "simulated_product.h"

ScriptRun::ScriptRun(const ScratchFolder& folder, const std::string& script)
    : vireo_(VireoExe(), Quoted(folder.Write("run.Vireo", script)))
{
}

MessageBoxSeen ScriptRun::WaitForBox(const char* caption, DWORD timeoutMs)
{
    return WaitForMessageBox(vireo_.id(), caption, timeoutMs);
}

bool ScriptRun::Answer(const MessageBoxSeen& box, int button)
{
    return box.window && PressButton(box.window, button) && WaitUntilClosed(box.window, 30000);
}

HWND ScriptRun::WaitForTrayWindow(DWORD timeoutMs)
{
    return WaitForWindow(vireo_.id(), "VireoTrayIcon", "VireoTrayIcon", timeoutMs, Visibility::AnyWindow);
}

void SetVireoSetting(const char* name, DWORD value)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Vireo", name, REG_DWORD, &value, sizeof value);
}

std::vector<GameRecord> ReadGameRecords(const std::string& file)
{
    std::ifstream input(file, std::ios::binary);
    std::vector<GameRecord> records;
    std::string line;
    while (std::getline(input, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream fields(line);
        GameRecord record;
        fields >> record.tick;
        fields.get();
        std::getline(fields, record.folder);
        records.push_back(record);
    }
    return records;
}

std::vector<GameRecord> WaitForGameRecords(const std::string& file, size_t count, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    std::vector<GameRecord> records;
    while ((records = ReadGameRecords(file)).size() < count && GetTickCount() - start < timeoutMs)
        Sleep(50);
    return records;
}

std::string RunGame(const std::string& arguments, const std::string& directory)
{
    return "RunApp|" + SimFile("game", "game.exe") + "|" + arguments + "|" + directory + "|\r\n";
}
