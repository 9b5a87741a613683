// File versions from version resources, and the running program's own.
#pragma once

#include <optional>

struct FileVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
    int revision = 0;
};

// The file version of the file at the path, or nothing when it has no
// version resource.
std::optional<FileVersion> ReadFileVersion(const char* path);

struct ProgramVersion {
    FileVersion number;        // all zero without a version resource
    char text[32] = "0.0.0.0"; // "%d.%d.%d", or "0.0.0.0" without a version resource
};

ProgramVersion ReadProgramVersion();
