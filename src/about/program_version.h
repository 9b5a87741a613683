// The running program's own version, from its version resource.
#pragma once

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int build = 0;
    int revision = 0;
    char text[32] = "0.0.0.0"; // "%d.%d.%d", or "0.0.0.0" without a version resource
};

// The file version of the module at the path; all zero and "0.0.0.0" when it
// has none.
ProgramVersion ReadFileVersion(const char* path);

ProgramVersion ReadProgramVersion();
