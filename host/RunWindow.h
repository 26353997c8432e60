// What a conversion run needs of the main window, and all it may touch of
// it. The main dialog implements this; tests implement it with a fake.
#pragma once

#include "CString.h"

class RunWindow {
public:
    // Owner of message boxes and first argument of every plug-in call.
    virtual HWND OwnerWindow() = 0;
    // Action row i: its check box ticked, and the text of its pattern field.
    virtual bool IsRowTicked(int row) = 0;
    virtual CString RowPatternText(int row) = 0;
    // The include-subfolders option.
    virtual bool IncludeSubfolders() = 0;
    // The three progress fields.
    virtual void SetFileCountText(const char* text) = 0;
    virtual void SetCurrentFileText(const char* text) = 0;
    virtual void SetStatusText(const char* text) = 0;
    // A modal message box owned by the window: the text of string textId,
    // the caption of string captionId, an exclamation icon and OK.
    virtual void ShowMessage(unsigned textId, unsigned captionId) = 0;

protected:
    ~RunWindow() = default;
};
