// The notification-area icon of a running script: it blinks while the run
// goes on, and a click pauses the run and offers to end it.
#pragma once

#include <windows.h>

// What the runner shares with the tray thread for the length of a run.
struct TrayContext {
    HWND trayWindow = nullptr; // written once by the tray thread before it releases the runner
    DWORD runnerThreadId = 0;
    HANDLE runnerThread = nullptr; // a real handle, for suspending and resuming the runner
    HANDLE scriptFile = nullptr;
};

// The context of the run in progress; null before the tray thread starts.
extern TrayContext* ActiveTray;

// Starts the tray thread and returns once its icon is shown, so that no item
// runs before the user can pause it.
bool StartTrayThread(TrayContext& context);

void RemoveTrayIcon(const TrayContext& context);

// The runner's waits. A pause suspends the runner thread only while it
// stands in one of these: suspended anywhere else it might hold a lock of
// the system (the heap's, the loader's) that the tray thread needs to show
// its question, and both threads would hang.
void PausableSleep(unsigned long milliseconds);
// Holds the runner between items while a pause is pending.
void PausePoint();
