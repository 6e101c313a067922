#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "support/EntryNames.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"
#include "unpack/WorkFolders.h"

namespace {

namespace fs = std::filesystem;

class WorkFoldersTest : public ::testing::Test {
  protected:
    std::string Path(const std::string& relative) const { return temp_ / relative; }
    void File(const std::string& relative, const std::string& bytes = "page") {
        fs::create_directories(fs::path(Path(relative)).parent_path());
        WriteFileBytes(Path(relative), bytes);
    }

    TempFolder temp_;
};

TEST_F(WorkFoldersTest, RemembersEveryPathInOrderWithRepeats) {
    WorkFolders folders;
    for (const char* path : {"/a", "/b", "/a"}) folders.RememberWorkFolder(path);
    EXPECT_EQ(folders.Paths(), (std::vector<std::string>{"/a", "/b", "/a"}));
}

TEST_F(WorkFoldersTest, DeletesEverythingInsideButNothingALinkPointsTo) {
    File("outside/keep.jpg", "keep");
    File("work1/page.jpg");
    File("work1/\xff\xfe not utf8.jpg");
    File("work1/locked.jpg");
    File("work1/sealed/inner.jpg");
    File("work1/sealed/deeper/x.jpg");
    File("work1/readonly/r.jpg");
    File("work2/sub/p.jpg");
    fs::create_directory_symlink(Path("outside"), Path("work1/link-out"));
    fs::create_symlink(Path("outside/keep.jpg"), Path("work1/link-file.jpg"));
    fs::create_directory_symlink(Path("outside"), Path("work1/readonly/link-out"));
    // Entries nobody may read, enter or change until their rights are restored.
    chmod(Path("work1/locked.jpg").c_str(), 0);
    chmod(Path("work1/sealed/deeper").c_str(), 0);
    chmod(Path("work1/sealed").c_str(), 0);
    chmod(Path("work1/readonly").c_str(), 0500);

    WorkFolders folders;
    folders.RememberWorkFolder(Path("work1"));
    folders.RememberWorkFolder(Path("never-made"));
    folders.RememberWorkFolder(Path("work2"));
    const std::vector<std::string> remembered = folders.Paths();

    // Run as an ordinary user would: root could delete the locked entries
    // without giving itself the rights first.
    ASSERT_TRUE(RunUnprivileged(temp_.path(), [&] { folders.DeleteWorkFolders(); }));

    EXPECT_EQ(EntryNamesBelow(temp_.path()),
              (std::vector<std::string>{"outside", "outside/keep.jpg"}));
    EXPECT_EQ(ReadFileBytes(Path("outside/keep.jpg")), "keep");
    EXPECT_EQ(folders.Paths(), remembered);
}

TEST_F(WorkFoldersTest, ARememberedPathThatIsNotARealFolderIsLeftAlone) {
    File("outside/keep.jpg", "keep");
    File("plain-file", "file");
    fs::create_directory_symlink(Path("outside"), Path("link-to-folder"));
    WorkFolders folders;
    folders.RememberWorkFolder(Path("link-to-folder"));
    folders.RememberWorkFolder(Path("link-to-folder/"));
    folders.RememberWorkFolder(Path("plain-file"));
    folders.DeleteWorkFolders();
    EXPECT_EQ(
        EntryNamesBelow(temp_.path()),
        (std::vector<std::string>{"link-to-folder", "outside", "outside/keep.jpg", "plain-file"}));
}

}  // namespace
