#include "script/script_file.h"

bool FileScriptInput::ReadByte(char& byte)
{
    DWORD read = 0;
    return ReadFile(file_, &byte, 1, &read, nullptr) && read == 1;
}

void FileScriptInput::StepBack()
{
    SetFilePointer(file_, -1, nullptr, FILE_CURRENT);
}

void FileScriptOutput::Write(const std::string& bytes)
{
    DWORD written = 0;
    WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}
