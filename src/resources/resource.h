// Resource and control ids of Vireo.exe, grouped by the dialog or table that
// uses them. Toolbar commands share their ids with their icon resources.
#pragma once

// Icons. Their order in the file is what icon indexes count: the program
// icon is index 0 and the script-file icon index 1.
#define IDI_PROGRAM 1
#define IDI_SCRIPT 2
#define IDI_TRAY_PAUSE 3

// Main window (dialog 270) and its commands.
#define IDD_MAIN 270
#define IDB_NEW 150
#define IDB_OPEN 151
#define IDB_SAVE 152
#define IDB_SHORTCUT 154
#define IDB_TEST 155
#define IDB_UPDATE 156
#define IDB_OPTIONS 157
#define IDB_HELP 158
#define IDB_ABOUT 159
#define IDB_INSERT_MOUNT 181
#define IDB_INSERT_UNMOUNT 182
#define IDB_INSERT_DEVICECOUNT 183
#define IDB_INSERT_EMULATIONS 184
#define IDB_INSERT_RUNAPP 185
#define IDB_INSERT_DELAY 186
#define IDB_INSERT_WAITFORAPP 187

#define IDR_ACCELERATORS 600
