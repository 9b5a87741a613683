// Items carried out by the runner, end to end against the simulated product.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "script_run.h"
#include "simulated_product.h"
#include "test_files.h"
#include "ui_driver.h"

namespace {

const std::string kHeader = "Version|1.5.4|2|\r\n";
const char kPolicyKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";

std::optional<DWORD> PolicyValue(const char* name)
{
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueA(HKEY_CURRENT_USER, kPolicyKey, name, RRF_RT_ANY, nullptr, &value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool HasMount(const std::vector<std::string>& calls)
{
    return std::any_of(calls.begin(), calls.end(),
                       [](const std::string& call) { return call.rfind("daemon.dll 2 ", 0) == 0; });
}

class ExecuteItemTest : public ::testing::Test {
protected:
    ExecuteItemTest()
    {
        product.InstallDaemon();
        SetVireoSetting("AutorunDelay", 0);
        SetVireoSetting("AutorunCompat", 0);
        records = folder.path() + "\\records.txt";
    }
    ~ExecuteItemTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, kPolicyKey); }

    // Expects the box, answers it, and gives back what it said.
    std::string AnswerBox(ScriptRun& run, const char* caption, int button)
    {
        MessageBoxSeen box = run.WaitForBox(caption);
        EXPECT_NE(box.window, nullptr) << "no " << caption << " box";
        EXPECT_TRUE(run.Answer(box, button));
        return box.text;
    }

    std::string Record() const { return RunGame("--record \"" + records + "\""); }

    SimulatedProduct product;
    ScratchFolder folder;
    std::string records;
};

TEST_F(ExecuteItemTest, SampleScriptMountsRunsWaitsAndUnmounts)
{
    std::string sampleFolder = "C:\\Vireo Sample";
    CreateDirectoryA(sampleFolder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(SimFile("game", "game.exe").c_str(), (sampleFolder + "\\game.exe").c_str(), FALSE));
    std::string image = MakeImageFile(sampleFolder, "Sample Disc.iso");
    std::ifstream sample(WinePath(std::getenv("VIREO_SOURCE_DIR_UNIX")) + "\\samples\\Sample.Vireo", std::ios::binary);
    std::string script((std::istreambuf_iterator<char>(sample)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(script.empty());

    ScriptRun run(folder, script);
    ASSERT_NE(run.WaitForTrayWindow(), nullptr);
    HWND game = WaitForWindow(0, "Simulated Game", "#32770", 30000);
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(product.Get("Image0"), image);
    EXPECT_FALSE(run.WaitForExit(1000)) << "the run must wait for the game to end";

    ASSERT_TRUE(PressButton(game, IDOK));
    EXPECT_EQ(run.WaitForExit(), 0u);
    EXPECT_EQ(product.Get("Image0"), "");
    EXPECT_EQ(product.Calls(),
              (std::vector<std::string>{"daemon.dll 1", "daemon.dll 2 0 " + image, "daemon.dll 12 null",
                                        "daemon.dll 2 0 ", "daemon.dll 12 null"}));
    DeleteFileA((sampleFolder + "\\game.exe").c_str());
    DeleteFileA(image.c_str());
    RemoveDirectoryA(sampleFolder.c_str());
}

TEST_F(ExecuteItemTest, MountSetsTheAutorunPolicyForItsDurationOnly)
{
    struct Case {
        const char* autorun;
        DWORD noDriveAutoRun, noDriveTypeAutoRun;
    };
    const Case cases[] = {{"1", 0, 0}, {"0", 0x3FFFFFF, 0x20}};
    SetVireoSetting("AutorunDelay", 1500);
    std::string image = MakeImageFile(folder.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.autorun);
        RegDeleteTreeA(HKEY_CURRENT_USER, kPolicyKey);
        DWORD before = 5;
        RegSetKeyValueA(HKEY_CURRENT_USER, kPolicyKey, "NoDriveAutoRun", REG_DWORD, &before, sizeof before);
        product.ClearCalls();

        ScriptRun run(folder, kHeader + "Mount|" + image + "|0|" + c.autorun + "|\r\n");
        // The policy holds until the second wait after the mount is over.
        DWORD start = GetTickCount();
        while (!HasMount(product.Calls()) && GetTickCount() - start < 30000)
            Sleep(20);
        EXPECT_EQ(PolicyValue("NoDriveAutoRun"), c.noDriveAutoRun);
        EXPECT_EQ(PolicyValue("NoDriveTypeAutoRun"), c.noDriveTypeAutoRun);

        EXPECT_EQ(run.WaitForExit(), 0u);
        EXPECT_EQ(PolicyValue("NoDriveAutoRun"), 5u);
        EXPECT_EQ(PolicyValue("NoDriveTypeAutoRun"), 0u) << "an absent value comes back as 0";
    }
}

TEST_F(ExecuteItemTest, AutorunCompatLeavesThePolicyAlone)
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kPolicyKey);
    SetVireoSetting("AutorunCompat", 1);
    std::string image = MakeImageFile(folder.path());
    ScriptRun run(folder, kHeader + "Mount|" + image + "|0|0|\r\n");
    EXPECT_EQ(run.WaitForExit(), 0u);
    EXPECT_TRUE(HasMount(product.Calls()));
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, kPolicyKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(ExecuteItemTest, WrongFieldCountsMountNothing)
{
    ScriptRun run(folder, kHeader + "Mount|a.iso|0|\r\nMount|a.iso|0|1|x|\r\nmount|b.iso|0|1|\r\n");
    EXPECT_EQ(AnswerBox(run, "Error", IDYES), RunErrorPrompt(2, "Invalid parameter count."));
    EXPECT_EQ(AnswerBox(run, "Error", IDYES), RunErrorPrompt(3, "Invalid parameter count."));
    // The third line has the right count; its image does not exist.
    EXPECT_EQ(AnswerBox(run, "Error", IDYES), RunErrorPrompt(4, "The image file could not be found."));
    EXPECT_EQ(run.WaitForExit(), 0u);
    std::vector<std::string> calls = product.Calls();
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                            [](const std::string& call) { return call.rfind("daemon.dll 2 ", 0) == 0; }),
              1);
}

TEST_F(ExecuteItemTest, FailedItemAsksOnceAndNoEndsTheRun)
{
    std::string script = kHeader + "Mount|" + folder.path() + "\\missing.iso|0|1|\r\nDelay|10|\r\n" + Record();

    {
        ScriptRun run(folder, script);
        EXPECT_EQ(AnswerBox(run, "Error", IDYES), RunErrorPrompt(2, "The image file could not be found."));
        // Neither the Delay nor the RunApp after it is asked about.
        EXPECT_EQ(WaitForGameRecords(records, 1).size(), 1u);
        EXPECT_EQ(run.WaitForExit(), 0u);
    }
    {
        ScriptRun run(folder, script);
        AnswerBox(run, "Error", IDNO);
        EXPECT_EQ(run.WaitForExit(), 0u);
        Sleep(500);
        EXPECT_EQ(ReadGameRecords(records).size(), 1u) << "No ends the run before the next item";
    }
}

TEST_F(ExecuteItemTest, UnknownKindIsAQuestion)
{
    {
        ScriptRun run(folder, kHeader + "Foo|1|\r\n" + Record());
        EXPECT_EQ(AnswerBox(run, "Question", IDYES), RunErrorPrompt(2, "Invalid or unknown script item."));
        EXPECT_EQ(WaitForGameRecords(records, 1).size(), 1u);
        EXPECT_EQ(run.WaitForExit(), 0u);
    }
    {
        ScriptRun run(folder, kHeader + "Script Info|x|\r\n|1|\r\n" + Record());
        EXPECT_EQ(AnswerBox(run, "Question", IDNO), RunErrorPrompt(3, "Invalid or unknown script item."));
        EXPECT_EQ(run.WaitForExit(), 0u);
        Sleep(500);
        EXPECT_EQ(ReadGameRecords(records).size(), 1u);
    }
}

TEST_F(ExecuteItemTest, DelayReadsIntegerLiterals)
{
    // 0xBB8 is 3000 milliseconds; 03000 is octal, 1536 milliseconds. The
    // bounds leave room for the games' own start-up times.
    ScriptRun run(folder, kHeader + Record() + "Delay|0xBB8|\r\n" + Record() + "Delay|03000|\r\n" + Record());
    EXPECT_EQ(run.WaitForExit(), 0u);
    std::vector<GameRecord> ticks = WaitForGameRecords(records, 3);
    ASSERT_EQ(ticks.size(), 3u);
    uint64_t hex = ticks[1].tick - ticks[0].tick;
    uint64_t octal = ticks[2].tick - ticks[1].tick;
    EXPECT_GE(hex, 2800u);
    EXPECT_LT(hex, 3900u);
    EXPECT_GE(octal, 1300u);
    EXPECT_LT(octal, 2500u);
}

TEST_F(ExecuteItemTest, NegativeDelayFailsInsteadOfSleepingForever)
{
    ScriptRun run(folder, kHeader + "Delay|-1|\r\n");
    EXPECT_EQ(AnswerBox(run, "Error", IDYES), RunErrorPrompt(2, "The delay cannot be negative."));
    EXPECT_EQ(run.WaitForExit(), 0u);
}

TEST_F(ExecuteItemTest, RunAppStartsInTheRightFolder)
{
    std::string gameFolder = SimFile("game", "");
    gameFolder.pop_back();
    SetEnvironmentVariableA("VIREO_TEST_GAME", SimFile("game", "game.exe").c_str());
    SetEnvironmentVariableA("VIREO_TEST_GAME_FOLDER", gameFolder.c_str());
    char ownFolder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, ownFolder); // the runner inherits it

    std::string recordArgument = "--record \"" + records + "\"";
    ScriptRun run(folder, kHeader +
                              // no startup directory: the program's own folder
                              Record() +
                              // a startup directory: that one
                              RunGame(recordArgument, folder.path()) +
                              // variables expanded, the folder taken from the unexpanded text
                              "RunApp|%VIREO_TEST_GAME_FOLDER%\\game.exe|" + recordArgument + "||\r\n" +
                              // no backslash, so no folder of its own: the runner's
                              "RunApp|%VIREO_TEST_GAME%|" + recordArgument + "||\r\n");
    EXPECT_EQ(run.WaitForExit(), 0u);
    std::vector<GameRecord> started = WaitForGameRecords(records, 4);
    ASSERT_EQ(started.size(), 4u);
    // The programs start side by side, so their records come in any order.
    auto startedIn = [&](const std::string& wanted) {
        return std::count_if(started.begin(), started.end(), [&](const GameRecord& record) {
            return lstrcmpiA(record.folder.c_str(), wanted.c_str()) == 0;
        });
    };
    EXPECT_EQ(startedIn(gameFolder), 2) << gameFolder;
    EXPECT_EQ(startedIn(folder.path()), 1) << folder.path();
    EXPECT_EQ(startedIn(ownFolder), 1) << ownFolder;
}

TEST_F(ExecuteItemTest, RunAppFailureShowsTheSystemReason)
{
    ScriptRun run(folder, kHeader + "RunApp|" + folder.path() + "\\missing.exe|||\r\n");
    MessageBoxSeen box = run.WaitForBox("Error");
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, RunErrorPrompt(2, WithoutLineEnd(SystemErrorText(ERROR_FILE_NOT_FOUND))));
    run.Answer(box, IDYES);
    EXPECT_EQ(run.WaitForExit(), 0u);
}

TEST_F(ExecuteItemTest, WaitForAppUntilRunningTimesOutWithoutError)
{
    DWORD start = GetTickCount();
    ScriptRun run(folder, kHeader + "WaitForApp|vireo-never-started|5|1|\r\n");
    EXPECT_EQ(run.WaitForExit(), 0u);
    DWORD elapsed = GetTickCount() - start;
    EXPECT_GE(elapsed, 4000u);
    EXPECT_LT(elapsed, 9000u);
}

TEST_F(ExecuteItemTest, WaitForAppMatchesNamePrefixInAnyCase)
{
    // Until running: the game is found at once, by a prefix of its name.
    ScriptRun running(folder, kHeader + RunGame("--sleep 3000") + "WaitForApp|gAmE|0|1|\r\n" + Record());
    EXPECT_EQ(running.WaitForExit(), 0u);
    EXPECT_EQ(WaitForGameRecords(records, 1).size(), 1u);

    // Until ended: the next item runs only once the game is gone.
    ScriptRun ended(folder, kHeader + RunGame("--record \"" + records + "\" --sleep 2500") +
                                "Delay|300|\r\nWaitForApp|GAME.EXE|0|0|\r\n" + Record());
    EXPECT_EQ(ended.WaitForExit(), 0u);
    std::vector<GameRecord> ticks = WaitForGameRecords(records, 3);
    ASSERT_EQ(ticks.size(), 3u);
    EXPECT_GE(ticks[2].tick - ticks[1].tick, 2400u);
}

} // namespace
