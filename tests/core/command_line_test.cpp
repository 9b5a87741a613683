#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {

std::string Unquoted(std::string path)
{
    UnquotePath(path.data());
    return path.c_str();
}

TEST(UnquotePath, StripsQuotesAndOneTrailingBackslash)
{
    struct Case {
        const char* path;
        const char* expected;
    };
    const Case cases[] = {
        {"\"C:\\games\\aoe.Vireo\"", "C:\\games\\aoe.Vireo"},
        {"C:\\games\\aoe.Vireo", "C:\\games\\aoe.Vireo"},
        {"\"C:\\games\\\"", "C:\\games"},
        {"C:\\games\\", "C:\\games"},
        {"C:\\games\\\\", "C:\\games\\"},
        {"\"C:\\games\\aoe.Vireo", "C:\\games\\aoe.Vire"}, // no closing quote: the last real character goes
        {"C:\\games\\aoe.Vireo\"", "C:\\games\\aoe.Vireo"},
        {"\"a b.Vireo\" more", "a b.Vireo\" mor"},
        {"\"\"", ""},
        {"\"", ""},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Unquoted(c.path), c.expected) << c.path;
}

TEST(ParseCommandLine, TellsTheFourFormsApart)
{
    struct Case {
        const char* commandLine;
        StartMode mode;
        const char* argument;
    };
    const Case cases[] = {
        {"/EDIT:\"C:\\s.Vireo\"", StartMode::EditScript, "\"C:\\s.Vireo\""},
        {"/EDIT:", StartMode::EditScript, ""},
        {"/NEW:\"C:\\new.Vireo\"", StartMode::NewScript, ""},
        {"", StartMode::NewScript, ""},
        {"\"C:\\s.Vireo\"", StartMode::RunScript, "\"C:\\s.Vireo\""},
        {"/edit:C:\\s.Vireo", StartMode::RunScript, "/edit:C:\\s.Vireo"},
        {"/New:x", StartMode::RunScript, "/New:x"},
        {" /EDIT:x", StartMode::RunScript, " /EDIT:x"},
    };
    for (const Case& c : cases) {
        StartRequest request = ParseCommandLine(c.commandLine);
        EXPECT_EQ(request.mode, c.mode) << c.commandLine;
        EXPECT_STREQ(request.argument, c.argument) << c.commandLine;
    }
}

} // namespace
