// The runner role end to end: Vireo.exe started with a script path, its
// message boxes read and answered from this process.
#include <gtest/gtest.h>

#include <string>

#include "simulated_product.h"
#include "test_files.h"
#include "ui_driver.h"

namespace {

constexpr DWORD kExitTimeout = 30000;

const char kInvalidScript[] =
    "Unable to load Vireo script! Invalid Format or Corrupt Script!\n\nPlease verify that the file you are attempting "
    "to load is a working Vireo script.";
const char kScriptTooNew[] =
    "This script was created with a newer version of Vireo.\n\nPlease update Vireo to the latest version to access "
    "this script.";
const char kInvalidItem[] = "Invalid or unnkown script item.";
const char kUnknownProduct[] =
    "The current script is setup to use UNKNOWN as a Virtual CD-ROM.\nThis Virtual DVD-ROM is not installed (or not "
    "functioning properly) on your system.";

class RunnerTest : public ::testing::Test {
protected:
    // Runs Vireo.exe on the argument text, expects one box with that caption
    // and text, answers it with the button and expects the process to end
    // with exit code 0.
    void ExpectSingleBox(const std::string& arguments, const char* caption, const std::string& text, int button = IDOK)
    {
        ProgramUnderTest vireo(VireoExe(), arguments);
        ASSERT_TRUE(vireo.started());
        MessageBoxSeen box = WaitForMessageBox(vireo.id(), caption);
        ASSERT_NE(box.window, nullptr) << "no \"" << caption << "\" box for " << arguments;
        EXPECT_EQ(box.text, text);
        ASSERT_TRUE(PressButton(box.window, button));
        EXPECT_EQ(vireo.WaitForExit(kExitTimeout), 0u);
    }

    RunnerTest() { product.InstallDaemon(); }

    // The script's path in double quotes, as the shell passes it.
    std::string Script(const std::string& bytes) { return Quoted(folder.Write("test.Vireo", bytes)); }

    SimulatedProduct product;
    ScratchFolder folder;
};

TEST_F(RunnerTest, MissingFileShowsTheSystemReason)
{
    std::string expected = "An error occured while trying to read the file:\n" + SystemErrorText(ERROR_FILE_NOT_FOUND);
    ExpectSingleBox(Quoted(folder.path() + "\\missing.Vireo"), "Error", expected);
}

TEST_F(RunnerTest, LowerCaseSwitchIsAScriptPath)
{
    // "/edit:" is no switch: the whole text is a path that cannot be opened.
    ProgramUnderTest vireo(VireoExe(), "/edit:" + folder.Write("test.Vireo", "Version|1.5.4|2|\r\n"));
    MessageBoxSeen box = WaitForMessageBox(vireo.id(), "Error");
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text.rfind("An error occured while trying to read the file:\n", 0), 0u) << box.text;
    EXPECT_EQ(WaitForWindow(vireo.id(), "Vireo", "#32770", 0), nullptr) << "the editor must stay hidden";
    ASSERT_TRUE(PressButton(box.window, IDOK));
    EXPECT_EQ(vireo.WaitForExit(kExitTimeout), 0u);
}

TEST_F(RunnerTest, FilesThatAreNoScriptAreRefused)
{
    for (const char* bytes : {"", "\r\nVersion|1.5.4|2|\r\n", "Mount|a.iso|0|1|\r\n", "Versio|1.5.4|2|\r\n"}) {
        SCOPED_TRACE(bytes);
        ExpectSingleBox(Script(bytes), "Error", kInvalidScript);
    }
}

TEST_F(RunnerTest, ScriptsOfANewerVersionAreRefused)
{
    for (const char* header : {"Version|1.5.5|2|\r\n", "Version|1.6.0|2|\r\n", "Version|1.4.1500|2|\r\n"}) {
        SCOPED_TRACE(header);
        ExpectSingleBox(Script(header), "Error", kScriptTooNew);
    }
}

TEST_F(RunnerTest, UnknownProductEndsTheRun)
{
    for (const char* header : {"Version|1.5.4|0|\r\n", "Version|1.5.4|4|\r\n"}) {
        SCOPED_TRACE(header);
        ExpectSingleBox(Script(std::string(header) + "Rubbish\r\n"), "Error", kUnknownProduct);
    }
}

TEST_F(RunnerTest, AcceptedHeadersBindTheirProductAndRun)
{
    product.RegisterAlcohol(product.InstallAlcohol("Alcohol 120"));
    struct Case {
        const char* script;
        const char* driverCheck;
    };
    const Case cases[] = {
        {"Version|1.5.4|2|\r\n", "daemon.dll 1"},
        {"VERSION|1.4.999|1|", "alcoholx.dll 1"},
        {"version|1.5.4|\r\nDelay|1|\r\n", "daemon.dll 1"},
        {"Version|junk|2|\r\n", "daemon.dll 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        product.ClearCalls();
        ProgramUnderTest vireo(VireoExe(), Script(c.script));
        EXPECT_EQ(vireo.WaitForExit(kExitTimeout), 0u);
        EXPECT_EQ(product.Calls(), std::vector<std::string>{c.driverCheck});
    }
}

TEST_F(RunnerTest, ProductThatCannotBeBoundEndsTheRun)
{
    product.Set("DriverCheck", static_cast<DWORD>(-2));
    ExpectSingleBox(Script("Version|1.5.4|2|\r\nRubbish\r\n"), "Error",
                    "Driver version mismatch (try reinstalling DAEMON Tools or rebooting)");
    ExpectSingleBox(Script("Version|1.5.4|1|\r\nRubbish\r\n"), "Error", "Alcohol 120% is not installed.");
    ExpectSingleBox(Script("Version|1.5.4|3|\r\nRubbish\r\n"), "Error", "Alcohol 52% is not installed.");
}

TEST_F(RunnerTest, LineWithoutSeparatorAsksWithItsLineNumber)
{
    // A blank line is skipped but still counted.
    ProgramUnderTest vireo(VireoExe(), Script("Version|1.5.4|2|\r\nRubbish\r\n\r\nMore rubbish\r\nLast\r\n"));
    MessageBoxSeen first = WaitForMessageBox(vireo.id(), "Question");
    ASSERT_NE(first.window, nullptr);
    EXPECT_EQ(first.text, RunErrorPrompt(2, kInvalidItem));
    ASSERT_TRUE(PressButton(first.window, IDYES));

    ASSERT_TRUE(WaitUntilClosed(first.window, kExitTimeout));
    MessageBoxSeen second = WaitForMessageBox(vireo.id(), "Question");
    ASSERT_NE(second.window, nullptr);
    EXPECT_EQ(second.text, RunErrorPrompt(4, kInvalidItem));
    ASSERT_TRUE(PressButton(second.window, IDNO));

    // No ends the run: the prompt for line 5 never comes.
    EXPECT_EQ(vireo.WaitForExit(kExitTimeout), 0u);
}

TEST_F(RunnerTest, QuotedPathWithTrailingBackslashOpens)
{
    std::string path = folder.Write("test.Vireo", "Version|1.5.4|2|\r\nRubbish\r\n");
    ExpectSingleBox(Quoted(path + "\\"), "Question", RunErrorPrompt(2, kInvalidItem), IDNO);
}

} // namespace
