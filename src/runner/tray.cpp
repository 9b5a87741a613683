#include "runner/tray.h"

#include <shellapi.h>

#include <atomic>
#include <cstring>

#include "app/app_state.h"
#include "app/win_handles.h"
#include "drive/virtual_drive.h"
#include "editor/message_text.h"
#include "resources/resource.h"
#include "settings/settings.h"

TrayContext* ActiveTray = nullptr;

namespace {

constexpr char kTrayClass[] = "VireoTrayIcon";
constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayCallback = WM_USER + 50;
constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT kBlinkPeriod = 500;

// The shell has taken the first version of the record since the first
// notification area; its size is what every system understands.
constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V1_SIZE;
#ifndef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the 32-bit record is 88 bytes");
#endif

// Touched by the tray thread only.
HICON BlinkIcons[2];
int BlinkIndex = 0;
int BlinkStep = -1;
bool RunnerSuspended = false;

// Set by the tray thread while its question is open; read by the runner.
std::atomic<bool> Paused{false};
// Set by the runner while it waits and holds nothing but its own state.
std::atomic<bool> RunnerAtSafePoint{false};
constexpr DWORD kPausePoll = 50;

struct TrayStart {
    TrayContext* context;
    HANDLE ready;
};

NOTIFYICONDATAA IconData(HWND window)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = kNotifyIconDataSize;
    data.hWnd = window;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallback;
    data.hIcon = BlinkIcons[BlinkIndex];
    lstrcpynA(data.szTip, MessageText(kMsgTrayTip), sizeof data.szTip);
    return data;
}

// Suspends the runner if it stands at a safe point; otherwise lets it go
// on to the next one, where the next blink tries again.
void TrySuspendRunner(const TrayContext& context)
{
    if (RunnerSuspended || SuspendThread(context.runnerThread) == static_cast<DWORD>(-1))
        return;
    // SuspendThread may return before the thread has stopped; reading its
    // context waits until it has.
    CONTEXT registers = {};
    registers.ContextFlags = CONTEXT_CONTROL;
    GetThreadContext(context.runnerThread, &registers);
    if (RunnerAtSafePoint)
        RunnerSuspended = true;
    else
        ResumeThread(context.runnerThread);
}

void Blink(HWND window)
{
    if (Paused)
        TrySuspendRunner(*ActiveTray);
    int oldStep = BlinkStep;
    BlinkStep = -BlinkStep;
    BlinkIndex -= oldStep;
    NOTIFYICONDATAA data = IconData(window);
    // A failed change means the notification area was restarted and has
    // forgotten the icon: it is added anew.
    if (!Shell_NotifyIconA(NIM_MODIFY, &data))
        Shell_NotifyIconA(NIM_ADD, &data);
}

[[noreturn]] void TerminateRun(const TrayContext& context)
{
    RemoveTrayIcon(context);
    if (ActiveDrive) {
        Unload(*ActiveDrive);
        ActiveDrive.reset();
    }
    CloseHandle(context.scriptFile);
    ExitProcess(0);
}

void PauseAndAsk(HWND window)
{
    const TrayContext& context = *ActiveTray;
    Paused = true;
    TrySuspendRunner(context);
    int answer = MessageBoxA(window, MessageText(kMsgPauseQuestion), kCaptionQuestion,
                             MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2 | MB_SYSTEMMODAL);
    if (answer == IDYES)
        TerminateRun(context);
    Paused = false;
    if (RunnerSuspended) {
        RunnerSuspended = false;
        ResumeThread(context.runnerThread);
    }
}

LRESULT CALLBACK TrayWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER && wParam == kBlinkTimer)
        Blink(window);
    else if (message == kTrayCallback && (lParam == WM_LBUTTONUP || lParam == WM_RBUTTONUP) && !Paused)
        PauseAndAsk(window);
    return DefWindowProcA(window, message, wParam, lParam);
}

void LoadBlinkIcons()
{
    BlinkIcons[0] = ExtractIconA(AppInstance, Settings.MainIcon, static_cast<UINT>(Settings.MainIconIndex));
    BlinkIcons[1] = static_cast<HICON>(LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_TRAY_PAUSE), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
}

DWORD WINAPI TrayThread(void* parameter)
{
    TrayStart start = *static_cast<TrayStart*>(parameter);

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = TrayWindowProc;
    windowClass.hInstance = AppInstance;
    windowClass.lpszClassName = kTrayClass;
    RegisterClassA(&windowClass);

    ActiveTray = start.context;
    start.context->trayWindow =
        CreateWindowExA(0, kTrayClass, kTrayClass, 0, 0, 0, 0, 0, nullptr, nullptr, AppInstance, nullptr);
    LoadBlinkIcons();
    NOTIFYICONDATAA data = IconData(start.context->trayWindow);
    Shell_NotifyIconA(NIM_ADD, &data);
    SetTimer(start.context->trayWindow, kBlinkTimer, kBlinkPeriod, nullptr);
    SetEvent(start.ready);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

// A wait during which the tray may suspend the runner.
void SleepAtSafePoint(DWORD milliseconds)
{
    RunnerAtSafePoint = true;
    Sleep(milliseconds);
    RunnerAtSafePoint = false;
}

} // namespace

bool StartTrayThread(TrayContext& context)
{
    UniqueHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!ready)
        return false;
    TrayStart start = {&context, ready.get()};
    UniqueHandle thread(CreateThread(nullptr, 0, TrayThread, &start, 0, nullptr));
    if (!thread)
        return false;
    WaitForSingleObject(ready.get(), INFINITE);
    return true;
}

void PausableSleep(unsigned long milliseconds)
{
    SleepAtSafePoint(milliseconds);
    PausePoint();
}

void PausePoint()
{
    while (Paused)
        SleepAtSafePoint(kPausePoll);
}

void RemoveTrayIcon(const TrayContext& context)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = kNotifyIconDataSize;
    data.hWnd = context.trayWindow;
    data.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
}
