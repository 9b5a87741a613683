#include "about/program_version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

ProgramVersion ReadFileVersion(const char* path)
{
    ProgramVersion version;
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0)
        return version;
    std::vector<char> block(size, 0);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!GetFileVersionInfoA(path, 0, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) || infoSize < sizeof *info)
        return version;
    version.major = HIWORD(info->dwFileVersionMS);
    version.minor = LOWORD(info->dwFileVersionMS);
    version.build = HIWORD(info->dwFileVersionLS);
    version.revision = LOWORD(info->dwFileVersionLS);
    std::snprintf(version.text, sizeof version.text, "%d.%d.%d", version.major, version.minor, version.build);
    return version;
}

ProgramVersion ReadProgramVersion()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return ReadFileVersion(path);
}
