// The command line of Vireo.exe and the path clean-up applied to the paths
// it carries.
#pragma once

// Removes one pair of surrounding double quotes and a trailing backslash, in
// place: a leading quote goes with the last character (the closing quote,
// whatever it is), then a last quote, then a last backslash.
void UnquotePath(char* path);

enum class StartMode {
    EditScript, // "/EDIT:" and a path
    NewScript,  // "/NEW:" (what follows has no effect) or nothing at all
    RunScript,  // any other text: the path of a script to run
};

struct StartRequest {
    StartMode mode;
    const char* argument; // the path after "/EDIT:", or the whole text to run
};

// Switches count only at the very start and in exactly this letter case.
StartRequest ParseCommandLine(const char* commandLine);
