// Carrying out one script item for the runner.
#pragma once

#include <string>

#include "app/win_handles.h"
#include "script/script_format.h"

// Performs the item and, when it failed, asks whether to go on. Answers
// false when the run is to end normally. An unknown kind answered with No
// ends the process here.
bool ExecuteItem(UniqueFile& scriptFile, const std::string& kindName, const ScriptFields& fields, int lineNumber);

// The id of the first process whose program file name begins with the name,
// in any letter case; 0 when there is none.
unsigned long FindProcessByName(const char* name);
