#include "ChildProcess.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <filesystem>
#include <sys/mount.h>
#include <sys/stat.h>
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

void expectPassedOrSkip(const std::string& result)
{
    if (result.rfind("skipped:", 0) == 0)
        GTEST_SKIP() << result;
    EXPECT_EQ(result, "");
}

} // namespace

TEST(SaveFailure, AFullDiskKeepsTheOldFile)
{
    const View view = largeDesign();
    const std::string folder = folderFor("full-disk");
    const std::string result = ChildProcess::run(ChildProcess::OwnMounts, [&] {
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            return std::string("skipped: cannot mount a small tmpfs");
        const std::string path = folder + "/design.xml";
        writeFile(path, "old content");
        return failsKeepingTheOldFile(view.get(), folder, path,
                                      "design.xml:0:0: cannot write: No space left on device");
    });
    expectPassedOrSkip(result);
}

TEST(SaveFailure, AFullDiskWithoutRoomForAnotherFileKeepsTheOldFile)
{
    const View view = create("small");
    const std::string folder = folderFor("no-inodes");
    const std::string result = ChildProcess::run(ChildProcess::OwnMounts, [&] {
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k,nr_inodes=2") != 0)
            return std::string("skipped: cannot mount a small tmpfs");
        const std::string path = folder + "/design.xml";
        writeFile(path, "old content");
        return failsKeepingTheOldFile(view.get(), folder, path,
                                      "cannot create a file in its folder: No space left on device");
    });
    expectPassedOrSkip(result);
}

TEST(SaveFailure, AReadOnlyFileSystemKeepsTheOldFile)
{
    const View view = create("small");
    const std::string folder = folderFor("read-only-mount");
    const std::string result = ChildProcess::run(ChildProcess::OwnMounts, [&] {
        if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
            return std::string("skipped: cannot mount a small tmpfs");
        const std::string path = folder + "/design.xml";
        writeFile(path, "old content");
        if (::mount("tmpfs", folder.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return std::string("skipped: cannot remount read-only");
        return failsKeepingTheOldFile(view.get(), folder, path,
                                      "cannot create a file in its folder: Read-only file system");
    });
    expectPassedOrSkip(result);
}

// Root writes into any folder: the permission is checked as the user nobody.
TEST(SaveFailure, AFolderWithoutWritePermissionKeepsTheOldFile)
{
    const View view = create("small");
    const std::string folder = folderFor("read-only-folder");
    const std::string path = folder + "/design.xml";
    writeFile(path, "old content");
    ::chmod(path.c_str(), 0666);
    ::chmod(folder.c_str(), 0555);
    const std::string result = ChildProcess::run(ChildProcess::Unprivileged, [&] {
        return failsKeepingTheOldFile(view.get(), folder, path,
                                      "cannot create a file in its folder: Permission denied");
    });
    ::chmod(folder.c_str(), 0755);
    expectPassedOrSkip(result);
}

TEST(SaveFailure, ATargetThatIsAFolderStaysAFolder)
{
    const View view = create("small");
    const std::string folder = folderFor("target-folder");
    const std::string target = folder + "/design.xml";
    ::mkdir(target.c_str(), 0755);
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(target.c_str());
    EXPECT_NE(std::string(writer.lastError()).find("design.xml:0:0: cannot replace the file: Is a directory"),
              std::string::npos)
        << writer.lastError();
    struct stat info {};
    EXPECT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(listing(folder), "design.xml ");
}

TEST(SaveFailure, SavingThroughALinkReplacesTheLinkedFile)
{
    const View view = create("through a link");
    const std::string folder = folderFor("linked");
    const std::string real = folder + "/real.xml";
    const std::string link = folder + "/link.xml";
    writeFile(real, "old content");
    ASSERT_EQ(::symlink("real.xml", link.c_str()), 0);
    CWJXMLFlowReader writer(view.get());
    writer.writeXMLFile(link.c_str());
    EXPECT_STREQ(writer.lastError(), "");
    struct stat info {};
    ASSERT_EQ(::lstat(link.c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_NE(readFile(real).find("<DesignName>through a link</DesignName>"), std::string::npos);
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
