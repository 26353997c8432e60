// The shell's folder picker.
#pragma once

#include "CString.h"

enum FolderPickResult {
    FOLDER_PICKED = 1, // path holds the picked folder's file-system path
    FOLDER_CANCELLED = 0,
    FOLDER_NO_PATH = -1, // the picked item (a virtual folder of the shell) has no file-system path
};

// Shows the shell's modal folder picker, owned (and meanwhile disabled) by
// owner, with title above the folder tree, rooted at the desktop, nothing
// preselected and every item pickable. path is changed only on FOLDER_PICKED;
// a drive root comes back with its final backslash, any other folder without.
int PickFolder(HWND owner, const char* title, CString& path);
