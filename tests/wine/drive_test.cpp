// Binding the products and driving them, against the simulated library.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "drive/drive_operations.h"
#include "drive/virtual_drive.h"
#include "simulated_product.h"
#include "test_files.h"

namespace {

constexpr int kAlcohol120 = 1;
constexpr int kDaemonTools = 2;
constexpr int kAlcohol52 = 3;

bool Contains(const std::vector<std::string>& calls, const std::string& call)
{
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

class DriveTest : public ::testing::Test {
protected:
    // Binds, expects the outcome, and unloads, so the next case can replace
    // the library files.
    void ExpectBind(int type, const char* status)
    {
        std::unique_ptr<VirtualDrive> drive = Bind(type);
        EXPECT_EQ(Failed(*drive), status[0] != '\0') << StatusText(*drive);
        EXPECT_STREQ(StatusText(*drive), status);
        Unload(*drive);
    }

    std::string Version(int type)
    {
        std::unique_ptr<VirtualDrive> drive = Bind(type);
        char text[32] = {};
        VersionText(*drive, text, sizeof text);
        Unload(*drive);
        return text;
    }

    SimulatedProduct product;
    ScratchFolder folder;
};

TEST_F(DriveTest, DaemonToolsBindingFailuresSayWhy)
{
    ExpectBind(kDaemonTools, "DAEMON Tools is not installed.");

    std::string unloadable = product.PlaceUnloadableDaemon();
    ExpectBind(kDaemonTools, "DAEMON Tools Virtual Drives are locked.");
    {
        // Held open without sharing by the product: neither loadable nor
        // openable, so it counts as not installed.
        HANDLE held = CreateFileA(unloadable.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        ExpectBind(kDaemonTools, "DAEMON Tools is not installed.");
        CloseHandle(held);
    }
    DeleteFileA(unloadable.c_str());

    struct Case {
        const char* variant;
        const char* status;
    };
    const Case variants[] = {
        {"daemon-no13", "You are using an old version of DAEMON Tools. Please update to the latest version."},
        {"daemon-no1", "DAEMON Tools is malfunctioning or is locked."},
        {"daemon-no7", "DAEMON Tools is malfunctioning or is locked."},
    };
    for (const Case& c : variants) {
        SCOPED_TRACE(c.variant);
        product.InstallDaemon(c.variant);
        ExpectBind(kDaemonTools, c.status);
    }

    product.InstallDaemon();
    product.Set("DriverCheck", static_cast<DWORD>(-1));
    ExpectBind(kDaemonTools, "No driver installed (try reinstalling DAEMON Tools or rebooting)");
    product.Set("DriverCheck", static_cast<DWORD>(-2));
    ExpectBind(kDaemonTools, "Driver version mismatch (try reinstalling DAEMON Tools or rebooting)");
}

TEST_F(DriveTest, DaemonToolsBindsAndChecksItsDriver)
{
    product.InstallDaemon();
    product.Set("DriverCheck", 1u); // any answer but -1 and -2 means ready
    std::unique_ptr<VirtualDrive> drive = Bind(kDaemonTools);
    EXPECT_FALSE(Failed(*drive)) << StatusText(*drive);
    EXPECT_STREQ(StatusText(*drive), "");
    EXPECT_EQ(drive->lastResult, 1);
    EXPECT_STREQ(ProductName(*drive), "DAEMON Tools");
    char version[32] = {};
    VersionText(*drive, version, sizeof version);
    EXPECT_STREQ(version, "4.35.6.0");
    EXPECT_EQ(product.Calls(), std::vector<std::string>{"daemon.dll 1"});
    Unload(*drive);
}

TEST_F(DriveTest, InvalidTypesBindNothing)
{
    for (int type : {0, 4, -1}) {
        SCOPED_TRACE(type);
        ExpectBind(type, "Invalid Virtual DVD-ROM Value.");
        EXPECT_STREQ(ProductName(type), "Unknown");
    }
}

TEST_F(DriveTest, AlcoholFolderNameDecidesTheProduct)
{
    ExpectBind(kAlcohol120, "Alcohol 120% is not installed.");

    // Quoted, with a trailing backslash, as installers often register it.
    std::string folder120 = product.InstallAlcohol("Alcohol 120");
    product.RegisterAlcohol("\"" + folder120 + "\\\"");
    ExpectBind(kAlcohol120, "");
    ExpectBind(kAlcohol52, "Alcohol 52% is not installed.");

    std::string folder52 = product.InstallAlcohol("alcohol 52");
    product.RegisterAlcohol(folder52);
    ExpectBind(kAlcohol52, "");
    ExpectBind(kAlcohol120, "Alcohol 120% is not installed.");

    // The right folder name, but no library in it.
    std::string empty = product.InstallAlcohol("Empty Alcohol 120", {nullptr, nullptr});
    product.RegisterAlcohol(empty);
    ExpectBind(kAlcohol120, "Alcohol 120% is not installed.");
}

TEST_F(DriveTest, AlcoholVersionComesFromItsProgramElseItsLibrary)
{
    struct Case {
        const char* folder;
        AlcoholFiles files;
        const char* version;
    };
    const Case cases[] = {
        {"A Alcohol 120", {"alcohol", "alcohol"}, "2.0.3.7"},
        {"B Alcohol 120", {"alcohol", nullptr}, "2.0.2.5"},
        {"C Alcohol 120", {"alcohol-noversion", "alcohol-old"}, "1.4.6.0"},
        {"D Alcohol 120", {"alcohol-noversion", nullptr}, "N/A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        product.RegisterAlcohol(product.InstallAlcohol(c.folder, c.files));
        EXPECT_EQ(Version(kAlcohol120), c.version);
    }
}

TEST_F(DriveTest, OperationsPassTheirArgumentsToTheLibrary)
{
    product.InstallDaemon();
    product.Set("DeviceCount", 2u);
    std::string image = MakeImageFile(folder.path());
    std::unique_ptr<VirtualDrive> drive = Bind(kDaemonTools);
    ASSERT_FALSE(Failed(*drive));
    product.ClearCalls();

    MountImage(*drive, 1, image.c_str());
    EXPECT_FALSE(Failed(*drive)) << StatusText(*drive);
    EXPECT_EQ(product.Get("Image1"), image);
    UnmountDevice(*drive, 1);
    EXPECT_FALSE(Failed(*drive));
    EXPECT_EQ(product.Get("Image1"), "");

    SetDeviceCount(*drive, 0);
    SetDeviceCount(*drive, 3);
    EXPECT_FALSE(Failed(*drive));
    EXPECT_EQ(product.Get("DeviceKinds"), "5,5,5");

    // Every result, success included, has its text looked up (ordinal 12).
    EXPECT_EQ(product.Calls(),
              (std::vector<std::string>{"daemon.dll 2 1 " + image, "daemon.dll 12 null", "daemon.dll 2 1 ",
                                        "daemon.dll 12 null", "daemon.dll 8 0", "daemon.dll 12 null",
                                        "daemon.dll 8 3 5,5,5", "daemon.dll 12 null"}));
    Unload(*drive);
}

TEST_F(DriveTest, EmulationsChangeOnlyTheMaskedSwitches)
{
    struct Case {
        DWORD current;
        uint32_t values, mask;
        const char* written;
    };
    const Case cases[] = {
        {0x1FF, 0x00, 0x1F, "daemon.dll 5 0x00000138"}, // all five off; 0x8-0x20 and 0x100 stay
        {0x000, 0x18, 0x18, "daemon.dll 5 0x000000C0"}, // RMPS and ATIP on, as product bits
        {0x005, 0x02, 0x03, "daemon.dll 5 0x00000006"}, // Safedisc off, Securom on, Laserlock left
        {0x0C1, 0x00, 0x00, "daemon.dll 5 0x000000C1"}, // nothing to change: written back as it was
    };
    product.InstallDaemon();
    std::unique_ptr<VirtualDrive> drive = Bind(kDaemonTools);
    for (const Case& c : cases) {
        product.Set("Emulations", c.current);
        product.ClearCalls();
        SetEmulations(*drive, c.values, c.mask);
        EXPECT_FALSE(Failed(*drive));
        EXPECT_EQ(product.Calls(), (std::vector<std::string>{"daemon.dll 4", c.written, "daemon.dll 12 null"}));
    }

    product.Set("SetEmulationsResult", 1u);
    SetEmulations(*drive, 0, 0);
    EXPECT_TRUE(Failed(*drive));
    EXPECT_STREQ(StatusText(*drive), "The virtual drive is busy.");
    Unload(*drive);
}

TEST_F(DriveTest, DeviceCountFailures)
{
    product.InstallDaemon();
    std::unique_ptr<VirtualDrive> drive = Bind(kDaemonTools);
    product.ClearCalls();

    SetDeviceCount(*drive, -1);
    EXPECT_TRUE(Failed(*drive));
    EXPECT_STREQ(StatusText(*drive), "The number of devices cannot be negative.");
    EXPECT_TRUE(product.Calls().empty());

    SetDeviceCount(*drive, 5); // the simulated product allows 4
    EXPECT_TRUE(Failed(*drive));
    EXPECT_STREQ(StatusText(*drive), "The requested number of devices exceeds the maximum.");
    Unload(*drive);
}

TEST_F(DriveTest, DaemonToolsTextsComeFromItsMessageTableThenTheSystem)
{
    product.InstallDaemon();
    std::unique_ptr<VirtualDrive> drive = Bind(kDaemonTools);

    MountImage(*drive, 0, (folder.path() + "\\missing.iso").c_str());
    EXPECT_TRUE(Failed(*drive));
    EXPECT_EQ(drive->mountResult, 4);
    EXPECT_STREQ(StatusText(*drive), "The image file could not be found.");
    EXPECT_TRUE(Contains(product.Calls(), "daemon.dll 12 null"));

    product.Set("MountResult", static_cast<DWORD>(ERROR_ACCESS_DENIED));
    MountImage(*drive, 0, "");
    EXPECT_TRUE(Failed(*drive));
    EXPECT_EQ(StatusText(*drive), WithoutLineEnd(SystemErrorText(ERROR_ACCESS_DENIED)));

    // Success clears the failure of the step before.
    product.Set("MountResult", 0u);
    MountImage(*drive, 0, MakeImageFile(folder.path()).c_str());
    EXPECT_FALSE(Failed(*drive));
    Unload(*drive);
}

TEST_F(DriveTest, AlcoholTextsComeTheWayItsReleaseKeepsThem)
{
    struct Case {
        const char* folder;
        AlcoholFiles files;
        std::string registered; // %s = the folder
        const char* text;
        const char* textModuleCall;
    };
    const Case cases[] = {
        {"Alcohol 120", {"alcohol", "alcohol"}, "%s\\", "Image file not found.", "alcoholx.dll 12 module"},
        {"Alcohol 120", {"alcohol", "alcohol"}, "\"%s\"", "Image file not found.", "alcoholx.dll 12 module"},
        {"Alcohol 120", {"alcohol", "alcohol-old"}, "%s", "The image file could not be found.", "alcoholx.dll 12 null"},
        {"Alcohol 120",
         {"alcohol-noversion", nullptr},
         "%s",
         "The image file could not be found.",
         "alcoholx.dll 12 null"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.files.library) + " " + c.registered);
        std::string installed = product.InstallAlcohol(c.folder, c.files);
        std::string registered = c.registered;
        registered.replace(registered.find("%s"), 2, installed);
        product.RegisterAlcohol(registered);
        std::unique_ptr<VirtualDrive> drive = Bind(kAlcohol120);
        ASSERT_FALSE(Failed(*drive)) << StatusText(*drive);
        product.ClearCalls();

        MountImage(*drive, 0, (folder.path() + "\\missing.iso").c_str());
        EXPECT_TRUE(Failed(*drive));
        EXPECT_STREQ(StatusText(*drive), c.text);
        EXPECT_TRUE(Contains(product.Calls(), c.textModuleCall));
        Unload(*drive);
    }
}

TEST_F(DriveTest, FixedAndSystemStatusTexts)
{
    product.InstallDaemon();
    std::unique_ptr<VirtualDrive> drive = Bind(kDaemonTools);
    struct Case {
        int32_t code;
        bool fromLibrary;
        std::string text;
    };
    const Case cases[] = {
        {kStatusInvalidParameterCount, true, "Invalid parameter count."},
        {kStatusInvalidProduct, false, "Invalid Virtual DVD-ROM Value."},
        {kStatusNoToolhelp, false,
         "The Toolhelp components could not be loaded.\nAs a result, the WaitForApp command will not work."},
        {ERROR_FILE_NOT_FOUND, false, WithoutLineEnd(SystemErrorText(ERROR_FILE_NOT_FOUND))},
    };
    for (const Case& c : cases) {
        SetStatusFromCode(*drive, c.code, c.fromLibrary);
        EXPECT_TRUE(Failed(*drive));
        EXPECT_EQ(drive->statusText, c.text) << "stored without the system's closing line end";
    }
    SetStatusFromCode(*drive, 0, true);
    EXPECT_FALSE(Failed(*drive));
    Unload(*drive);
}

TEST_F(DriveTest, OperationsOfAnUnboundDriveDoNothing)
{
    product.InstallDaemon();
    std::unique_ptr<VirtualDrive> drive = Bind(4);
    product.ClearCalls();
    MountImage(*drive, 0, "x.iso");
    SetEmulations(*drive, 1, 1);
    SetDeviceCount(*drive, 1);
    EXPECT_TRUE(product.Calls().empty());
    EXPECT_STREQ(StatusText(*drive), "Invalid Virtual DVD-ROM Value.");
}

} // namespace
