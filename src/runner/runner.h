// Running a script file: the runner role of the program.
#pragma once

// Runs the script at the path, which is cleaned in place first. Answers 0
// when the run could not begin and 1 after a run that ended; some failures
// end the process here, always with exit code 0.
int RunScriptFile(char* path);

// Asks "Error on line N: ... Would you like to continue execution?" and
// answers whether the user chose to go on.
bool AskToContinueAfterError(int lineNumber, const char* reason);
