#include <gtest/gtest.h>

#include <climits>

#include "script/script_header.h"

namespace {

constexpr int kProgramKey = 105004; // version 1.5.4

int KeyOf(const char* header)
{
    ScriptVersion v = ParseHeaderVersion(header);
    return VersionKey(v.major, v.minor, v.build);
}

TEST(ScriptHeader, RecognisesVersionWordInAnyCase)
{
    for (const char* line : {"Version|1.5.4|2|", "version|1.5.4|1|", "VERSION|1.5.4|1|", "Versionitis"})
        EXPECT_TRUE(IsScriptHeader(line)) << line;
    for (const char* line : {"", "Versio", " Version|1.5.4|2|", "Mount|a.iso|0|1|"})
        EXPECT_FALSE(IsScriptHeader(line)) << line;
}

TEST(ScriptHeader, ParsesVersionWithRunsOfDots)
{
    struct Case {
        const char* line;
        int major, minor, build;
    };
    const Case cases[] = {
        {"Version|1.5.4|2|", 1, 5, 4},  {"Version|1..5...4|2|", 1, 5, 4},
        {"Version| 1.5.4|2|", 1, 5, 4}, {"Version|1.5|2|", 1, 5, 0},
        {"Version|abc|2|", 0, 0, 0},    {"Version|", 0, 0, 0},
        {"Version", 0, 0, 0},           {"Version|99999999999999.1.1|", INT_MAX, 1, 1},
    };
    for (const Case& c : cases) {
        ScriptVersion v = ParseHeaderVersion(c.line);
        EXPECT_EQ(v.major, c.major) << c.line;
        EXPECT_EQ(v.minor, c.minor) << c.line;
        EXPECT_EQ(v.build, c.build) << c.line;
    }
}

TEST(ScriptHeader, ComparesVersionsByKey)
{
    EXPECT_EQ(VersionKey(1, 5, 4), kProgramKey);
    EXPECT_LE(KeyOf("Version|1.5.4|2|"), kProgramKey);
    EXPECT_LE(KeyOf("Version|1.4.999|2|"), kProgramKey);
    EXPECT_LE(KeyOf("Version|junk|2|"), kProgramKey);
    EXPECT_GT(KeyOf("Version|1.5.5|2|"), kProgramKey);
    EXPECT_GT(KeyOf("Version|1.6.0|2|"), kProgramKey);
    // Minor and build spill into the next place.
    EXPECT_EQ(KeyOf("Version|1.4.1500|2|"), 105500);
    EXPECT_GT(KeyOf("Version|1.4.1500|2|"), VersionKey(1, 5, 0));
    EXPECT_EQ(VersionKey(1, 100, 0), VersionKey(2, 0, 0));
    // Out-of-range numbers wrap instead of overflowing.
    EXPECT_EQ(VersionKey(INT_MAX, INT_MAX, INT_MAX), static_cast<int>(0x7FFFFFFFu * 101001u));
}

TEST(ScriptHeader, ParsesProductVersionTexts)
{
    struct Case {
        const char* text;
        int key;
    };
    const Case cases[] = {{"1.4.6.0", 104006}, {"1.4.7.0", 104007}, {"2.0.3.7", 200003}, {"N/A", 0}, {"", 0}};
    for (const Case& c : cases) {
        ScriptVersion v = ParseDottedVersion(c.text);
        EXPECT_EQ(VersionKey(v.major, v.minor, v.build), c.key) << c.text;
    }
}

TEST(ScriptHeader, ReadsProductFromThirdField)
{
    struct Case {
        const char* line;
        int product;
        bool known;
    };
    const Case cases[] = {
        {"Version|1.5.4|2|", 2, true},
        {"Version|1.5.4|1|", 1, true},
        {"Version|1.5.4|3|", 3, true},
        {"Version|1.5.4|", kProductUnset, true},
        {"Version|1.5.4", kProductUnset, true},
        {"Version||2|", kProductUnset, true}, // an empty version field stops the scan
        {"Version|1.5.4|x|", kProductUnset, true},
        {"Version|1.5.4| 3|", 3, true},
        {"Version|1.5.4|0|", 0, false},
        {"Version|1.5.4|4|", 4, false},
        {"Version|1.5.4|-7|", -7, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseHeaderProduct(c.line), c.product) << c.line;
        EXPECT_EQ(IsKnownProduct(ParseHeaderProduct(c.line)), c.known) << c.line;
    }
}

} // namespace
