// Resource identifiers of the program.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_MAIN 102
#define IDD_INFO 129

// Icon
#define IDR_MAINFRAME 128

// Strings
#define IDS_ABOUTBOX 101
#define IDS_FOLDER_ERROR 102
#define IDS_NO_SOURCE 103
#define IDS_NO_DEST 104
#define IDS_SOURCE_MISSING 105
#define IDS_SAME_FOLDER 106
#define IDS_DEST_CREATE_FAILED 107

// System-menu command (its four lowest bits are the system's)
#define IDM_ABOUTBOX 0x0010

// Controls of the main window (and IDC_INFO_EDIT, the information dialog's text)
#define IDC_SOURCE_COMBO 1000
#define IDC_SOURCE_BROWSE 1001
#define IDC_DEST_COMBO 1002
#define IDC_DEST_BROWSE 1003
#define IDC_INFO_BUTTON 1004
#define IDC_INFO_EDIT 1005
#define IDC_EXECUTE 1006
#define IDC_ACTION_GROUP 1008
#define IDC_SUBFOLDERS 1009
#define IDC_CURRENT_FILE 1010
#define IDC_FILE_COUNT 1011
#define IDC_STATUS 1013

// Action rows, made at run time inside IDC_ACTION_GROUP: row i has the
// check box IDC_ACTION_CHECK_BASE + i and the pattern combo box
// IDC_ACTION_COMBO_BASE + i; the row area's scroll bar, when there is one,
// has IDC_ACTION_SCROLL.
#define IDC_ACTION_SCROLL 2999
#define IDC_ACTION_CHECK_BASE 3000
#define IDC_ACTION_COMBO_BASE 3200
