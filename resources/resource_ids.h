// Identifiers that bind the resource script to the code.
#pragma once

#define IDI_LAUNCHER 1

// The autorun menu.
#define IDD_MENU 200
#define IDC_PICTURE 300
#define IDC_PLAY 101
#define IDC_SETUP 102
#define IDC_NOTES 103
#define IDC_WEBSITE 105
#define IDB_MENU 300
#define IDB_PLAY 101
#define IDB_SETUP 102
#define IDB_NOTES 103
#define IDB_EXIT 104

// Setup's options dialog.
#define IDD_SETUP_OPTIONS 201
#define IDC_PLAY_FROM_CD 201
#define IDC_HARD_DISK 202
#define IDC_START_MENU 203
#define IDC_DESKTOP 204

// The install path dialog.
#define IDD_INSTALL_PATH 202
#define IDC_INSTALL_PATH 102
#define IDC_BROWSE 104

// The progress dialog of the file engine.
#define IDD_PROGRESS 400
#define IDC_TOTAL_BAR 401
#define IDC_FILE_BAR 402
