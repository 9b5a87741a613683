// The resources Vireo.exe carries: what a broken resource script would lose
// without any other test noticing.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <tuple>
#include <vector>

#include "test_files.h"

namespace {

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroupHeader {
    WORD reserved, type, count;
};
#pragma pack(pop)

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryExA(VireoExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    HMODULE module = nullptr;
};

TEST_F(ResourcesTest, AcceleratorsMapKeysToCommands)
{
    using Key = std::tuple<int, int, int>; // modifiers, key, command
    const BYTE ctrl = FVIRTKEY | FCONTROL;
    const std::set<Key> expected = {
        {ctrl, 'N', 150},        {ctrl, 'O', 151}, {ctrl, 'S', 152}, {ctrl | FSHIFT, 'S', 152},
        {ctrl | FALT, 'S', 154}, {ctrl, 'T', 155}, {ctrl, 'U', 156}, {ctrl | FSHIFT, 'O', 157},
        {ctrl, 'A', 159},        {ctrl, '1', 181}, {ctrl, '2', 182}, {ctrl, '3', 183},
        {ctrl, '4', 184},        {ctrl, '5', 185}, {ctrl, '6', 186}, {ctrl, '7', 187},
    };
    HACCEL table = LoadAcceleratorsA(module, MAKEINTRESOURCEA(600));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> entries(64);
    entries.resize(CopyAcceleratorTableA(table, entries.data(), static_cast<int>(entries.size())));
    std::set<Key> actual;
    for (const ACCEL& entry : entries)
        actual.insert({entry.fVirt & ~0x80, entry.key, entry.cmd});
    EXPECT_EQ(actual, expected);
    DestroyAcceleratorTable(table);
}

TEST_F(ResourcesTest, IconsComeInThreeSizesWithAlpha)
{
    // The program icon is index 0 and the script icon index 1: icon groups
    // count in the order of their ids.
    for (int id : {1, 2, 3}) {
        SCOPED_TRACE(id);
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
        ASSERT_NE(found, nullptr);
        auto* header = static_cast<const IconGroupHeader*>(LockResource(LoadResource(module, found)));
        auto* entries = reinterpret_cast<const IconGroupEntry*>(header + 1);
        std::set<int> sizes;
        for (int i = 0; i < header->count; ++i) {
            sizes.insert(entries[i].width);
            EXPECT_EQ(entries[i].bitCount, 32);
        }
        EXPECT_EQ(sizes, (std::set<int>{16, 32, 48}));
    }
    EXPECT_EQ(ExtractIconExA(VireoExe().c_str(), -1, nullptr, nullptr, 0), 3u);
}

TEST_F(ResourcesTest, CarriesTheCommonControlsManifestAndMainDialog)
{
    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)); // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                     SizeofResource(module, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(270), MAKEINTRESOURCEA(5)), nullptr); // RT_DIALOG
}

} // namespace
