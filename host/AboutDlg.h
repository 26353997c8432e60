// The about box: the program's icon, name and version and the makers'
// notice. OK, Enter, Escape and the close box all end it alike.
#pragma once

#include "CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    // Binds no controls: the box has nothing to read or change.
    void DoDataExchange(CDataExchange* pDX) override;
};
