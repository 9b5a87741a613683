// Process-wide values that the start sequence sets and the rest of the
// program reads. They live until the process ends.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

extern HINSTANCE AppInstance;
extern OSVERSIONINFOA OsVersion;

// Optional system entry points: null where the system lacks them, and every
// user copes with that.
using PickIconDlgFn = int(WINAPI*)(HWND, LPWSTR, UINT, int*);
using SHAutoCompleteFn = HRESULT(WINAPI*)(HWND, DWORD);
using CreateToolhelp32SnapshotFn = HANDLE(WINAPI*)(DWORD, DWORD);
using Process32NextFn = BOOL(WINAPI*)(HANDLE, PROCESSENTRY32*);

extern HMODULE Shell32Module;
extern PickIconDlgFn PickIconDlgEntry;
extern SHAutoCompleteFn SHAutoCompleteEntry;
extern CreateToolhelp32SnapshotFn CreateToolhelp32SnapshotEntry;
extern Process32NextFn Process32NextEntry;
