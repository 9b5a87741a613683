#include "editor/message_text.h"

namespace {

struct NumberedText {
    int number;
    const char* text;
};

constexpr NumberedText kTexts[] = {
    {150, "Creates a new Vireo\nShortcut: Ctrl+N"},
    {151, "Opens an existing Vireo\nClicking the down arrow displays recent Vireos\nShortcut: Ctrl+O"},
    {152, "Saves the currently open Vireo\nHold down shift to 'Save As'\nShortcut: Ctrl+S"},
    {154, "Creates a shortcut to the current entry\nShortcut: Ctrl+Alt+S"},
    {155, "Tests the current script\nShortcut: Ctrl+T"},
    {156, "Checks the internet for updates\nShortcut: Ctrl+U"},
    {157, "Displays various options for Vireo\nShortcut: Ctrl+Shift+O"},
    {158, "Displays help for Vireo\nShortcut: F1"},
    {159, "Displays author information\nSubmit Bug Report is also located here\nShortcut: Ctrl+A"},
    {131, "Inserts a %s command\nShortcut: Ctrl+%d"},
    {170, "Deletes the selected script item\nShortcut: Delete"},
    {171, "Moves the selected script item up\nShortcut: Ctrl+Up"},
    {172, "Moves the selected script item down\nShortcut: Ctrl+Down"},
    {201, "This script item provides information on the current script.\n\nPlease note that file size is based on "
          "the 'last save' file size."},
    {202, "When Vireo encounters a Mount action, it mounts the image in the specified device.\n\nPlease note that "
          "this action may take as much as 5 to 10 seconds to process! Also, if the target device is not enabled or "
          "the specified image cannot be found, Vireo will generate an error.\n\nTip: If you drag a file or shortcut "
          "here, Image will be filled in."},
    {203, "When Vireo encounters an UnMount action, unmounts the image mounted in the specified device.\n\nPlease "
          "note that if the specified device does not contain an image, Vireo will not generate an error."},
    {204, "When Vireo encounters a DeviceCount action, it enables the specified number of devices.\n\nPlease note "
          "that this action may take as much as 10 to 30 seconds to process! Vireo will generate an error if the "
          "specified number of devices exceeds the maximum number of devices allowed."},
    {205, "When Vireo encounters an Emulations action, it enables or disables the specified emulations.\n\nPlease "
          "note that if an emulation check box is grayed, Vireo will not change the emulation setting for the "
          "respective emulation."},
    {206, "When Vireo encounters a RunApp action, it launches the specified application with in the specified "
          "directory and with the specified parameters.\n\nTip: If you drag a shortcut here, Executable, Parameters, "
          "and Startup Directory will be filled in. If you drag a standard file here, Executable will be filled in."},
    {207, "When Vireo encounters a delay action, it pauses for the specified interval before continuing to the next "
          "script item.\n\nPlease note that one thousand milliseconds equals one second!"},
    {208, "When Vireo encounters a WaitForApp action, it waits for the specified application to either execute or "
          "terminate (or timeout), whichever is checked.\n\nTip: If you drag a file or shortcut here, Application "
          "will be filled in."},
    {230, "Are you sure you want to delete this script item?"},
    {231, "An error occured while showing the Save As Dialog Box"},
    {232, "An error occured while showing the Load Dialog Box"},
    {233, "You have modified the currently open script.\nWould you like to save changes?"},
    {234, "You must save your script before continuing."},
    {235, "An error occured while trying to read the file:\n%s"},
    {236, "An error occured while trying to write the file:\n%s"},
    {237, "Unable to load Vireo script! Invalid Format or Corrupt Script!\n\nPlease verify that the file you are "
          "attempting to load is a working Vireo script."},
    {239, "An unknown or invlid script action was found on line %d.\n\nThe script item has been ignored."},
    {240, "Error on line %d:\n%s\n\nWould you like to continue execution?"},
    {241, "This script was created with a newer version of Vireo.\n\nPlease update Vireo to the latest version to "
          "access this script."},
    {242, "Unable to load PickIconDlg!"},
    {250, "Unable to check for updates!\n\nPlease verify you are connected to the internet.\n\nIf you are connected, "
          "the update server may be down.\nPlease try again later."},
    {251, "Vireo must be closed before continuing the update process."},
    {252, "No updates found! You have the most current version!"},
    {253, "Would you like to save the setup files on your computer?\n\nNote: Clicking No will not stop the setup "
          "process."},
    {254, "An update is available!\n\nVireo Version %d.%d.%d.%d (%s):\n%s\n\nWould you like to download and install "
          "the update?"},
    {272, "The current script is setup to use %s as a Virtual CD-ROM.\nThis Virtual DVD-ROM is not installed (or not "
          "functioning properly) on your system."},
    {271, "The Virtual DVD-ROM you specified is invalid.\n\nDefaulting to DAEMON Tools."},
    {274, "You have invalid characters in %s.\n\nYou may not use the following characters: \\ / : * ? \" < > |\n"},
    {275, "You have invalid characters in %s.\n\nYou may not use the following characters: / * ? \" < > |\n"},
    {256, "%s must be a number."},
    {257, "%s must not be zero-length."},
    {290, "You have paused the current script.\n\nWould you like to terminate the script?\n\nClick Yes to terminate "
          "the script, or No to resume the script."},
    {291, "Vireo Running\n       Click to Pause"},
};

} // namespace

const char* MessageText(int number)
{
    for (const NumberedText& entry : kTexts) {
        if (entry.number == number)
            return entry.text;
    }
    return "";
}
