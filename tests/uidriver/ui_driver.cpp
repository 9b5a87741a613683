#include "ui_driver.h"

#include <algorithm>
#include <cstring>

ProgramUnderTest::ProgramUnderTest(const std::string& exePath, const std::string& arguments, const std::string& folder)
{
    std::string commandLine = "\"" + exePath + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
}

ProgramUnderTest::~ProgramUnderTest()
{
    if (!process_)
        return;
    // A test that failed half way must not leave its program behind.
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 5000);
    }
    CloseHandle(process_);
}

std::optional<DWORD> ProgramUnderTest::WaitForExit(DWORD timeoutMs)
{
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

namespace {

struct WindowQuery {
    DWORD processId;
    const char* title;
    const char* className;
    Visibility visibility;
    HWND found;
};

std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// The title as the system keeps it: asks the window nothing, so a window
// whose thread is busy cannot hold up the search.
std::string TitleOf(HWND window)
{
    char title[512] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM param)
{
    auto* query = reinterpret_cast<WindowQuery*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (query->processId != 0 && owner != query->processId)
        return TRUE;
    if (query->visibility == Visibility::VisibleOnly && !IsWindowVisible(window))
        return TRUE;
    if (query->title && TitleOf(window) != query->title)
        return TRUE;
    if (query->className && ClassOf(window) != query->className)
        return TRUE;
    query->found = window;
    return FALSE;
}

HWND FindWindowOf(DWORD processId, const char* title, const char* className,
                  Visibility visibility = Visibility::VisibleOnly)
{
    WindowQuery query = {processId, title, className, visibility, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

BOOL CALLBACK CollectControl(HWND control, LPARAM param)
{
    auto* controls = reinterpret_cast<std::vector<ControlText>*>(param);
    controls->push_back({GetDlgCtrlID(control), ClassOf(control), WindowText(control)});
    return TRUE;
}

} // namespace

HWND WaitForWindow(DWORD processId, const char* title, const char* className, DWORD timeoutMs, Visibility visibility)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowOf(processId, title, className, visibility))
            return window;
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(50);
    }
}

bool WaitUntilClosed(HWND window, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (IsWindow(window)) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}

bool HasVisibleWindow(DWORD processId)
{
    return FindWindowOf(processId, nullptr, nullptr) != nullptr;
}

std::string WindowText(HWND window)
{
    // WM_GETTEXT rather than GetWindowText: it reads controls of another
    // process too. A hung window gives the empty text instead of hanging
    // the test.
    constexpr UINT kTimeoutMs = 5000;
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length))
        return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        kTimeoutMs, &copied);
    text.resize(std::strlen(text.c_str()));
    return text;
}

std::vector<ControlText> DialogControlTexts(HWND dialog)
{
    std::vector<ControlText> controls;
    EnumChildWindows(dialog, CollectControl, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

std::string MessageBoxText(HWND box)
{
    // The message is the static control with id 0xFFFF; the icon is a static
    // control too, but without text.
    constexpr int kMessageId = 0xFFFF;
    if (HWND message = GetDlgItem(box, kMessageId))
        return WindowText(message);
    for (const ControlText& control : DialogControlTexts(box)) {
        if (lstrcmpiA(control.className.c_str(), "Static") == 0 && !control.text.empty())
            return control.text;
    }
    return "";
}

bool PressButton(HWND dialog, int buttonId)
{
    HWND button = GetDlgItem(dialog, buttonId);
    if (!button)
        return false;
    return PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

MessageBoxSeen WaitForMessageBox(DWORD processId, const char* caption, DWORD timeoutMs)
{
    MessageBoxSeen seen;
    seen.window = WaitForWindow(processId, caption, "#32770", timeoutMs);
    if (seen.window)
        seen.text = MessageBoxText(seen.window);
    return seen;
}

std::string WinePath(const std::string& unixPath)
{
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}
