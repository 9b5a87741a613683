// The entry point of both roles: the start sequence, the command line and the
// editor's message loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstring>

#include "app/app_state.h"
#include "app/command_line.h"
#include "editor/main_window.h"
#include "editor/message_text.h"
#include "resources/resource.h"
#include "runner/runner.h"
#include "settings/settings.h"

// The system's version record as the start sequence hands it over: its size
// member must be 148, the size of the ANSI record on every platform.
static_assert(sizeof(OSVERSIONINFOA) == 148);

HINSTANCE AppInstance = nullptr;
OSVERSIONINFOA OsVersion = {};
HMODULE Shell32Module = nullptr;
PickIconDlgFn PickIconDlgEntry = nullptr;
SHAutoCompleteFn SHAutoCompleteEntry = nullptr;
CreateToolhelp32SnapshotFn CreateToolhelp32SnapshotEntry = nullptr;
Process32NextFn Process32NextEntry = nullptr;

namespace {

constexpr char kFatalErrorText[] = "An unexpected error has occured! Press OK to continue to the bug report form.";
constexpr UINT_PTR kMainTimer = 1;
constexpr UINT kMainTimerPeriod = 100;
constexpr WORD kPickIconDlgOrdinal = 62;

[[noreturn]] void ReportFatalError()
{
    MessageBoxA(MainWindow, kFatalErrorText, kCaptionFatalError, MB_OK | MB_ICONERROR);
    ExitProcess(0);
}

// Structured exceptions (access violations and the like) bypass C++ catch
// blocks; this filter gives them the same last-resort handling.
LONG WINAPI FatalExceptionFilter(EXCEPTION_POINTERS*)
{
    ReportFatalError();
}

template <typename Fn> Fn LookUp(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// The modules stay loaded for the life of the process; shell32's handle is
// kept so the editor can free it when it closes.
void LookUpOptionalEntryPoints()
{
    Shell32Module = LoadLibraryA("shell32.dll");
    PickIconDlgEntry = LookUp<PickIconDlgFn>(Shell32Module, MAKEINTRESOURCEA(kPickIconDlgOrdinal));
    SHAutoCompleteEntry = LookUp<SHAutoCompleteFn>(LoadLibraryA("shlwapi.dll"), "SHAutoComplete");
    HMODULE kernel32 = LoadLibraryA("kernel32.dll");
    CreateToolhelp32SnapshotEntry = LookUp<CreateToolhelp32SnapshotFn>(kernel32, "CreateToolhelp32Snapshot");
    Process32NextEntry = LookUp<Process32NextFn>(kernel32, "Process32Next");
}

void InitCommonControlClasses()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                                          ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
}

// The class icon is shared by every dialog of the process, since they all
// are of the one dialog class.
void SetMainIcon()
{
    HICON icon = ExtractIconA(AppInstance, Settings.MainIcon, static_cast<UINT>(Settings.MainIconIndex));
    SetClassLongPtrA(MainWindow, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

bool HasClass(HWND window, const char* className)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
}

// Enter in a text field moves on to the next field, past a "..." button
// that follows it, as Tab would.
void MoveFocusPastEditOnEnter(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN || !HasClass(message.hwnd, "EDIT"))
        return;
    HWND next = GetNextDlgTabItem(MainWindow, message.hwnd, FALSE);
    if (next && HasClass(next, "BUTTON"))
        next = GetNextDlgTabItem(MainWindow, next, FALSE);
    if (next)
        SetFocus(next);
}

int RunMessageLoop(HACCEL accelerators)
{
    MSG message;
    for (;;) {
        if (GetMessageA(&message, nullptr, 0, 0) == -1)
            return 0;
        MoveFocusPastEditOnEnter(message);
        if (TranslateAcceleratorA(MainWindow, accelerators, &message))
            continue;
        if (IsDialogMessageA(MainWindow, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void ShowEditor()
{
    ShowWindow(MainWindow, SW_SHOW);
}

int Start(char* commandLine)
{
    LoadSettings();
    SaveSettings();

    OsVersion.dwOSVersionInfoSize = sizeof OsVersion;
    GetVersionExA(&OsVersion);
    LookUpOptionalEntryPoints();
    OleInitialize(nullptr);
    InitCommonControlClasses();

    CreateMainWindow(AppInstance);
    SetMainIcon();
    SetTimer(MainWindow, kMainTimer, kMainTimerPeriod, nullptr);

    StartRequest request = ParseCommandLine(commandLine);
    switch (request.mode) {
    case StartMode::RunScript:
        RunScriptFile(commandLine);
        ExitProcess(0);
    case StartMode::EditScript:
    case StartMode::NewScript:
        ShowEditor();
        break;
    }

    HACCEL accelerators = LoadAcceleratorsA(AppInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    return RunMessageLoop(accelerators);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    AppInstance = instance;
    SetUnhandledExceptionFilter(FatalExceptionFilter);
    try {
        return Start(commandLine);
    } catch (...) {
        ReportFatalError();
    }
}
