#include "CurrentFolder.h"

#include <windows.h>

CString CurrentFolder() {
    CString folder;
    // The size reported includes the terminator; the folder may change
    // between the two calls, so ask until the text fits.
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    while (size != 0) {
        DWORD length = GetCurrentDirectoryA(size, folder.GetBuffer(static_cast<int>(size)));
        if (length < size) {
            folder.ReleaseBuffer(static_cast<int>(length));
            return folder;
        }
        size = length;
    }
    folder.ReleaseBuffer(0);
    return folder;
}
