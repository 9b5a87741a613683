#include "app/command_line.h"

#include <cstring>

namespace {

void DropLast(char* text)
{
    size_t length = std::strlen(text);
    if (length > 0)
        text[length - 1] = '\0';
}

char LastChar(const char* text)
{
    size_t length = std::strlen(text);
    return length > 0 ? text[length - 1] : '\0';
}

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

} // namespace

void UnquotePath(char* path)
{
    if (path[0] == '"') {
        std::memmove(path, path + 1, std::strlen(path));
        DropLast(path);
    }
    if (LastChar(path) == '"')
        DropLast(path);
    if (LastChar(path) == '\\')
        DropLast(path);
}

StartRequest ParseCommandLine(const char* commandLine)
{
    static const char kEdit[] = "/EDIT:";
    static const char kNew[] = "/NEW:";
    if (StartsWith(commandLine, kEdit))
        return {StartMode::EditScript, commandLine + std::strlen(kEdit)};
    if (StartsWith(commandLine, kNew) || commandLine[0] == '\0')
        return {StartMode::NewScript, ""};
    return {StartMode::RunScript, commandLine};
}
