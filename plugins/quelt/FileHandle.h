// A Win32 file handle that closes itself; move-only.
#pragma once

#include <windows.h>

class FileHandle {
public:
    FileHandle() = default;
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept : m_handle(other.Release()) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_handle = other.Release();
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    HANDLE Release() {
        HANDLE handle = m_handle;
        m_handle = INVALID_HANDLE_VALUE;
        return handle;
    }
    // False when closing failed (for a file being written: data may be lost).
    bool Close() {
        if (!IsOpen())
            return true;
        return CloseHandle(Release()) != FALSE;
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};
