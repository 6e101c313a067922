#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "IsolatedDataHome.h"
#include "platform/FileSystem.h"
#include "support/EntryNames.h"
#include "support/Fixtures.h"
#include "support/RawZip.h"
#include "support/ScopedCurrentFolder.h"
#include "support/Watchdog.h"
#include "unpack/ExtractorRun.h"
#include "unpack/PageCollection.h"

namespace {

namespace fs = std::filesystem;

class UnpackArchiveTest : public ::testing::Test {
  protected:
    // Packs pages (name -> bytes) into an archive at `name` inside the test folder.
    std::string Archive(const std::string& name,
                        const std::vector<std::pair<std::string, std::string>>& pages) {
        const std::string content = home_ / "content";
        fs::remove_all(content);
        fs::create_directories(content);
        for (const auto& [page, bytes] : pages) WriteFileBytes(content + "/" + page, bytes);
        // Packed under a plain name, then renamed: the archive's own name is
        // what the tests are about, not the packer's handling of it.
        PackZip(home_ / "packed.zip", content);
        fs::remove_all(content);
        fs::rename(home_ / "packed.zip", home_ / name);
        return home_ / name;
    }

    PageList Unpack(const std::string& archive, std::string* workFolder = nullptr) {
        Watchdog watchdog("UnpackArchive");
        const std::string work = UnpackArchive(archive, folders_);
        if (workFolder) *workFolder = work;
        PageList pages;
        CollectPages(pages, work);
        return pages;
    }

    // Every name below the test folder that is not inside `workFolder`.
    std::vector<std::string> EntriesOutside(const std::string& workFolder) const {
        const std::string work =
            fs::path(workFolder).lexically_relative(home_.temp().path()).string();
        std::vector<std::string> outside;
        for (const std::string& entry : EntryNamesBelow(home_.temp().path()))
            if (!entry.starts_with(work + "/")) outside.push_back(entry);
        return outside;
    }

    // A command substitution that escaped its quotes leaves a file "pwned" in
    // the current folder, which the tests make their own folder.
    void ExpectNothingRan() const {
        for (const std::string& entry : EntryNamesBelow(home_.temp().path()))
            EXPECT_NE(fs::path(entry).filename(), "pwned") << entry;
    }

    IsolatedDataHome home_;
    WorkFolders folders_;
};

TEST_F(UnpackArchiveTest, UnpacksIntoANewRememberedWorkFolderAndCleansUp) {
    const std::string archive = Archive("book.cbz", {{"p1.jpg", "one"}, {"p2.jpg", "two"}});
    std::string work;
    const PageList pages = Unpack(archive, &work);
    EXPECT_TRUE(work.starts_with(home_.Tindlework() + "/tmpImageName")) << work;
    EXPECT_EQ(pages, (PageList{work + "/p1.jpg", work + "/p2.jpg"}));
    EXPECT_EQ(ReadFileBytes(pages.at(1)), "two");
    EXPECT_EQ(folders_.Paths(), std::vector<std::string>{work});
    // Only the work folder is left in Tindlework: the script is gone.
    EXPECT_EQ(EntriesOutside(work),
              (std::vector<std::string>{
                  "book.cbz", "data", "data/Tindlework",
                  fs::path(work).lexically_relative(home_.temp().path()).string()}));
}

TEST_F(UnpackArchiveTest, TwoOpensOfTheSameArchiveGetTheirOwnWorkFolders) {
    const std::string archive = Archive("book.cbz", {{"p1.jpg", "one"}});
    std::string first;
    std::string second;
    EXPECT_EQ(Unpack(archive, &first).size(), 1u);
    EXPECT_EQ(Unpack(archive, &second).size(), 1u);
    EXPECT_NE(first, second);
    EXPECT_EQ(folders_.Paths(), (std::vector<std::string>{first, second}));
}

struct HostileName {
    const char* label;
    std::string name;
};

void PrintTo(const HostileName& c, std::ostream* out) {
    *out << c.label;
}

class HostileArchiveNameTest : public UnpackArchiveTest,
                               public ::testing::WithParamInterface<HostileName> {};

TEST_P(HostileArchiveNameTest, OpensWithAllItsPagesAndRunsNothingElse) {
    ScopedCurrentFolder current(home_.temp().path());
    const std::string archive = Archive(GetParam().name, {{"p1.jpg", "one"}, {"p2.jpg", "two"}});
    std::string work;
    const PageList pages = Unpack(archive, &work);
    ASSERT_EQ(pages, (PageList{work + "/p1.jpg", work + "/p2.jpg"}));
    EXPECT_EQ(ReadFileBytes(pages[0]), "one");
    ExpectNothingRan();
}

// An extractor that records its arguments and its locale, one per NUL-ended
// record, shows exactly what the script handed over after the shell's parsing.
TEST_P(HostileArchiveNameTest, TheExtractorReceivesEachPathAsOneUntouchedArgument) {
    ScopedCurrentFolder current(home_.temp().path());
    const std::string record = home_ / "arguments";
    const std::string extractor = home_ / "core $(touch pwned) 'q'/7z";
    fs::create_directories(fs::path(extractor).parent_path());
    WriteFileBytes(extractor,
                   "#!/bin/sh\nprintf '%s\\0' \"$LC_ALL\" \"$@\" > " + ShellQuote(record) + "\n");
    chmod(extractor.c_str(), 0700);
    const std::string archive = home_ / GetParam().name;

    const std::string work = UnpackArchiveWithExtractor(extractor, archive, folders_);

    std::vector<std::string> received;
    const std::string bytes = ReadFileBytes(record);
    for (size_t start = 0, end; (end = bytes.find('\0', start)) != std::string::npos;
         start = end + 1)
        received.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(received, (std::vector<std::string>{"C.UTF-8", "x", "-o" + work, "-spd", archive}));
    ExpectNothingRan();
}

INSTANTIATE_TEST_SUITE_P(
    Names, HostileArchiveNameTest,
    ::testing::Values(
        HostileName{"space", "with space.cbz"}, HostileName{"single_quote", "it's.cbz"},
        HostileName{"two_single_quotes", "''.cbz"}, HostileName{"double_quotes", "say \"hi\".cbz"},
        HostileName{"command_substitution", "$(touch pwned).cbz"},
        HostileName{"backticks", "`touch pwned`.cbz"},
        HostileName{"variable_semicolon_ampersand", "$HOME; touch pwned &.cbz"},
        HostileName{"line_break", "line\nbreak.cbz"}, HostileName{"backslash", "back\\slash.cbz"},
        HostileName{"tilde_dash", "~tilde -dash.cbz"}, HostileName{"non_latin", "Ünïcödé 日本.cbz"},
        HostileName{"not_utf8", "\xff\xfe not utf8.cbz"}, HostileName{"wildcards", "[ab]*.cbz"}));

TEST_F(UnpackArchiveTest, WildcardCharactersInTheNameMatchOnlyThatArchive) {
    const std::string wanted = Archive("What?.cbz", {{"question.jpg", "?"}});
    Archive("WhatX.cbz", {{"x.jpg", "X"}});
    Archive("Whatever.cbz", {{"ever.jpg", "ever"}});
    std::string work;
    const PageList pages = Unpack(wanted, &work);
    EXPECT_EQ(pages, PageList{work + "/question.jpg"});
    EXPECT_EQ(EntryNamesBelow(work), std::vector<std::string>{"question.jpg"});
}

TEST_F(UnpackArchiveTest, EncryptedArchiveEndsWithoutAPasswordAndWithoutPageContent) {
    const std::string content = home_ / "content";
    fs::create_directories(content);
    WriteFileBytes(content + "/secret.jpg", "the secret page");
    const std::string archive = home_ / "locked.cbz";
    ASSERT_EQ(RunShell("cd " + ShellQuote(content) + " && 7zz a -tzip -pSECRET -bso0 -bsp0 -- " +
                       ShellQuote(archive) + " . >/dev/null"),
              0);
    std::string work;
    const PageList pages = Unpack(archive, &work);  // must not wait for a password
    EXPECT_FALSE(work.empty());
    // The extractor may leave an empty placeholder file behind, but nothing of
    // the page's content.
    for (const std::string& page : pages) EXPECT_EQ(fs::file_size(page), 0u) << page;
}

TEST_F(UnpackArchiveTest, DuplicateEntryNamesEndWithoutAnOverwriteAnswer) {
    const std::string archive = home_ / "twice.cbz";
    WriteRawZip(archive,
                {{"p1.jpg", "first"}, {"p1.jpg", "second"}, {"p2.jpg", "after the question"}});
    std::string work;
    const PageList pages = Unpack(archive, &work);  // must not wait for an answer
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages[0], work + "/p1.jpg");
    EXPECT_EQ(ReadFileBytes(pages[0]), "first") << "nobody said yes to the overwrite";
}

TEST_F(UnpackArchiveTest, EntriesAimingOutsideTheWorkFolderStayInside) {
    const std::string archive = home_ / "hostile.cbz";
    fs::create_directories(home_ / "outside");
    WriteRawZip(archive, {
                             {"ok.jpg", "ok"},
                             {"../up1.jpg", "up"},
                             {"../../up2.jpg", "up"},
                             {"sub/../../up3.jpg", "up"},
                             {home_ / "absolute.jpg", "absolute"},
                             {"relative-link", "../../../outside", true},
                             {"relative-link/through-link.jpg", "through"},
                             {"absolute-link", home_ / "outside", true},
                             {"absolute-link/through-link.jpg", "through"},
                             {"file-link.jpg", home_ / "hostile.cbz", true},
                         });
    std::string work;
    const PageList pages = Unpack(archive, &work);
    const std::string workName = fs::path(work).lexically_relative(home_.temp().path()).string();
    EXPECT_EQ(EntriesOutside(work), (std::vector<std::string>{"data", "data/Tindlework", workName,
                                                              "hostile.cbz", "outside"}));
    EXPECT_TRUE(std::find(pages.begin(), pages.end(), work + "/ok.jpg") != pages.end());
    for (const std::string& page : pages) {
        EXPECT_TRUE(page.starts_with(work + "/")) << page;
        EXPECT_FALSE(fs::is_symlink(page)) << page;
    }
}

TEST_F(UnpackArchiveTest, MissingArchiveStillGivesTheRememberedWorkFolderAndNoPages) {
    std::string work;
    EXPECT_EQ(Unpack(home_ / "missing.cbz", &work), PageList{});
    EXPECT_TRUE(work.starts_with(home_.Tindlework() + "/tmpImageName")) << work;
    EXPECT_EQ(folders_.Paths(), std::vector<std::string>{work});
}

TEST_F(UnpackArchiveTest, MissingExtractorStillGivesTheRememberedWorkFolderAndNoPages) {
    const std::string archive = Archive("book.cbz", {{"p1.jpg", "one"}});
    const std::string work =
        UnpackArchiveWithExtractor(home_ / "no/such/core/7z", archive, folders_);
    EXPECT_TRUE(work.starts_with(home_.Tindlework() + "/tmpImageName")) << work;
    PageList pages;
    CollectPages(pages, work);
    EXPECT_EQ(pages, PageList{});
    EXPECT_EQ(folders_.Paths(), std::vector<std::string>{work});
}

TEST_F(UnpackArchiveTest, NoScriptMeansNoWorkFolderButTheFolderIsStillRemembered) {
    WriteFileBytes(home_ / "file", "");
    ScopedEnvironment dataHome("XDG_DATA_HOME", home_ / "file/data");
    EXPECT_EQ(UnpackArchive(Archive("book.cbz", {{"p1.jpg", "one"}}), folders_), "");
    ASSERT_EQ(folders_.Paths().size(), 1u);
    EXPECT_TRUE(folders_.Paths()[0].starts_with(home_ / "file/data/Tindlework/tmpImageName"));
}

}  // namespace
