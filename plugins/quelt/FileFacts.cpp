#include "FileFacts.h"

#include <winternl.h>

namespace {

template <class Info> bool Query(HANDLE file, Info* info, FILE_INFORMATION_CLASS kind) {
    IO_STATUS_BLOCK status;
    return NtQueryInformationFile(file, &status, info, sizeof *info, kind) >= 0;
}

} // namespace

bool ReadFileFacts(HANDLE file, FileFacts* facts) {
    FILE_INTERNAL_INFORMATION internal;
    FILE_BASIC_INFORMATION basic;
    FILE_STANDARD_INFORMATION standard;
    if (!Query(file, &internal, FileInternalInformation) || !Query(file, &basic, FileBasicInformation) ||
        !Query(file, &standard, FileStandardInformation))
        return false;
    facts->index = static_cast<ULONGLONG>(internal.IndexNumber.QuadPart);
    facts->attributes = basic.FileAttributes;
    facts->empty = standard.EndOfFile.QuadPart == 0;
    return true;
}

bool IsSameFile(HANDLE a, const FileFacts& aFacts, HANDLE b, const FileFacts& bFacts) {
    if (aFacts.index != bFacts.index)
        return false;
    BY_HANDLE_FILE_INFORMATION aInfo, bInfo;
    // Equal indices on volumes that cannot be told apart count as one file:
    // refusing a conversion is safer than truncating its source.
    if (!GetFileInformationByHandle(a, &aInfo) || !GetFileInformationByHandle(b, &bInfo))
        return true;
    return aInfo.dwVolumeSerialNumber == bInfo.dwVolumeSerialNumber;
}
