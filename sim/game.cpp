// Stands in for the game a script starts. Without arguments it runs until a
// person ends it from its window; for tests it can instead record how it was
// started and end by itself:
//   game.exe [--record FILE] [--sleep MILLISECONDS]
// --record appends "<tick count> <current folder>" and a line end to FILE.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Record(const char* file)
{
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    char line[MAX_PATH + 64];
    int length =
        std::snprintf(line, sizeof line, "%llu %s\r\n", static_cast<unsigned long long>(GetTickCount64()), folder);
    HANDLE handle = CreateFileA(file, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(handle, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(handle);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc <= 1) {
        MessageBoxA(nullptr, "The simulated game is running.\n\nPress OK to end it.", "Simulated Game",
                    MB_OK | MB_ICONINFORMATION);
        return 0;
    }
    for (int i = 1; i + 1 < __argc; i += 2) {
        if (std::strcmp(__argv[i], "--record") == 0)
            Record(__argv[i + 1]);
        else if (std::strcmp(__argv[i], "--sleep") == 0)
            Sleep(static_cast<DWORD>(std::atoi(__argv[i + 1])));
    }
    return 0;
}
