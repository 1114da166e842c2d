// Windows builds replace files with MoveFileExA (ini/win32); the C runtime's
// rename there cannot replace an existing file.
#ifndef _WIN32

#include "ini/posix_file_system.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now and reports the result: close can be where a write error shows.
    bool Close()
    {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Removes the temporary file unless the rename consumed it.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

bool WriteFully(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

std::string DirectoryOf(const std::string& fullPath)
{
    std::size_t slash = fullPath.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : fullPath.substr(0, slash);
}

} // namespace

std::string PosixFileSystem::FullPath(const std::string& path)
{
    if (!path.empty() && path.front() == '/')
        return path;
    char cwd[PATH_MAX];
    if (!::getcwd(cwd, sizeof cwd))
        return path;
    std::string full(cwd);
    if (full.back() != '/')
        full += '/';
    return full + path;
}

FileStamp PosixFileSystem::Stamp(const std::string& fullPath)
{
    FileStamp stamp;
    struct stat info {};
    if (::stat(fullPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.modified = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.serial = static_cast<std::uint64_t>(info.st_ino);
    return stamp;
}

bool PosixFileSystem::ReadAll(const std::string& fullPath, std::string& bytes)
{
    FileDescriptor file(::open(fullPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        return false;
    bytes.clear();
    char chunk[65536];
    for (;;) {
        ssize_t got = ::read(file.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

bool PosixFileSystem::ReplaceAtomically(const std::string& fullPath, const std::string& bytes)
{
    // The system functions refuse a read-only file; a rename would not.
    mode_t mode = 0666;
    struct stat info {};
    if (::stat(fullPath.c_str(), &info) == 0) {
        if (::access(fullPath.c_str(), W_OK) != 0)
            return false;
        mode = info.st_mode & 07777;
    }
    // The process id keeps two programs writing the same file apart.
    TemporaryFile temporary(fullPath + "." + std::to_string(::getpid()) + ".tmp");
    FileDescriptor file(::open(temporary.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (!file.valid()) {
        temporary.Release(); // nothing was created
        return false;
    }
    if (!WriteFully(file.get(), bytes) || ::fsync(file.get()) != 0 || !file.Close())
        return false;
    if (::rename(temporary.path().c_str(), fullPath.c_str()) != 0)
        return false;
    temporary.Release();
    // The rename itself is durable only once the folder is flushed.
    FileDescriptor folder(::open(DirectoryOf(fullPath).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
    return true;
}

ProfileFileSystem& DefaultProfileFileSystem()
{
    static PosixFileSystem fileSystem;
    return fileSystem;
}

#endif
