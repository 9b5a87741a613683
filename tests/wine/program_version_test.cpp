#include <gtest/gtest.h>
#include <windows.h>

#include "about/program_version.h"
#include "test_files.h"

namespace {

TEST(ProgramVersion, ReadsTheVersionResource)
{
    std::optional<FileVersion> version = ReadFileVersion(VireoExe().c_str());
    ASSERT_TRUE(version);
    EXPECT_EQ(version->major, 1);
    EXPECT_EQ(version->minor, 5);
    EXPECT_EQ(version->build, 4);
    EXPECT_EQ(version->revision, 0);
}

TEST(ProgramVersion, IsZeroWithoutAVersionResource)
{
    // This test program carries no version resource.
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    EXPECT_FALSE(ReadFileVersion(self));
    ProgramVersion version = ReadProgramVersion();
    EXPECT_EQ(version.number.major + version.number.minor + version.number.build + version.number.revision, 0);
    EXPECT_STREQ(version.text, "0.0.0.0");
}

} // namespace
