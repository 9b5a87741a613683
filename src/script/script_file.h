// Script input and output over Win32 file handles.
#pragma once

#include <windows.h>

#include "script/script_format.h"

// Reads a script byte by byte from the handle's current position. The handle
// stays the caller's.
class FileScriptInput : public ScriptInput {
public:
    explicit FileScriptInput(HANDLE file) : file_(file) {}
    bool ReadByte(char& byte) override;
    void StepBack() override;

private:
    HANDLE file_;
};

class FileScriptOutput : public ScriptOutput {
public:
    explicit FileScriptOutput(HANDLE file) : file_(file) {}
    void Write(const std::string& bytes) override;

private:
    HANDLE file_;
};
