// Windows builds replace files with MoveFileExA (ini/win32); the C runtime's
// rename there cannot replace an existing file.
#ifndef _WIN32

#include "ini/posix_file_system.h"

#include "ini/temporary_file_name.h"

#include <cerrno>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

class Directory {
public:
    explicit Directory(const std::string& path) : dir_(::opendir(path.c_str())) {}
    ~Directory()
    {
        if (dir_)
            ::closedir(dir_);
    }
    Directory(const Directory&) = delete;
    Directory& operator=(const Directory&) = delete;
    DIR* get() const { return dir_; }

private:
    DIR* dir_;
};

// Signal 0 only asks whether the process exists; EPERM means it does but
// belongs to another user. An id beyond pid_t came from elsewhere: unknown,
// so it counts as running.
bool ProcessRuns(unsigned long id)
{
    if (id > static_cast<unsigned long>(INT_MAX))
        return true;
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
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
    TemporaryFile temporary(TemporaryPathFor(fullPath, static_cast<unsigned long>(::getpid())));
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

void PosixFileSystem::RemoveStaleTemporaries(const std::string& fullPath)
{
    const std::string folder = DirectoryOf(fullPath);
    const std::string target = fullPath.substr(fullPath.rfind('/') + 1);
    Directory directory(folder);
    if (!directory.get())
        return;
    const std::string prefix = folder == "/" ? "/" : folder + "/";
    while (const dirent* item = ::readdir(directory.get())) {
        const unsigned long writer = TemporaryFileWriter(item->d_name, target);
        if (writer != 0 && !ProcessRuns(writer))
            ::unlink((prefix + item->d_name).c_str());
    }
}

ProfileFileSystem& DefaultProfileFileSystem()
{
    static PosixFileSystem fileSystem;
    return fileSystem;
}

#endif
