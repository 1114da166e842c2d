#include "ini/win32/win32_file_system.h"

#include <windows.h>

#include "ini/temporary_file_name.h"

namespace {

constexpr int kMoveAttempts = 20;
constexpr DWORD kMoveRetryMs = 50;

// A kernel handle: CreateFileA fails with INVALID_HANDLE_VALUE, OpenProcess
// with a null handle.
class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle) : handle_(handle) {}
    ~KernelHandle()
    {
        if (valid())
            CloseHandle(handle_);
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    bool Close()
    {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != FALSE;
    }

private:
    HANDLE handle_;
};

// Deletes the temporary file unless the move consumed it.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile()
    {
        if (!path_.empty())
            DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

class FileSearch {
public:
    FileSearch(const std::string& pattern, WIN32_FIND_DATAA& found) : handle_(FindFirstFileA(pattern.c_str(), &found))
    {
    }
    ~FileSearch()
    {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;
    bool found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAA& found) { return FindNextFileA(handle_, &found) != FALSE; }

private:
    HANDLE handle_;
};

// OpenProcess names a process id that no process has with
// ERROR_INVALID_PARAMETER; any other failure (no rights) leaves it running.
// A process that ended but is still held open reports its exit code.
bool ProcessRuns(unsigned long id)
{
    KernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process.valid())
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    return !GetExitCodeProcess(process.get(), &code) || code == STILL_ACTIVE;
}

bool WriteFully(HANDLE file, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t rest = bytes.size() - done;
        DWORD chunk = rest > (1u << 30) ? (1u << 30) : static_cast<DWORD>(rest);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

std::string Win32FileSystem::FullPath(const std::string& path)
{
    char full[MAX_PATH * 4];
    DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return path;
    return std::string(full, length);
}

FileStamp Win32FileSystem::Stamp(const std::string& fullPath)
{
    FileStamp stamp;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(fullPath.c_str(), GetFileExInfoStandard, &data))
        return stamp;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return stamp;
    stamp.exists = true;
    stamp.modified = static_cast<std::int64_t>((static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                               data.ftLastWriteTime.dwLowDateTime);
    stamp.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    // Creation time stands in for an inode: a file renamed over the target
    // brings its own.
    stamp.serial =
        (static_cast<std::uint64_t>(data.ftCreationTime.dwHighDateTime) << 32) | data.ftCreationTime.dwLowDateTime;
    return stamp;
}

bool Win32FileSystem::ReadAll(const std::string& fullPath, std::string& bytes)
{
    KernelHandle file(CreateFileA(fullPath.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    bytes.clear();
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr))
            return false;
        if (got == 0)
            return true;
        bytes.append(chunk, got);
    }
}

bool Win32FileSystem::ReplaceAtomically(const std::string& fullPath, const std::string& bytes)
{
    // The system functions refuse a read-only file. MoveFileExA does as well
    // on Windows, but Wine run as root replaces it, so it is asked first.
    const DWORD attributes = GetFileAttributesA(fullPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    // The process id keeps two programs writing the same file apart.
    TemporaryFile temporary(TemporaryPathFor(fullPath, GetCurrentProcessId()));
    KernelHandle file(CreateFileA(temporary.path().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        temporary.Release(); // nothing was created
        return false;
    }
    if (!WriteFully(file.get(), bytes) || !FlushFileBuffers(file.get()) || !file.Close())
        return false;
    // MoveFileExA refuses a read-only target, as the system functions do. A
    // target another program holds open without sharing its deletion (a virus
    // scanner, a backup, an editor reading it) is refused for as long as it
    // holds it: the replacement waits for it up to about a second rather than
    // lose the change.
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExA(temporary.path().c_str(), fullPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            break;
        const DWORD error = GetLastError();
        if (attempt == kMoveAttempts ||
            (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED && error != ERROR_LOCK_VIOLATION))
            return false;
        Sleep(kMoveRetryMs);
    }
    temporary.Release();
    return true;
}

void Win32FileSystem::RemoveStaleTemporaries(const std::string& fullPath)
{
    const std::size_t slash = fullPath.find_last_of("\\/");
    const std::string folder = slash == std::string::npos ? "" : fullPath.substr(0, slash + 1);
    const std::string target = fullPath.substr(folder.size());
    WIN32_FIND_DATAA found;
    FileSearch search(fullPath + ".*.tmp", found);
    if (!search.found())
        return;
    do {
        // A writer still holding its temporary file open (it opens it
        // unshared) makes DeleteFileA fail as well.
        const unsigned long writer = TemporaryFileWriter(found.cFileName, target);
        if (writer != 0 && !ProcessRuns(writer))
            DeleteFileA((folder + found.cFileName).c_str());
    } while (search.Next(found));
}

ProfileFileSystem& DefaultProfileFileSystem()
{
    static Win32FileSystem fileSystem;
    return fileSystem;
}
