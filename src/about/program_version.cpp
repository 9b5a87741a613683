#include "about/program_version.h"

#include <windows.h>

#include <cstdio>
#include <vector>

std::optional<FileVersion> ReadFileVersion(const char* path)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<char> block(size, 0);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!GetFileVersionInfoA(path, 0, size, block.data()) ||
        !VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &infoSize) || infoSize < sizeof *info)
        return std::nullopt;
    return FileVersion{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS), HIWORD(info->dwFileVersionLS),
                       LOWORD(info->dwFileVersionLS)};
}

ProgramVersion ReadProgramVersion()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    ProgramVersion version;
    if (std::optional<FileVersion> number = ReadFileVersion(path)) {
        version.number = *number;
        std::snprintf(version.text, sizeof version.text, "%d.%d.%d", number->major, number->minor, number->build);
    }
    return version;
}
