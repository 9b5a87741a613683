// Files and paths for the tests that run the program under Wine.
#pragma once

#include <windows.h>

#include <string>

// The Vireo.exe under test, whose Unix path the build passes in VIREO_EXE_UNIX.
std::string VireoExe();

// A fresh, empty folder of its own for one test; removed with its files.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    // Writes the bytes to a file of the folder and answers its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::string path_;
};

// Removes a folder and the files in it.
void RemoveFolder(const std::string& folder);

// The system's text for an error code, as FormatMessage gives it.
std::string SystemErrorText(DWORD error);
// The text without the line break at its end.
std::string WithoutLineEnd(std::string text);

// The text in double quotes, as the shell passes a path.
std::string Quoted(const std::string& text);

// The runner's question after a failed line: "Error on line N: ..."
std::string RunErrorPrompt(int line, const std::string& reason);
