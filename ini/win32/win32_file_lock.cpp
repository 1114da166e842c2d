#include <windows.h>

#include "ini/file_lock.h"

namespace {

constexpr DWORD kRetryInterval = 10;

HANDLE Handle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

bool FileLock::Open(const std::string& path)
{
    Close();
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) {
        CloseHandle(file);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    identity_ = {info.dwVolumeSerialNumber,
                 (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    return true;
}

bool FileLock::Lock(unsigned timeoutMs)
{
    if (handle_ == kNoHandle)
        return false;
    const DWORD start = GetTickCount();
    for (;;) {
        OVERLAPPED range{};
        if (LockFileEx(Handle(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range))
            return true;
        const DWORD error = GetLastError();
        if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING)
            return false;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(kRetryInterval);
    }
}

void FileLock::Close()
{
    // Closing the handle releases its locks.
    if (handle_ != kNoHandle)
        CloseHandle(Handle(std::exchange(handle_, kNoHandle)));
}
