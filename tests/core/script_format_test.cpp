#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "memory_script.h"
#include "script/item_kinds.h"
#include "script/script_format.h"

namespace {

std::vector<std::string> AllLines(const std::string& data)
{
    MemoryScriptInput input(data);
    std::vector<std::string> lines;
    while (std::optional<std::string> line = ReadScriptLine(input))
        lines.push_back(*line);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(ReadScriptLine, AcceptsEveryLineEnd)
{
    struct Case {
        const char* data;
        Lines lines;
    };
    const Case cases[] = {
        {"Version|1.5.4|2|\r\nDelay|5|\r\n", {"Version|1.5.4|2|", "Delay|5|"}},
        {"Version|1.5.4|2|\rDelay|5|\r", {"Version|1.5.4|2|", "Delay|5|"}},
        {"Version|1.5.4|2|\nDelay|5|\n", {"Version|1.5.4|2|", "Delay|5|"}},
        {"Version|1.5.4|2|\r\nDelay|5|", {"Version|1.5.4|2|", "Delay|5|"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\r\n", {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AllLines(c.data), c.lines) << "data: " << c.data;
}

TEST(ReadScriptLine, KeepsBytesAboveAsciiAndLongLines)
{
    std::string longField(100000, 'x');
    EXPECT_EQ(AllLines("RunApp|C:\\Spiele\\\xE4\xF6\xFC.exe|||\r\n"), Lines{"RunApp|C:\\Spiele\\\xE4\xF6\xFC.exe|||"});
    EXPECT_EQ(AllLines("Mount|" + longField + "|0|1|"), Lines{"Mount|" + longField + "|0|1|"});
}

TEST(SplitScriptRecord, SplitsKindAndFields)
{
    struct Case {
        const char* line;
        ScriptRecord::Type type;
        const char* kind;
        ScriptFields fields;
    };
    using T = ScriptRecord::Type;
    const Case cases[] = {
        {"mount|x.iso|0|1|", T::Record, "mount", {"x.iso", "0", "1"}},
        {"RunApp|C:\\games\\aoe\\age of empires.exe|||",
         T::Record,
         "RunApp",
         {"C:\\games\\aoe\\age of empires.exe", "", ""}},
        {"Foo|1|", T::Record, "Foo", {"1"}},
        {"|1|", T::Record, "", {"1"}},
        {"Delay|", T::Record, "Delay", {}},
        {"Delay|250", T::Record, "Delay", {"250"}}, // last field not closed: kept
        {"Mount|a.iso|0|1", T::Record, "Mount", {"a.iso", "0", "1"}},
        {"Rubbish", T::NoSeparator, "", {}},
        {"", T::BlankLine, "", {}},
    };
    for (const Case& c : cases) {
        ScriptRecord record = SplitScriptRecord(c.line);
        EXPECT_EQ(record.type, c.type) << c.line;
        EXPECT_EQ(record.kind, c.kind) << c.line;
        EXPECT_EQ(record.fields, c.fields) << c.line;
    }
}

TEST(ReadScriptRecord, BlankLineNeitherEndsNorFailsTheScript)
{
    MemoryScriptInput input("Mount|a.iso|0|1|\r\n\r\nDelay|10|\r\n");
    EXPECT_EQ(ReadScriptRecord(input).kind, "Mount");
    EXPECT_EQ(ReadScriptRecord(input).type, ScriptRecord::Type::BlankLine);
    ScriptRecord delay = ReadScriptRecord(input);
    EXPECT_EQ(delay.kind, "Delay");
    EXPECT_EQ(delay.fields, ScriptFields{"10"});
    EXPECT_EQ(ReadScriptRecord(input).type, ScriptRecord::Type::EndOfScript);
    EXPECT_EQ(ReadScriptRecord(input).type, ScriptRecord::Type::EndOfScript);
}

TEST(WriteScriptRecord, WritesFieldsClosedBySeparatorAndCrLf)
{
    MemoryScriptOutput output;
    WriteScriptRecord(output, "RunApp", {"C:\\games\\aoe\\age of empires.exe", "", ""});
    WriteScriptRecord(output, "Emulations", {"0x00000000", "0x00000000"});
    EXPECT_EQ(output.text, "RunApp|C:\\games\\aoe\\age of empires.exe|||\r\nEmulations|0x00000000|0x00000000|\r\n");

    MemoryScriptInput input(output.text);
    ScriptRecord runApp = ReadScriptRecord(input);
    EXPECT_EQ(runApp.fields, (ScriptFields{"C:\\games\\aoe\\age of empires.exe", "", ""}));
}

TEST(FindItemKind, MatchesTableNamesInAnyCase)
{
    struct Case {
        const char* name;
        ItemKind kind;
    };
    const Case cases[] = {
        {"Script Info", kKindScriptInfo},
        {"mount", kKindMount},
        {"UNMOUNT", kKindUnMount},
        {"devicecount", kKindDeviceCount},
        {"Emulations", kKindEmulations},
        {"runapp", kKindRunApp},
        {"DeLaY", kKindDelay},
        {"WAITFORAPP", kKindWaitForApp},
        {"", kKindUnknown},
        {"Foo", kKindUnknown},
        {"Mounts", kKindUnknown},
        {"Moun", kKindUnknown},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindItemKind(c.name), c.kind) << c.name;
}

TEST(ScanInteger, ReadsLikeThePercentIConversion)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"10000", 10000},    {"010", 8},
        {"0x10", 16},        {"0X1f", 31},
        {"0x3E8", 1000},     {"0", 0},
        {"  42", 42},        {"42abc", 42},
        {"-5", -5},          {"+7", 7},
        {"09", 0},           {"0x0000001F", 31},
        {"", std::nullopt},  {"abc", std::nullopt},
        {"-", std::nullopt}, {"4294967295", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScanInteger(c.text), c.value) << c.text;
}

} // namespace
