// Windows builds lock with LockFileEx (ini/win32).
#ifndef _WIN32

#include "ini/file_lock.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr auto kRetryInterval = std::chrono::milliseconds(10);

int Descriptor(std::intptr_t handle)
{
    return static_cast<int>(handle);
}

} // namespace

bool FileLock::Open(const std::string& path)
{
    Close();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    identity_ = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    return true;
}

bool FileLock::Lock(unsigned timeoutMs)
{
    if (handle_ == kNoHandle)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    struct flock range {};
    range.l_type = F_WRLCK;
    range.l_whence = SEEK_SET;
    range.l_start = 0;
    range.l_len = 1;
    for (;;) {
        if (::fcntl(Descriptor(handle_), F_OFD_SETLK, &range) == 0)
            return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR)
            return false;
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kRetryInterval);
    }
}

void FileLock::Close()
{
    // Closing the last descriptor of the open file description releases its lock.
    if (handle_ != kNoHandle)
        ::close(Descriptor(std::exchange(handle_, kNoHandle)));
}

#endif
