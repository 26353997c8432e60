#include "QueltLibrary.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <vector>

std::string QueltLibrary::Path() {
    std::string relative = ProgramFolder() + "..\\bin\\QueltDll.dll";
    char full[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(relative.c_str(), sizeof full, full, nullptr);
    return std::string(full, length);
}

QueltLibrary::QueltLibrary() : m_module(LoadLibraryA(Path().c_str())) {
    if (m_module == nullptr)
        ADD_FAILURE() << "cannot load " << Path() << ", error " << GetLastError();
}

QueltLibrary::~QueltLibrary() {
    if (m_module != nullptr)
        FreeLibrary(m_module);
}

int QueltLibrary::Convert(const std::string& source, const std::string& destination) const {
    ConvProc conv = Conv();
    if (conv == nullptr) {
        ADD_FAILURE() << "no Conv";
        return 1;
    }
    std::vector<char> sourceBuffer(source.begin(), source.end());
    std::vector<char> destinationBuffer(destination.begin(), destination.end());
    sourceBuffer.resize(sourceBuffer.size() + MAX_PATH + 1, '\0');
    destinationBuffer.resize(destinationBuffer.size() + MAX_PATH + 1, '\0');
    return conv(nullptr, sourceBuffer.data(), destinationBuffer.data(), 0);
}

std::string QueltLibrary::ExportDirectoryName() const {
    if (m_module == nullptr)
        return std::string();
    const BYTE* base = reinterpret_cast<const BYTE*>(m_module);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (entry.VirtualAddress == 0)
        return std::string();
    const IMAGE_EXPORT_DIRECTORY* exports =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    return reinterpret_cast<const char*>(base + exports->Name);
}
