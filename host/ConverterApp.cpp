#include "ConverterApp.h"

#include "MainDlg.h"

// The one application object, made before the program's entry runs.
CConverterApp theApp;

BOOL CConverterApp::InitInstance() {
    CMainDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // Leaving the scope destroys the dialog object, which unloads the plug-ins.
    return FALSE;
}
