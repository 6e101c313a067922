#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "support/Fixtures.h"
#include "support/PrintableName.h"
#include "support/TempFolder.h"
#include "unpack/PageCollection.h"

namespace {

namespace fs = std::filesystem;

struct NameCase {
    std::string name;
    bool isPage;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << PrintableName(c.name);
}

class IsPageNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(IsPageNameTest, LooksOnlyAtThePartAfterTheLastDot) {
    EXPECT_EQ(IsPageName(GetParam().name), GetParam().isPage) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, IsPageNameTest,
                         ::testing::Values(NameCase{"a.jpg", true}, NameCase{"PAGE01.JPG", true},
                                           NameCase{"page02.Jpeg", true}, NameCase{"x.jPeG", true},
                                           NameCase{"archive.tar.jpg", true},
                                           NameCase{"\xff\xfe.jpg", true},
                                           NameCase{"cover.jpe", false}, NameCase{"a.png", false},
                                           NameCase{"a.gif", false}, NameCase{"a.jpg.png", false},
                                           NameCase{"a.jpgx", false}, NameCase{"a.jpeg ", false},
                                           NameCase{"jpg", false}, NameCase{"jpeg", false},
                                           NameCase{"a.", false}, NameCase{"", false}));

class CollectPagesTest : public ::testing::Test {
  protected:
    void File(const std::string& relative) {
        fs::create_directories(fs::path(temp_ / relative).parent_path());
        WriteFileBytes(temp_ / relative, "page");
    }
    void Folder(const std::string& relative) { fs::create_directories(temp_ / relative); }
    std::string Path(const std::string& relative) const { return temp_ / relative; }

    TempFolder temp_;
};

TEST_F(CollectPagesTest, WalksSubfoldersFirstInNaturalOrderAndTakesOnlyRealJpegFiles) {
    for (const char* name : {"b10.jpg", "b2.jpg", "B3.JPG", "a.Jpeg", "cover.jpe", "pic.png",
                             "noext", "jpg", "sub10/x.jpg", "sub2/y.jpg", "sub2/inner/z.jpg",
                             "sub2/inner/z.gif", ".git/hidden.jpg", "dir.jpg/w.jpg"})
        File(name);
    Folder("empty");
    // Links are never followed nor taken, even when they name a page or a folder.
    fs::create_symlink(Path("b2.jpg"), Path("link.jpg"));
    fs::create_directory_symlink(Path("sub2"), Path("linkdir"));
    fs::create_symlink(Path("missing.jpg"), Path("dangling.jpg"));

    PageList pages = {"kept from before"};
    CollectPages(pages, temp_.path());

    const PageList expected = {
        "kept from before", Path("dir.jpg/w.jpg"), Path("sub2/inner/z.jpg"),
        Path("sub2/y.jpg"), Path("sub10/x.jpg"),   Path("a.Jpeg"),
        Path("b2.jpg"),     Path("B3.JPG"),        Path("b10.jpg"),
    };
    EXPECT_EQ(pages, expected);
}

TEST_F(CollectPagesTest, NamesThatAreNotUtf8AreCollectedAsTheirBytes) {
    File("\xff\xfe.jpg");
    PageList pages;
    CollectPages(pages, temp_.path());
    ASSERT_EQ(pages, PageList{Path("\xff\xfe.jpg")});
    EXPECT_EQ(ReadFileBytes(pages[0]), "page");
}

TEST_F(CollectPagesTest, EmptyOrMissingFolderAddsNothing) {
    File("a.jpg");
    PageList pages = {"x"};
    CollectPages(pages, "");
    CollectPages(pages, Path("missing"));
    EXPECT_EQ(pages, PageList{"x"});
}

TEST_F(CollectPagesTest, FolderGivenWithATrailingSlashGivesCleanPaths) {
    File("a.jpg");
    PageList pages;
    CollectPages(pages, temp_.path() + "/");
    EXPECT_EQ(pages, PageList{Path("a.jpg")});
}

}  // namespace
