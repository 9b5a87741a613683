// The settings store end to end: what a start of Vireo.exe leaves in the
// registry of the test prefix.
#include <gtest/gtest.h>

#include <string>

#include "simulated_product.h"
#include "test_files.h"
#include "ui_driver.h"

namespace {

const char kSettingsKey[] = "Software\\Vireo";

struct RegistryValue {
    bool present = false;
    DWORD type = 0;
    std::string bytes;
};

RegistryValue ReadValue(HKEY root, const char* key, const char* name)
{
    RegistryValue value;
    char data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(root, key, name, RRF_RT_ANY | RRF_NOEXPAND, &value.type, data, &size) == ERROR_SUCCESS) {
        value.present = true;
        value.bytes.assign(data, size);
    }
    return value;
}

std::string ReadText(const char* name)
{
    RegistryValue value = ReadValue(HKEY_CURRENT_USER, kSettingsKey, name);
    EXPECT_TRUE(value.present) << name;
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ)) << name;
    return value.bytes.c_str();
}

DWORD ReadNumber(const char* name)
{
    RegistryValue value = ReadValue(HKEY_CURRENT_USER, kSettingsKey, name);
    EXPECT_TRUE(value.present) << name;
    EXPECT_EQ(value.type, static_cast<DWORD>(REG_DWORD)) << name;
    DWORD number = 0;
    if (value.bytes.size() == sizeof number)
        memcpy(&number, value.bytes.data(), sizeof number);
    return number;
}

void WriteText(const char* name, const std::string& text)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void WriteNumber(const char* name, DWORD number)
{
    RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, name, REG_DWORD, &number, sizeof number);
}

bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
        product.InstallDaemon();
    }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }

    // Starts Vireo.exe in the scratch folder on a script that runs without a
    // word, so the only thing the start leaves behind is its settings.
    void StartVireo()
    {
        std::string script = folder.Write("empty.Vireo", "Version|1.5.4|2|\r\n");
        ProgramUnderTest vireo(VireoExe(), "\"" + script + "\"", folder.path());
        ASSERT_TRUE(vireo.started());
        ASSERT_EQ(vireo.WaitForExit(30000), 0u);
    }

    SimulatedProduct product;
    ScratchFolder folder;
};

TEST_F(SettingsTest, FirstStartWritesEveryDefault)
{
    StartVireo();
    for (const char* name : {"SavePath", "LoadPath", "ImagePath", "ExecutablePath"})
        EXPECT_TRUE(SamePath(ReadText(name), folder.path())) << name << ": " << ReadText(name);
    for (const char* name : {"Recent1", "Recent2", "Recent3", "Recent4"})
        EXPECT_EQ(ReadText(name), "") << name;
    EXPECT_EQ(ReadNumber("AutorunDelay"), 2000u);
    EXPECT_TRUE(SamePath(ReadText("MainIcon"), VireoExe())) << ReadText("MainIcon");
    EXPECT_EQ(ReadNumber("MainIconIndex"), 0u);
    EXPECT_TRUE(SamePath(ReadText("ScriptIcon"), VireoExe())) << ReadText("ScriptIcon");
    EXPECT_EQ(ReadNumber("ScriptIconIndex"), 1u);
    for (const char* name : {"ImageCompat", "AutorunCompat", "LastVirtualType"})
        EXPECT_EQ(ReadNumber(name), 0u) << name;

    RegistryValue icon = ReadValue(HKEY_CLASSES_ROOT, "VireoFile\\DefaultIcon", nullptr);
    ASSERT_TRUE(icon.present);
    EXPECT_TRUE(SamePath(icon.bytes.c_str(), VireoExe() + ",1")) << icon.bytes;
}

TEST_F(SettingsTest, KeepsStoredValuesAndCompactsRecentEntries)
{
    WriteNumber("AutorunDelay", 0);
    WriteText("LoadPath", "C:\\scripts");
    WriteText("Recent1", "");
    WriteText("Recent2", "C:\\a.Vireo");
    WriteText("Recent3", "");
    WriteText("Recent4", "C:\\b.Vireo");
    WriteNumber("AutorunCompat", 1);
    WriteNumber("LastVirtualType", 3);
    StartVireo();

    EXPECT_EQ(ReadNumber("AutorunDelay"), 0u);
    EXPECT_EQ(ReadText("LoadPath"), "C:\\scripts");
    EXPECT_EQ(ReadText("Recent1"), "C:\\a.Vireo");
    EXPECT_EQ(ReadText("Recent2"), "C:\\b.Vireo");
    EXPECT_EQ(ReadText("Recent3"), "");
    EXPECT_EQ(ReadText("Recent4"), "");
    EXPECT_EQ(ReadNumber("AutorunCompat"), 1u);
    EXPECT_EQ(ReadNumber("LastVirtualType"), 3u);
}

TEST_F(SettingsTest, EmptiedMainIconResetsBothIcons)
{
    WriteText("MainIcon", "");
    WriteText("ScriptIcon", "C:\\icons\\other.ico");
    WriteNumber("ScriptIconIndex", 7);
    StartVireo();
    EXPECT_TRUE(SamePath(ReadText("MainIcon"), VireoExe()));
    EXPECT_TRUE(SamePath(ReadText("ScriptIcon"), VireoExe()));
    EXPECT_EQ(ReadNumber("ScriptIconIndex"), 1u);
}

TEST_F(SettingsTest, OverlongTextValuesAreNotTakenOver)
{
    // A value longer than the 260-byte field must neither overrun it nor
    // come back cut off: it counts as missing.
    WriteText("SavePath", std::string(400, 'x'));
    WriteText("Recent1", std::string(260, 'y'));
    StartVireo();
    EXPECT_TRUE(SamePath(ReadText("SavePath"), folder.path())) << ReadText("SavePath");
    EXPECT_EQ(ReadText("Recent1"), "");
}

} // namespace
