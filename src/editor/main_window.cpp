#include "editor/main_window.h"

#include "resources/resource.h"

HWND MainWindow = nullptr;

namespace {

INT_PTR CALLBACK MainWindowProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            ExitEditor();
        return FALSE;
    }
    return FALSE;
}

} // namespace

HWND CreateMainWindow(HINSTANCE instance)
{
    MainWindow = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainWindowProc, 0);
    return MainWindow;
}

void ExitEditor()
{
    ExitProcess(0);
}
