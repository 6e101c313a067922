// Opening a comic end to end: the roads a path takes, what the user sees, and
// what is left on disk.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>

#include "app/ReaderSession.h"
#include "engine/mvImage.h"
#include "platform/CFrameWnd.h"
#include "platform/OpenFileDialog.h"
#include "res/Strings.h"
#include "support/Colours.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"
#include "view/CPanelvueView.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;
constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kBlue = 0xFF0000FF;

struct PageSpec {
    std::string name;
    int width, height;
    uint32_t rgb;
};

class OpenComicTest : public testing::Test {
  protected:
    // Work folders and scripts of this test go to a data folder of its own.
    OpenComicTest() { setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1); }

    // Packs the pages into an archive in the test's folder; returns its path.
    std::string MakeComic(const std::string& archiveName, const std::vector<PageSpec>& pages) {
        TempFolder content;
        for (const PageSpec& page : pages) {
            std::filesystem::path path = content / page.name;
            std::filesystem::create_directories(path.parent_path());
            WriteJpeg(path.string(), page.width, page.height, page.rgb);
        }
        return PackZip(folder / archiveName, content.path());
    }

    std::string RedBlueComic(const std::string& name = "book.cbz") {
        return MakeComic(name, {{"01.jpg", 600, 900, 0xFF0000}, {"02.jpg", 600, 900, 0x0000FF}});
    }

    // The colour in the middle of the page rectangle.
    uint32_t PageCentre() const {
        mvImage* e = session.View()->Engine();
        return session.Pixel(e->originX + e->drawWidth / 2, e->originY + e->drawHeight / 2);
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& m : session.messages) texts.push_back(m.text);
        return texts;
    }

    TempFolder folder;
    ReaderSession session;
};

TEST_F(OpenComicTest, CommandLineShowsTheFirstPageFitted) {
    std::string archive = RedBlueComic();
    ASSERT_TRUE(session.Start({archive}));
    EXPECT_TRUE(session.messages.empty());
    EXPECT_EQ(session.Title(), "book.cbz - Panelvue");

    CPanelvueView* view = session.View();
    ASSERT_TRUE(view->EngineReady());
    mvImage* e = view->Engine();
    EXPECT_EQ(view->Pages().size(), 2u);
    EXPECT_EQ(e->currentIndex, 0);
    EXPECT_EQ(e->pageCount, 2);
    // Fitted by height, centred horizontally, top-aligned.
    Rect client = view->GetClientRect();
    EXPECT_EQ(e->drawHeight, client.Height());
    EXPECT_EQ(e->drawWidth, 600 * client.Height() / 900);
    EXPECT_EQ(e->originY, 0);
    // Centred in the width the view had before its bar appeared.
    EXPECT_GE(e->originX, (client.Width() - e->drawWidth) / 2);
    // Two pages stacked are taller than the window: the bar stands for the book.
    EXPECT_TRUE(view->IsScrollBarShown(SB_VERT));
    EXPECT_EQ(view->GetScrollInfo(SB_VERT).max, 2 * e->drawHeight);

    view->UpdateWindow();
    EXPECT_TRUE(NearColour(PageCentre(), kRed));
    EXPECT_TRUE(NearColour(session.Pixel(e->originX + 1, 1), kRed));
    EXPECT_EQ(session.Pixel(e->originX - 1, client.Height() / 2), kWhite);
    EXPECT_EQ(session.Pixel(e->originX + e->drawWidth, client.Height() / 2), kWhite);
}

struct RejectedName {
    const char* label;
    const char* name;
};

class RejectedNameTest : public OpenComicTest, public testing::WithParamInterface<RejectedName> {};

TEST_P(RejectedNameTest, ShowsTheInvalidFileMessageAndNoPage) {
    std::filesystem::create_directories(folder / "my.comics");
    std::string archive = RedBlueComic();
    std::string renamed = folder / GetParam().name;
    std::filesystem::copy_file(archive, renamed);
    ASSERT_TRUE(session.Start());

    session.app.OpenDocumentFile(renamed);
    EXPECT_EQ(Messages(), std::vector<std::string>{strings::kInvalidFile});
    EXPECT_EQ(session.messages[0].caption, "Panelvue");
    EXPECT_FALSE(session.View()->EngineReady());
    EXPECT_TRUE(session.View()->ArchivePath().empty());
    EXPECT_TRUE(session.app.workFolders.Paths().empty());
}

INSTANTIATE_TEST_SUITE_P(Names, RejectedNameTest,
                         testing::Values(RejectedName{"UpperCase", "book.CBZ"},
                                         RejectedName{"Suffix", "book.cbz.bak"},
                                         RejectedName{"NoDot", "book"},
                                         RejectedName{"DotInFolderOnly", "my.comics/book"},
                                         RejectedName{"Text", "notes.txt"}),
                         [](const testing::TestParamInfo<RejectedName>& info) {
                             return info.param.label;
                         });

TEST_F(OpenComicTest, ANameThatIsOnlyTheExtensionIsAComic) {
    std::string archive = RedBlueComic(".cbz");
    ASSERT_TRUE(session.Start({archive}));
    EXPECT_TRUE(session.messages.empty());
    EXPECT_TRUE(session.View()->EngineReady());
}

TEST_F(OpenComicTest, ArchivesWithoutJpegPagesReportAnImproperArgument) {
    // Only PNG pages.
    TempFolder pngs;
    QImage picture(40, 60, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(pngs / "01.png")));
    std::string onlyPng = PackZip(folder / "png.cbz", pngs.path());
    // Not an archive at all.
    std::string damaged = folder / "damaged.cbz";
    WriteFileBytes(damaged, "PK\x03\x04 this is not a zip archive");
    // An archive that is empty.
    std::string empty = folder / "empty.cbz";
    WriteFileBytes(empty, std::string("PK\x05\x06", 4) + std::string(18, '\0'));

    ASSERT_TRUE(session.Start());
    for (const std::string& archive : {onlyPng, damaged, empty}) {
        SCOPED_TRACE(archive);
        session.messages.clear();
        session.app.OpenDocumentFile(archive);
        ASSERT_EQ(session.messages.size(), 1u);
        EXPECT_EQ(session.messages[0].text, "Encountered an improper argument.");
        EXPECT_EQ(session.messages[0].type & MB_ICONMASK, MB_ICONSTOP);
        CPanelvueView* view = session.View();
        EXPECT_EQ(view->ArchivePath(), archive);
        EXPECT_TRUE(view->Pages().empty());
        EXPECT_FALSE(view->EngineReady());
    }
    // Each was unpacked into a work folder of its own, remembered for the close.
    EXPECT_EQ(session.app.workFolders.Paths().size(), 3u);
}

TEST_F(OpenComicTest, AnUndecodablePageLeavesTheAreaBlankWithoutAMessage) {
    TempFolder content;
    WriteFileBytes(content / "01.jpg", std::string("\xFF\xD8\xFF\xE0 truncated", 14));
    WriteJpeg(content / "02.jpg", 600, 900, 0xFF0000);
    std::string archive = PackZip(folder / "broken.cbz", content.path());

    ASSERT_TRUE(session.Start({archive}));
    EXPECT_TRUE(session.messages.empty());
    CPanelvueView* view = session.View();
    ASSERT_TRUE(view->EngineReady());
    EXPECT_EQ(view->Engine()->firstPageWidth, 0);
    view->UpdateWindow();
    EXPECT_EQ(PageCentre(), kWhite);
}

TEST_F(OpenComicTest, OpeningTheOpenComicAgainDoesNothing) {
    std::string archive = RedBlueComic();
    ASSERT_TRUE(session.Start({archive}));
    mvImage* engine = session.View()->Engine();
    session.app.OpenDocumentFile(archive);
    session.app.OpenDocumentFile("\"" + archive + "\"");
    EXPECT_EQ(session.app.workFolders.Paths().size(), 1u);
    EXPECT_EQ(session.View()->Engine(), engine);
    EXPECT_TRUE(session.messages.empty());
}

TEST_F(OpenComicTest, HostileArchiveNameOpensAndRunsNothing) {
    std::string name = "it's $(touch pwned) `touch pwned2` \"q\" ; \n Ünï 日本.cbz";
    std::string archive = RedBlueComic(name);
    std::filesystem::current_path(folder.path());
    ASSERT_TRUE(session.Start({archive})) << (Messages().empty() ? "" : Messages()[0]);
    EXPECT_TRUE(session.messages.empty());
    EXPECT_EQ(session.View()->Pages().size(), 2u);
    EXPECT_EQ(session.Title(), name + " - Panelvue");
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned"));
    EXPECT_FALSE(std::filesystem::exists(folder / "pwned2"));
}

TEST_F(OpenComicTest, AMissingFileOnTheCommandLineEndsTheProgram) {
    EXPECT_FALSE(session.Start({folder / "missing.cbz"}));
    ASSERT_EQ(session.messages.size(), 1u);
    EXPECT_NE(session.messages[0].text.find("missing.cbz"), std::string::npos);
    EXPECT_TRUE(session.app.workFolders.Paths().empty());
}

TEST_F(OpenComicTest, NoArgumentShowsAnEmptyWindow) {
    ASSERT_TRUE(session.Start());
    ASSERT_NE(session.Frame(), nullptr);
    CPanelvueView* view = session.View();
    ASSERT_NE(view->Engine(), nullptr);
    EXPECT_FALSE(view->EngineReady());
    EXPECT_FALSE(view->IsScrollBarShown(SB_VERT));
    view->UpdateWindow();
    EXPECT_EQ(session.Pixel(10, 10), kWhite);
    EXPECT_TRUE(session.messages.empty());
}

TEST_F(OpenComicTest, DroppedArchivesOpenInTurnAndTheLastStays) {
    std::string red = MakeComic("red.cbz", {{"01.jpg", 400, 600, 0xFF0000}});
    std::string blue = MakeComic("blue.cbz", {{"01.jpg", 400, 600, 0x0000FF}});
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Frame()->AcceptsDroppedFiles());
    session.Frame()->OnDropFiles({red, blue});
    session.ProcessEvents();
    EXPECT_EQ(session.app.workFolders.Paths().size(), 2u);
    EXPECT_EQ(session.View()->ArchivePath(), blue);
    EXPECT_EQ(session.Title(), "blue.cbz - Panelvue");
    session.View()->UpdateWindow();
    EXPECT_TRUE(NearColour(PageCentre(), kBlue));
}

TEST_F(OpenComicTest, DroppingATextFileTakesThePageAway) {
    std::string archive = RedBlueComic();
    std::string notes = folder / "notes.txt";
    WriteFileBytes(notes, "not a comic");
    ASSERT_TRUE(session.Start({archive}));
    session.Frame()->OnDropFiles({notes});
    EXPECT_EQ(Messages(), std::vector<std::string>{strings::kInvalidFile});
    EXPECT_FALSE(session.View()->EngineReady());
    session.View()->UpdateWindow();
    EXPECT_EQ(session.Pixel(session.View()->GetClientRect().Width() / 2, 10), kWhite);
}

TEST_F(OpenComicTest, TheOpenCommandAsksForOneComicFile) {
    std::string archive = RedBlueComic();
    std::vector<OpenFileRequest> requests;
    std::optional<std::string> answer;
    SetOpenFileDialogSink([&](const OpenFileRequest& request) {
        requests.push_back(request);
        return answer;
    });
    ASSERT_TRUE(session.Start());

    session.app.OnFileOpen();  // cancelled
    EXPECT_FALSE(session.View()->EngineReady());
    answer = archive;
    session.app.OnFileOpen();
    SetOpenFileDialogSink(nullptr);

    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].title, "Open");
    EXPECT_EQ(requests[0].filterName, "Comic Files (*.cbz)");
    EXPECT_EQ(requests[0].pattern, "*.cbz");
    EXPECT_TRUE(session.View()->EngineReady());
    EXPECT_EQ(session.View()->ArchivePath(), archive);
}

TEST_F(OpenComicTest, ClosingTheWindowDeletesEveryWorkFolder) {
    std::string first = RedBlueComic("first.cbz");
    std::string second = RedBlueComic("second.cbz");
    ASSERT_TRUE(session.Start({first}));
    session.app.OpenDocumentFile(second);
    std::vector<std::string> work = session.app.workFolders.Paths();
    ASSERT_EQ(work.size(), 2u);
    for (const std::string& path : work) EXPECT_TRUE(std::filesystem::is_directory(path));

    session.Frame()->Close();
    session.ProcessEvents();
    EXPECT_EQ(session.Frame(), nullptr);
    for (const std::string& path : work) EXPECT_FALSE(std::filesystem::exists(path)) << path;
    // The scripts that ran the extractor are gone too.
    std::filesystem::path tindlework = std::filesystem::path(work[0]).parent_path();
    for (const auto& entry : std::filesystem::directory_iterator(tindlework))
        EXPECT_EQ(entry.path().filename().string().rfind("tindlerun", 0), std::string::npos);
}

}  // namespace
