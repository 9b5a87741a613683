#include <gtest/gtest.h>

#include "about/program_version.h"
#include "test_files.h"

namespace {

TEST(ProgramVersion, ReadsTheVersionResource)
{
    ProgramVersion version = ReadFileVersion(VireoExe().c_str());
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 5);
    EXPECT_EQ(version.build, 4);
    EXPECT_EQ(version.revision, 0);
    EXPECT_STREQ(version.text, "1.5.4");
}

TEST(ProgramVersion, IsZeroWithoutAVersionResource)
{
    // This test program carries no version resource.
    ProgramVersion version = ReadProgramVersion();
    EXPECT_EQ(version.major + version.minor + version.build + version.revision, 0);
    EXPECT_STREQ(version.text, "0.0.0.0");
}

} // namespace
