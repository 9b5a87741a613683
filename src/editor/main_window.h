// The editor's one top-level window (dialog 270), created hidden in both
// roles; in the runner role it only owns message boxes.
#pragma once

#include <windows.h>

extern HWND MainWindow;

HWND CreateMainWindow(HINSTANCE instance);

// Ends the editor and its process.
[[noreturn]] void ExitEditor();
