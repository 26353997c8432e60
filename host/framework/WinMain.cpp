// The program's entry: hands over to the global application object. This
// file is compiled into the program itself, not into a library, so that
// the C runtime's start-up code finds it.
#include "CWinApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (app)
        app->InitInstance();
    return 0;
}
