// The tray icon of a running script, clicked as the shell reports clicks.
#include <gtest/gtest.h>

#include <string>

#include "script_run.h"
#include "simulated_product.h"
#include "test_files.h"
#include "ui_driver.h"

namespace {

const std::string kHeader = "Version|1.5.4|2|\r\n";
constexpr UINT kTrayCallback = WM_USER + 50;
const char kPauseQuestion[] =
    "You have paused the current script.\n\nWould you like to terminate the script?\n\nClick Yes to terminate the "
    "script, or No to resume the script.";

class TrayTest : public ::testing::Test {
protected:
    TrayTest()
    {
        product.InstallDaemon();
        records = folder.path() + "\\records.txt";
    }

    std::string Record() const { return RunGame("--record \"" + records + "\""); }

    static void Click(HWND tray, LPARAM mouseMessage) { PostMessageA(tray, kTrayCallback, 1, mouseMessage); }

    SimulatedProduct product;
    ScratchFolder folder;
    std::string records;
};

TEST_F(TrayTest, ButtonReleasePausesAndNoResumesWhereItStood)
{
    for (LPARAM release : {LPARAM{WM_LBUTTONUP}, LPARAM{WM_RBUTTONUP}}) {
        SCOPED_TRACE(release);
        DeleteFileA(records.c_str());
        ScriptRun run(folder, kHeader + Record() + "Delay|1500|\r\n" + Record());
        HWND tray = run.WaitForTrayWindow();
        ASSERT_NE(tray, nullptr);
        ASSERT_EQ(WaitForGameRecords(records, 1).size(), 1u);

        Click(tray, release);
        MessageBoxSeen question = run.WaitForBox("Question");
        ASSERT_NE(question.window, nullptr);
        EXPECT_EQ(question.text, kPauseQuestion);
        // A click while the question is open is ignored: still one question.
        Click(tray, WM_LBUTTONUP);
        Sleep(2500);
        EXPECT_EQ(ReadGameRecords(records).size(), 1u) << "the run must stand still while paused";

        uint64_t resumed = GetTickCount64();
        ASSERT_TRUE(run.Answer(question, IDNO));
        EXPECT_EQ(run.WaitForBox("Question", 500).window, nullptr);
        EXPECT_EQ(run.WaitForExit(), 0u);
        // The delay's time ran on while paused, as the clock does; the run
        // went on only after No.
        std::vector<GameRecord> ticks = ReadGameRecords(records);
        ASSERT_EQ(ticks.size(), 2u);
        EXPECT_GE(ticks[1].tick, resumed);
    }
}

TEST_F(TrayTest, OtherMouseMessagesDoNothing)
{
    ScriptRun run(folder, kHeader + "Delay|3000|\r\n");
    HWND tray = run.WaitForTrayWindow();
    ASSERT_NE(tray, nullptr);
    for (LPARAM message : {WM_LBUTTONDBLCLK, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEMOVE})
        Click(tray, message);
    EXPECT_EQ(run.WaitForBox("Question", 1000).window, nullptr);
    EXPECT_EQ(run.WaitForExit(), 0u);
}

TEST_F(TrayTest, YesDuringWaitForAppEndsAtOnce)
{
    ScriptRun run(folder, kHeader + "WaitForApp|vireo-never-started|0|1|\r\n" + Record());
    HWND tray = run.WaitForTrayWindow();
    ASSERT_NE(tray, nullptr);
    Click(tray, WM_LBUTTONUP);
    MessageBoxSeen question = run.WaitForBox("Question");
    ASSERT_NE(question.window, nullptr);
    ASSERT_TRUE(PressButton(question.window, IDYES));
    EXPECT_EQ(run.WaitForExit(5000), 0u);
    EXPECT_TRUE(ReadGameRecords(records).empty());
}

} // namespace
