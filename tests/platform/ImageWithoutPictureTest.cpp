#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "PictureBytes.h"
#include "platform/Image.h"
#include "support/Fixtures.h"
#include "support/TempFolder.h"

namespace {

// Each case prepares a path in the folder; the file there is no picture.
struct BadFileCase {
    const char* name;
    std::function<std::string(const TempFolder&)> make;
};

std::string Write(const TempFolder& folder, const std::string& name, const std::string& bytes) {
    WriteFileBytes(folder / name, bytes);
    return folder / name;
}

std::string SmallJpeg() {
    return EncodeJpeg(SolidImage(16, 16, 0x808080));
}

class ImageWithoutPictureTest : public testing::TestWithParam<BadFileCase> {};

TEST_P(ImageWithoutPictureTest, GivesAnEmptyImageAndDecodesNothing) {
    TempFolder folder;
    const std::string path = GetParam().make(folder);
    const int64_t before = Image::DecodeCount();

    const Image image(path);

    EXPECT_FALSE(image.HasPicture());
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_EQ(image.FrameCount(), 0u);
    EXPECT_FLOAT_EQ(image.HorizontalResolution(), 96.0f);
    EXPECT_FLOAT_EQ(image.VerticalResolution(), 96.0f);
    EXPECT_EQ(Image::DecodeCount(), before);
}

INSTANTIATE_TEST_SUITE_P(
    BadFiles, ImageWithoutPictureTest,
    testing::Values(
        BadFileCase{"Missing", [](const TempFolder& f) { return f / "missing.jpg"; }},
        BadFileCase{"Empty", [](const TempFolder& f) { return Write(f, "empty.jpg", ""); }},
        BadFileCase{"Text",
                    [](const TempFolder& f) {
                        return Write(f, "notes.jpg", "These are not the pages you are after.\n");
                    }},
        BadFileCase{"Folder",
                    [](const TempFolder& f) {
                        std::filesystem::create_directory(f / "folder.jpg");
                        return f / "folder.jpg";
                    }},
        BadFileCase{"ZipArchive",
                    [](const TempFolder& f) {
                        return Write(f, "comic.cbz",
                                     std::string("PK\x03\x04", 4) + std::string(100000, '\0'));
                    }},
        BadFileCase{"JpegStartThenGarbage",
                    [](const TempFolder& f) {
                        return Write(f, "damaged.jpg",
                                     std::string("\xFF\xD8\xFF\xE0", 4) + std::string(500, 'x'));
                    }},
        BadFileCase{
            "JpegCutBeforeItsFrameHeader",
            [](const TempFolder& f) { return Write(f, "cut.jpg", SmallJpeg().substr(0, 40)); }},
        BadFileCase{"JpegWithDestroyedTables",
                    [](const TempFolder& f) {
                        std::string jpeg = SmallJpeg();
                        const size_t tables = jpeg.find("\xFF\xC4");
                        jpeg.replace(tables + 4, 40, std::string(40, '\xFF'));
                        return Write(f, "tables.jpg", jpeg);
                    }},
        BadFileCase{"PngCutShort",
                    [](const TempFolder& f) {
                        const std::string png = EncodePng(SolidImage(50, 50, 0x00FF00));
                        return Write(f, "cut.png", png.substr(0, png.size() / 2));
                    }},
        BadFileCase{"PngHeaderOnly",
                    [](const TempFolder& f) {
                        return Write(f, "header.png",
                                     EncodePng(SolidImage(50, 50, 0x00FF00)).substr(0, 33));
                    }}),
    [](const testing::TestParamInfo<BadFileCase>& info) { return info.param.name; });

}  // namespace
