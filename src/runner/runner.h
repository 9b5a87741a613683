// Running a script file: the runner role of the program.
#pragma once

#include <windows.h>

#include "app/win_handles.h"

// Runs the script at the path, which is cleaned in place first. Answers 0
// when the run could not begin and 1 after a run that ended; some failures
// end the process here, always with exit code 0.
int RunScriptFile(char* path);

// Asks "Error on line N: ... Would you like to continue execution?" in a
// box with the error icon and answers whether the user chose to go on.
bool AskToContinue(HWND owner, const char* caption, int lineNumber, const char* reason);

// Ends the run and the process: the tray icon goes, the script file is
// closed and the drive released first, since ExitProcess runs no
// destructors of this thread.
[[noreturn]] void EndRun(UniqueFile& scriptFile);
