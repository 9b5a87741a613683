// Drives the program under test from another process, the way a person
// would: start it, find its windows, read what they say, press their buttons.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class ProgramUnderTest {
public:
    // Starts the program with the argument text (what follows the program's
    // own name on its command line), in the folder when one is given.
    ProgramUnderTest(const std::string& exePath, const std::string& arguments, const std::string& folder = "");
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD id() const { return processId_; }

    // The exit code, or nothing when the process still runs after the wait.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
};

enum class Visibility { VisibleOnly, AnyWindow };

// A top-level window of the process (0: of any process) with that title and
// class (null: any), waited for up to the time-out; null when none appeared.
HWND WaitForWindow(DWORD processId, const char* title, const char* className, DWORD timeoutMs,
                   Visibility visibility = Visibility::VisibleOnly);

// Waits until the window is gone; false when it is still there.
bool WaitUntilClosed(HWND window, DWORD timeoutMs);

// Whether any visible top-level window of the process is open now.
bool HasVisibleWindow(DWORD processId);

std::string WindowText(HWND window);

// The message of a message box.
std::string MessageBoxText(HWND box);

struct ControlText {
    int id;
    std::string className;
    std::string text;
};

std::vector<ControlText> DialogControlTexts(HWND dialog);

// Presses the dialog's button with that id, as a click would.
bool PressButton(HWND dialog, int buttonId);

// Waits for a message box of the process (dialog class, the caption given),
// checks nothing itself, and answers its text and handle.
struct MessageBoxSeen {
    HWND window = nullptr;
    std::string text;
};
MessageBoxSeen WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs = 30000);

// Windows-style form of a path on the Unix side of Wine (Z: drive).
std::string WinePath(const std::string& unixPath);
