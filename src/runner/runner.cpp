#include "runner/runner.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

#include "about/program_version.h"
#include "app/command_line.h"
#include "app/win_handles.h"
#include "drive/virtual_drive.h"
#include "editor/main_window.h"
#include "editor/message_text.h"
#include "runner/execute_item.h"
#include "runner/tray.h"
#include "script/script_file.h"
#include "script/script_header.h"

namespace {

constexpr char kInvalidItemReason[] = "Invalid or unnkown script item.";
constexpr char kUnknownProductName[] = "UNKNOWN";

void ShowError(HWND owner, const char* text)
{
    MessageBoxA(owner, text, kCaptionError, MB_OK | MB_ICONERROR);
}

void ShowReadError(DWORD error)
{
    char reason[1200] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, reason, sizeof reason,
                   nullptr);
    char text[1400];
    std::snprintf(text, sizeof text, MessageText(kMsgReadError), reason);
    ShowError(MainWindow, text);
}

bool IsNewerThanProgram(const std::string& header)
{
    ScriptVersion script = ParseHeaderVersion(header);
    FileVersion program = ReadProgramVersion().number;
    return VersionKey(script.major, script.minor, script.build) >
           VersionKey(program.major, program.minor, program.build);
}

void ReleaseDrive()
{
    if (!ActiveDrive)
        return;
    Unload(*ActiveDrive);
    ActiveDrive.reset();
}

void CleanUpRun(UniqueFile& file)
{
    if (ActiveTray)
        RemoveTrayIcon(*ActiveTray);
    file.reset();
    ReleaseDrive();
}

} // namespace

bool AskToContinue(HWND owner, const char* caption, int lineNumber, const char* reason)
{
    std::string text(std::snprintf(nullptr, 0, MessageText(kMsgRunErrorOnLine), lineNumber, reason), '\0');
    std::snprintf(text.data(), text.size() + 1, MessageText(kMsgRunErrorOnLine), lineNumber, reason);
    return MessageBoxA(owner, text.c_str(), caption, MB_YESNO | MB_ICONERROR) == IDYES;
}

void EndRun(UniqueFile& scriptFile)
{
    CleanUpRun(scriptFile);
    ExitProcess(0);
}

int RunScriptFile(char* path)
{
    UnquotePath(path);
    UniqueFile file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        ShowReadError(GetLastError());
        return 0;
    }

    FileScriptInput input(file.get());
    std::optional<std::string> header = ReadScriptLine(input);
    if (!header || !IsScriptHeader(*header)) {
        ShowError(MainWindow, MessageText(kMsgInvalidScript));
        return 0;
    }
    if (IsNewerThanProgram(*header)) {
        ShowError(MainWindow, MessageText(kMsgScriptTooNew));
        return 0;
    }

    int productCode = ParseHeaderProduct(*header);
    if (!IsKnownProduct(productCode)) {
        char text[512];
        std::snprintf(text, sizeof text, MessageText(kMsgProductUnusable), kUnknownProductName);
        ShowError(nullptr, text);
        EndRun(file);
    }
    if (productCode == kProductUnset)
        productCode = kProductDaemonTools;

    ActiveDrive = Bind(productCode);
    if (Failed(*ActiveDrive)) {
        ShowError(nullptr, StatusText(*ActiveDrive));
        EndRun(file);
    }

    TrayContext tray;
    tray.runnerThreadId = GetCurrentThreadId();
    DuplicateHandle(GetCurrentProcess(), GetCurrentThread(), GetCurrentProcess(), &tray.runnerThread, 0, TRUE,
                    DUPLICATE_SAME_ACCESS);
    tray.scriptFile = file.get();
    StartTrayThread(tray);

    for (int lineNumber = 2;; ++lineNumber) {
        PausePoint();
        ScriptRecord record = ReadScriptRecord(input);
        if (record.type == ScriptRecord::Type::EndOfScript)
            break;
        if (record.type == ScriptRecord::Type::Record && !ExecuteItem(file, record.kind, record.fields, lineNumber))
            break;
        if (record.type == ScriptRecord::Type::NoSeparator &&
            !AskToContinue(MainWindow, kCaptionQuestion, lineNumber, kInvalidItemReason))
            EndRun(file);
    }
    CleanUpRun(file);
    return 1;
}
