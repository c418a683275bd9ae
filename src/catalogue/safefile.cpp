// SPDX-License-Identifier: GPL-3.0-or-later
#include "safefile.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <random>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class Descriptor final
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int Get() const { return m_fd; }
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int m_fd;
};

NodeKind KindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return NodeKind::Regular;
    if (S_ISDIR(mode))
        return NodeKind::Folder;
    if (S_ISFIFO(mode))
        return NodeKind::Fifo;
    if (S_ISCHR(mode))
        return NodeKind::CharDevice;
    if (S_ISBLK(mode))
        return NodeKind::BlockDevice;
    if (S_ISSOCK(mode))
        return NodeKind::Socket;
    return NodeKind::Other;
}

Status NotRegular(const fs::path &file, mode_t mode)
{
    return Status::Failure(FileProblem::NotRegular, file.string(), 0, {}, KindOf(mode));
}

FileProblem ProblemOf(int error, bool writing)
{
    switch (error) {
    case ENOENT:
        return FileProblem::NotFound;
    case EACCES:
    case EPERM:
        return FileProblem::NoAccess;
    case EROFS:
        return FileProblem::ReadOnly;
    case EISDIR:
        return FileProblem::NotRegular;
    case ENOSPC:
    case EDQUOT:
        return FileProblem::NoSpace;
    case EFBIG:
        return FileProblem::TooLarge;
    default:
        return writing ? FileProblem::WriteFailed : FileProblem::ReadFailed;
    }
}

Status SystemFailure(const fs::path &file, int error, bool writing)
{
    const FileProblem problem = ProblemOf(error, writing);
    return Status::Failure(problem, file.string(), error, {},
                           problem == FileProblem::NotRegular ? NodeKind::Folder : NodeKind::Regular);
}

// The open file's details; fails unless it is a regular file.
Status StatRegular(int fd, const fs::path &file, bool writing, struct stat &info)
{
    if (::fstat(fd, &info) != 0)
        return SystemFailure(file, errno, writing);
    if (!S_ISREG(info.st_mode))
        return NotRegular(file, info.st_mode);
    return {};
}

mode_t CurrentUmask()
{
    static const mode_t mask = [] {
        const mode_t old = ::umask(0);
        ::umask(old);
        return old;
    }();
    return mask;
}

bool WriteAll(int fd, const char *data, std::size_t size, int &error)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

void SyncFolder(const fs::path &folder)
{
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

// The recognisable name of a temporary of `file`: ".<name>." and six letters or digits.
constexpr std::size_t kTemporarySuffix = 6;

std::string TemporaryPrefix(const fs::path &file)
{
    return "." + file.filename().string() + ".";
}

bool IsTemporaryOf(const std::string &name, const std::string &prefix)
{
    if (name.size() != prefix.size() + kTemporarySuffix || name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (std::size_t i = prefix.size(); i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

// Creates a new temporary beside `target`, never following a link or opening
// anything that already exists.
int CreateTemporary(const fs::path &target, fs::path &temporary, int &error)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937_64 engine(std::random_device{}() ^ static_cast<std::uint64_t>(::getpid()) << 32);
    std::uniform_int_distribution<int> pick(0, 61);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TemporaryPrefix(target);
        for (std::size_t i = 0; i < kTemporarySuffix; ++i)
            name += kLetters[pick(engine)];
        temporary = target.parent_path() / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            error = errno;
            return -1;
        }
    }
    error = EEXIST;
    return -1;
}

// Writes, flushes and closes `fd`; fails on any step (a full disk may show only
// at fsync or close).
bool WriteAndSync(Descriptor &fd, const std::string &contents, int &error)
{
    if (!WriteAll(fd.Get(), contents.data(), contents.size(), error))
        return false;
    if (::fsync(fd.Get()) != 0 && errno != EINVAL) {
        error = errno;
        return false;
    }
    if (!fd.Close()) {
        error = errno;
        return false;
    }
    return true;
}

} // namespace

Status ReadWholeFile(const fs::path &file, std::unique_ptr<char[]> &contents, std::size_t &size)
{
    // Non-blocking, so that a named pipe cannot hold the open.
    Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        const int error = errno;
        struct stat link = {};
        if ((error == ENOENT || error == ELOOP) && ::lstat(file.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
            return Status::Failure(FileProblem::DanglingLink, file.string(), error, RealTarget(file).string());
        return SystemFailure(file, error, false);
    }
    struct stat info = {};
    if (Status status = StatRegular(fd.Get(), file, false, info); !status)
        return status;
    if (static_cast<std::uintmax_t>(info.st_size) > kMostFileBytes)
        return Status::Failure(FileProblem::TooLarge, file.string());

    const auto capacity = static_cast<std::size_t>(info.st_size);
    auto data = std::make_unique_for_overwrite<char[]>(capacity + 1);
    std::size_t got = 0;
    while (got < capacity) {
        const ssize_t done = ::read(fd.Get(), data.get() + got, capacity - got);
        if (done < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return SystemFailure(file, errno, false);
        }
        if (done == 0)
            break;
        got += static_cast<std::size_t>(done);
    }
    contents = std::move(data);
    size = got;
    return {};
}

Status ReadWholeFile(const fs::path &file, std::string &contents)
{
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    Status status = ReadWholeFile(file, data, size);
    if (status)
        contents.assign(data.get(), size);
    return status;
}

fs::path RealTarget(const fs::path &file)
{
    fs::path current = file;
    // As many links as the system follows itself; a loop stays where it is.
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec)))
            return current;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec)
            return current;
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

unsigned FileMode(const fs::path &file)
{
    struct stat info = {};
    if (::stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        return info.st_mode & 07777;
    return 0666 & ~CurrentUmask();
}

Status CheckReplaceable(const fs::path &file)
{
    const fs::path target = RealTarget(file);
    struct stat info = {};
    if (::lstat(target.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return SystemFailure(file, errno, true);
        if (target != file)
            return Status::Failure(FileProblem::DanglingLink, file.string(), ENOENT, target.string());
        return {};
    }
    if (S_ISLNK(info.st_mode)) // a loop of links
        return Status::Failure(FileProblem::DanglingLink, file.string(), ELOOP, target.string());
    if (!S_ISREG(info.st_mode))
        return NotRegular(file, info.st_mode);
    if ((info.st_mode & 0222) == 0)
        return Status::Failure(FileProblem::ReadOnly, file.string());
    return {};
}

Status ReplaceFile(const fs::path &file, const std::string &contents)
{
    if (Status status = CheckReplaceable(file); !status)
        return status;
    const fs::path target = RealTarget(file);
    struct stat old = {};
    const bool existed = ::stat(target.c_str(), &old) == 0;

    fs::path temporary;
    int error = 0;
    Descriptor fd(CreateTemporary(target, temporary, error));
    if (fd.Get() < 0)
        return SystemFailure(file, error, true);
    const mode_t mode = existed ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());
    bool done = ::fchmod(fd.Get(), mode) == 0 || (error = errno, false);
    // Root's save must not hand the user's file to root; others may not give files away.
    if (done && existed && ::fchown(fd.Get(), old.st_uid, old.st_gid) != 0 && errno != EPERM) {
        error = errno;
        done = false;
    }
    done = done && WriteAndSync(fd, contents, error);
    if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        done = false;
    }
    if (!done) {
        fd.Close();
        ::unlink(temporary.c_str());
        return SystemFailure(file, error, true);
    }
    SyncFolder(target.parent_path());
    return {};
}

Status CreateNewFile(const fs::path &file, const std::string &contents, unsigned mode)
{
    Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (fd.Get() < 0)
        return SystemFailure(file, errno, true);
    int error = 0;
    if ((::fchmod(fd.Get(), mode) == 0 || (error = errno, false)) && WriteAndSync(fd, contents, error)) {
        SyncFolder(file.parent_path());
        return {};
    }
    fd.Close();
    ::unlink(file.c_str());
    return SystemFailure(file, error, true);
}

Status AppendToFile(const fs::path &file, const std::string &contents, const std::string &header)
{
    if (Status status = CheckReplaceable(file); !status)
        return status;
    const fs::path target = RealTarget(file);
    Descriptor fd(::open(target.c_str(), O_RDWR | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        if (errno == ENOENT)
            return CreateNewFile(target, header + contents, FileMode(target)).WithFile(file.string());
        return SystemFailure(file, errno, true);
    }
    struct stat info = {};
    if (Status status = StatRegular(fd.Get(), file, true, info); !status)
        return status;
    std::string text;
    char last = '\n';
    if (info.st_size == 0)
        text = header;
    else if (::pread(fd.Get(), &last, 1, info.st_size - 1) == 1 && last != '\n')
        text = "\r\n";
    text += contents;
    // Past the reading limit the file could never be read again.
    if (static_cast<std::uintmax_t>(info.st_size) + text.size() > kMostFileBytes)
        return Status::Failure(FileProblem::TooLarge, file.string());
    int error = 0;
    bool done = WriteAll(fd.Get(), text.data(), text.size(), error);
    if (done && ::fsync(fd.Get()) != 0 && errno != EINVAL) {
        error = errno;
        done = false;
    }
    if (done)
        return {}; // on the disk once fsync succeeded, whatever close says
    // No half line may stay for the next reader.
    while (::ftruncate(fd.Get(), info.st_size) != 0 && errno == EINTR) {
    }
    return SystemFailure(file, error, true);
}

void RemoveStaleTemporaries(const fs::path &file)
{
    const fs::path target = RealTarget(file);
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string prefix = TemporaryPrefix(target);
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        if (IsTemporaryOf(entry->d_name, prefix))
            ::unlinkat(::dirfd(dir), entry->d_name, 0); // a folder of that name stays
    }
    ::closedir(dir);
}

FileLock::~FileLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // lets go of the lock
}

Status FileLock::Acquire(const fs::path &file, std::chrono::milliseconds wait)
{
    fs::path lockFile = RealTarget(file);
    lockFile += ".lock";
    Descriptor fd(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY,
                         0666 & ~CurrentUmask()));
    if (fd.Get() < 0) {
        if (errno == ELOOP)
            return Status::Failure(FileProblem::NotRegular, lockFile.string(), ELOOP, {}, NodeKind::Other);
        // Reported as a failure to write the file itself: the folder is the user's concern.
        return SystemFailure(file, errno, true);
    }
    struct stat info = {};
    if (Status status = StatRegular(fd.Get(), lockFile, true, info); !status)
        return status;

    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            return SystemFailure(lockFile, errno, true);
        if (std::chrono::steady_clock::now() >= deadline)
            return Status::Failure(FileProblem::Locked, file.string());
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd.Release();
    return {};
}
