// The application object: one global instance per program, constructed
// before the program's entry runs. The entry calls InitInstance once;
// Varno's application does all its work there, in a modal dialog, and
// returns false, so the process then ends without a message loop of its own.
#pragma once

#include "CWnd.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return FALSE; }

    // The program's main window; dialogs without a parent are owned by it.
    CWnd* m_pMainWnd = nullptr;
};

// The one application object, or null before it is constructed.
CWinApp* AfxGetApp();
