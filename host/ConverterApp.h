// The application: runs the main dialog once and ends.
#pragma once

#include "CWinApp.h"

class CConverterApp : public CWinApp {
public:
    CConverterApp() = default;
    ~CConverterApp() override = default;

    // Shows the main window until it is closed; false, so the program ends.
    BOOL InitInstance() override;
};
