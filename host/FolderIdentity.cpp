#include "FolderIdentity.h"

FolderIdentity FolderIdentity::Of(const char* path) {
    FolderIdentity identity;
    // Opening a folder needs FILE_FLAG_BACKUP_SEMANTICS; no access right is
    // asked for beyond reading attributes, and nobody is denied anything.
    HANDLE handle = CreateFileA(path, FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return identity;
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileInformationByHandle(handle, &info) && (info.nFileIndexHigh != 0 || info.nFileIndexLow != 0)) {
        identity.volume = info.dwVolumeSerialNumber;
        identity.indexHigh = info.nFileIndexHigh;
        identity.indexLow = info.nFileIndexLow;
        identity.known = true;
    }
    CloseHandle(handle);
    return identity;
}
