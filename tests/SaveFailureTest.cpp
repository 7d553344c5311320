#include "ChildProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// A design whose file is larger than the small disks below.
View largeDesign()
{
    View view = create("large");
    view->setDesignName(std::string(200000, 'x').c_str());
    return view;
}

// The names in a folder, "." and ".." left out, joined by spaces.
std::string listing(const std::string& folder)
{
    std::string names;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names += name + ' ';
        }
        ::closedir(dir);
    }
    return names;
}

// Writes view to path; returns "" when the write failed, the old file is
// intact and nothing else was left in the folder, else what went wrong. The
// error must contain expected.
std::string failsKeepingTheOldFile(IWJInterfaceView* view, const std::string& folder, const std::string& path,
                                   const std::string& expected)
{
    const std::string before = listing(folder);
    CWJXMLFlowReader writer(view);
    writer.writeXMLFile(path.c_str());
    const std::string error = writer.lastError();
    if (error.find(expected) == std::string::npos)
        return "the error \"" + error + "\" does not say \"" + expected + "\"";
    if (readFile(path) != "old content")
        return "the old file changed";
    if (listing(folder) != before)
        return "the folder held \"" + before + "\" and now holds \"" + listing(folder) + "\"";
    return std::string();
}

// A fresh empty folder in the input folder.
std::string folderFor(const std::string& name)
{
    const std::string folder = inputPath(name);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory(folder);
    return folder;
}

// From here on the process is killed when it changes its umask or creates a
// file that would stay open across exec.
bool forbidUmaskAndInheritedCreations()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_umask, 5, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_openat, 0, 3),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_CREAT | (O_TMPFILE & ~O_DIRECTORY), 0, 1),
        BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, O_CLOEXEC, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
    };
    const sock_fprog program{static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

std::string saved(IWJInterfaceView* view, const std::string& path)
{
    CWJXMLFlowReader writer(view);
    writer.writeXMLFile(path.c_str());
    return writer.lastError();
}

void expectPassedOrSkip(const std::string& result)
{
    if (result.rfind("skipped:", 0) == 0)
        GTEST_SKIP() << result;
    EXPECT_EQ(result, "");
}

} // namespace

// On a small file system of its own: full, without room for another file,
// or mounted read-only.
TEST(SaveFailure, AFileSystemThatRefusesTheSaveKeepsTheOldFile)
{
    struct Case {
        const char* name;
        const char* options;
        bool readOnly;
        const char* expected;
    };
    for (const Case& c :
         {Case{"full-disk", "size=64k", false, "design.xml: cannot write: No space left on device"},
          Case{"no-inodes", "size=64k,nr_inodes=2", false,
               "cannot create a file in its folder: No space left on device"},
          Case{"read-only-mount", "size=64k", true, "cannot create a file in its folder: Read-only file system"}}) {
        SCOPED_TRACE(c.name);
        const View view = largeDesign();
        const std::string folder = folderFor(c.name);
        const std::string result = ChildProcess::run(ChildProcess::OwnMounts, [&] {
            if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, c.options) != 0)
                return std::string("skipped: cannot mount a small tmpfs");
            const std::string path = folder + "/design.xml";
            writeFile(path, "old content");
            if (c.readOnly && ::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                return std::string("skipped: cannot remount read-only");
            return failsKeepingTheOldFile(view.get(), folder, path, c.expected);
        });
        expectPassedOrSkip(result);
    }
}

// Root writes anything: the permission is checked as the user nobody. A
// file its user may not write is not replaced, even in a folder they may
// write, as cp and a shell redirection refuse it.
TEST(SaveFailure, AFolderOrFileWithoutWritePermissionKeepsTheOldFile)
{
    struct Case {
        const char* name;
        mode_t folderMode;
        mode_t fileMode;
        const char* expected;
    };
    for (const Case& c : {Case{"read-only-folder", 0555, 0666, "cannot create a file in its folder: Permission denied"},
                          Case{"read-only-file", 0777, 0444, "cannot write the file: Permission denied"}}) {
        SCOPED_TRACE(c.name);
        const View view = create("small");
        const std::string folder = folderFor(c.name);
        const std::string path = folder + "/design.xml";
        writeFile(path, "old content");
        ::chmod(path.c_str(), c.fileMode);
        ::chmod(folder.c_str(), c.folderMode);
        const std::string result = ChildProcess::run(
            ChildProcess::Unprivileged, [&] { return failsKeepingTheOldFile(view.get(), folder, path, c.expected); });
        ::chmod(folder.c_str(), 0755);
        expectPassedOrSkip(result);
    }
}

// A save never writes what no read accepts. Each "&" is written as "&amp;",
// so the design stays a fifth of the file it would make.
TEST(SaveFailure, ADesignLargerThanAReadAcceptsKeepsTheOldFile)
{
    const View view = create("huge");
    view->setDesignName(std::string((256 << 20) / 5 + 1, '&').c_str());
    const std::string folder = folderFor("too-large");
    const std::string path = folder + "/design.xml";
    writeFile(path, "old content");
    EXPECT_EQ(
        failsKeepingTheOldFile(view.get(), folder, path,
                               "design.xml: the file would be larger than 268435456 bytes, the most a read accepts"),
        "");
}

TEST(SaveFailure, ASavedFileKeepsTheModeOfTheOldOne)
{
    const View view = create("mode");
    const std::string folder = folderFor("mode");
    const std::string path = folder + "/design.xml";
    writeFile(path, "old content");
    ::chmod(path.c_str(), 0640);
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(path.c_str());
    EXPECT_STREQ(writer.lastError(), "");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(listing(folder), "design.xml ");
}

TEST(SaveFailure, AFileTooLargeForTheProcessLimitKeepsTheOldFileAndTheProcess)
{
    const View view = largeDesign();
    const std::string folder = folderFor("file-size-limit");
    const std::string path = folder + "/design.xml";
    writeFile(path, "old content");
    expectPassedOrSkip(ChildProcess::run(ChildProcess::AsIs, [&] {
        const rlimit limit{64 << 10, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        return failsKeepingTheOldFile(view.get(), folder, path, "design.xml: cannot write: File too large");
    }));
}

// The temporary file is closed on exec and the umask is read, never set: a
// new file gets the mode the umask leaves.
TEST(SaveFailure, ASaveNeitherLeaksADescriptorNorTouchesTheUmask)
{
    const View view = create("umask");
    const std::string folder = folderFor("umask");
    const std::string result = ChildProcess::run(ChildProcess::AsIs, [&] {
        ::umask(027);
        if (!forbidUmaskAndInheritedCreations())
            return std::string("skipped: no seccomp filter");
        const std::string error = saved(view.get(), folder + "/design.xml");
        struct stat info {};
        ::stat((folder + "/design.xml").c_str(), &info);
        if (!error.empty())
            return error;
        return (info.st_mode & 0777) == 0640 ? std::string() : "mode " + std::to_string(info.st_mode & 0777);
    });
    expectPassedOrSkip(result);
}

// A folder is refused and left as it was; a device or a pipe gets the bytes,
// and stays what it was; a dangling link gets the file it names; any name the
// folder allows can be saved.
TEST(SaveFailure, TargetsThatAreNoRegularFilesAreWrittenIntoNeverReplaced)
{
    const View view = create("targets");
    const std::string folder = folderFor("targets");
    const std::string subfolder = folder + "/folder.xml";
    ::mkdir(subfolder.c_str(), 0755);
    EXPECT_NE(saved(view.get(), subfolder).find("folder.xml: is a directory, not a file"), std::string::npos);
    EXPECT_EQ(listing(folder), "folder.xml ");
    EXPECT_TRUE(std::filesystem::is_directory(subfolder));
    struct Device {
        const char* name;
        unsigned minor;
        const char* error;
    };
    for (const Device& device :
         {Device{"null", 3, ""}, Device{"full", 7, "full: cannot write: No space left on device"}}) {
        const std::string path = folder + "/" + device.name;
        if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, device.minor)) != 0)
            GTEST_SKIP() << "cannot make device nodes here";
        const std::string error = saved(view.get(), path);
        if (error.find("Permission denied") != std::string::npos)
            GTEST_SKIP() << "devices cannot be opened here";
        EXPECT_NE(error.find(device.error), std::string::npos) << error;
        struct stat info {};
        EXPECT_TRUE(::lstat(path.c_str(), &info) == 0 && S_ISCHR(info.st_mode)) << device.name;
    }

    const std::string pipe = folder + "/pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    // With a reader already there, the writer's open does not wait.
    const int readEnd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    EXPECT_EQ(saved(view.get(), pipe), "");
    char received[4096];
    const ssize_t got = ::read(readEnd, received, sizeof received);
    ::close(readEnd);
    EXPECT_NE(
        std::string(received, got > 0 ? static_cast<std::size_t>(got) : 0).find("<DesignName>targets</DesignName>"),
        std::string::npos);

    const std::string link = folder + "/dangling.xml";
    ASSERT_EQ(::symlink("made.xml", link.c_str()), 0);
    EXPECT_EQ(saved(view.get(), link), "");
    struct stat info {};
    EXPECT_TRUE(::lstat(link.c_str(), &info) == 0 && S_ISLNK(info.st_mode));
    EXPECT_NE(readFile(folder + "/made.xml").find("<DesignName>targets</DesignName>"), std::string::npos);

    for (const std::size_t length : {249u, 255u}) {
        const std::string path = folder + "/" + std::string(length - 4, 'n') + ".xml";
        EXPECT_EQ(saved(view.get(), path), "") << length;
        EXPECT_NE(readFile(path).find("<DesignName>targets</DesignName>"), std::string::npos);
    }
}
