#include "CWJFileSave.h"

#include "CWJWriteBuffer.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinks = 40;
constexpr int kTemporaryTries = 100;

std::string failure(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// The most bytes the new file may hold, and what to say when it would hold
// more: the largest file a read accepts, or the largest the process may
// write if that is less (a larger one would end the process with SIGXFSZ
// halfway through).
CWJWriteBuffer bufferFor(int fd, unsigned long long maxBytes)
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < maxBytes)
        return CWJWriteBuffer(fd, limit.rlim_cur,
                              "cannot write: " + std::string(std::strerror(EFBIG)) +
                                  ": the process may write files of at most " + std::to_string(limit.rlim_cur) +
                                  " bytes");
    return CWJWriteBuffer(
        fd, maxBytes, "the file would be larger than " + std::to_string(maxBytes) + " bytes, the most a read accepts");
}

// Lets write fill out and writes what it leaves; false, with the reason in
// problem, when the bytes did not all reach the file.
bool writeThrough(CWJWriteBuffer out, const CWJFileSave::Writer& write, std::string& problem)
{
    write(out);
    if (out.finish())
        return true;
    problem = out.problem();
    return false;
}

// A name ".wjxml-" and 8 random hex digits in folder.
std::string temporaryName(const std::string& folder, int attempt)
{
    unsigned random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random)
        random = static_cast<unsigned>(::getpid()) * 2654435761u + static_cast<unsigned>(attempt);
    char name[32];
    std::snprintf(name, sizeof name, "/.wjxml-%08x", random);
    return folder + name;
}

// Links the unnamed file fd under a new temporary name in folder.
bool giveName(int fd, const std::string& folder, std::string& temporary, std::string& problem)
{
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < kTemporaryTries; ++attempt) {
        temporary = temporaryName(folder, attempt);
        // Without /proc, the descriptor itself is linked (which needs a
        // privilege).
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            (errno == ENOENT && ::linkat(fd, "", AT_FDCWD, temporary.c_str(), AT_EMPTY_PATH) == 0))
            return true;
        if (errno != EEXIST)
            break;
    }
    temporary.clear();
    problem = failure("cannot name the new file");
    return false;
}

// The rename of the new file would replace a file whatever its permission:
// one the caller may not write is refused, as writing into it would be. A
// read-only file system is left to refuse the new file itself.
bool mayWrite(const std::string& path, std::string& problem)
{
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 || errno == EROFS)
        return true;
    problem = failure("cannot write the file");
    return false;
}

// Flushes a folder, so that a rename in it survives a crash. Some file
// systems cannot flush a folder; the rename is done either way.
void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool CWJFileSave::save(const std::string& target, unsigned long long maxBytes, const Writer& write,
                       std::string& problem)
{
    std::string path;
    if (!followLinks(target, path, problem))
        return false;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            problem = failure("cannot examine the file");
            return false;
        }
        return replace(path, maxBytes, write, nullptr, problem);
    }
    if (S_ISREG(info.st_mode))
        return mayWrite(path, problem) && replace(path, maxBytes, write, &info, problem);
    if (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))
        return writeInto(path, write, problem);
    problem = S_ISDIR(info.st_mode) ? "is a directory, not a file"
                                    : "is neither a file, a character device nor a pipe: it is left as it is";
    return false;
}

// The path that a chain of symbolic links ends in, whether or not it exists.
bool CWJFileSave::followLinks(const std::string& target, std::string& path, std::string& problem)
{
    path = target;
    for (int hops = 0; hops < kMaxLinks; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true;
        char pointed[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), pointed, sizeof pointed - 1);
        if (length < 0) {
            problem = failure("cannot read the symbolic link");
            return false;
        }
        const std::string next(pointed, static_cast<std::size_t>(length));
        path = next[0] == '/' || path.find('/') == std::string::npos ? next : folderOf(path) + '/' + next;
    }
    errno = ELOOP;
    problem = failure("cannot follow the symbolic link");
    return false;
}

bool CWJFileSave::replace(const std::string& path, unsigned long long maxBytes, const Writer& write,
                          const struct stat* existing, std::string& problem)
{
    const std::string folder = folderOf(path);
    std::string temporary;
    const int fd = createTemporary(folder, temporary, problem);
    if (fd < 0)
        return false;
    // A new file gets the mode the umask leaves of 0666, as the kernel set
    // it at creation; a replaced file keeps its mode.
    if (existing)
        ::fchmod(fd, existing->st_mode & 07777);
    bool ok;
    try {
        ok = writeThrough(bufferFor(fd, maxBytes), write, problem);
    } catch (...) {
        ::close(fd);
        if (!temporary.empty())
            ::unlink(temporary.c_str());
        throw;
    }
    if (ok && ::fsync(fd) != 0) {
        problem = failure("cannot flush to disk");
        ok = false;
    }
    if (ok && temporary.empty())
        ok = giveName(fd, folder, temporary, problem);
    if (::close(fd) != 0 && ok) {
        problem = failure("cannot close");
        ok = false;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = failure("cannot replace the file");
        ok = false;
    }
    if (ok)
        syncFolder(folder);
    else if (!temporary.empty())
        ::unlink(temporary.c_str());
    return ok;
}

bool CWJFileSave::writeInto(const std::string& path, const Writer& write, std::string& problem)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        problem = failure("cannot open the file");
        return false;
    }
    bool ok;
    try {
        ok = writeThrough(CWJWriteBuffer(fd, ULLONG_MAX, std::string()), write, problem);
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0 && ok) {
        problem = failure("cannot close");
        ok = false;
    }
    return ok;
}

// Creates a new file in folder, closed on exec; its descriptor, or -1. Where
// the file system allows, the file has no name (temporary stays empty) until
// it is complete, so that a process killed while writing leaves nothing
// behind; elsewhere it is named ".wjxml-" and 8 random hex digits.
int CWJFileSave::createTemporary(const std::string& folder, std::string& temporary, std::string& problem)
{
    temporary.clear();
    const int unnamed = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (unnamed >= 0)
        return unnamed;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        problem = failure("cannot create a file in its folder");
        return -1;
    }
    for (int attempt = 0; attempt < kTemporaryTries; ++attempt) {
        temporary = temporaryName(folder, attempt);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            break;
    }
    problem = failure("cannot create a file in its folder");
    return -1;
}
