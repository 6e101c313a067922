#pragma once

#include <cstdint>
#include <memory>
#include <string>

// A picture loaded from a file. Making one never fails: a file that is missing,
// damaged, too large or no picture gives an object that holds no picture
// (width and height 0, frame count 0).
class Image {
  public:
    // Headers that ask for more pixels than this give no picture, before
    // anything is allocated.
    static constexpr int64_t kMaxPixels = int64_t{200} * 1000 * 1000;

    explicit Image(const std::string& path);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    bool HasPicture() const;
    int Width() const;
    int Height() const;
    // Dots per inch from the file (dots per cm times 2.54); 96 when the file gives none.
    float HorizontalResolution() const;
    float VerticalResolution() const;
    // 1 for a still picture, the number of frames of an animation, 0 for no picture.
    unsigned FrameCount() const;

    // How many pictures have been decoded by this process; lets tests prove
    // that an operation decoded nothing, or exactly once.
    static int64_t DecodeCount();

    // How many scaled copies of pictures have been built for drawing; lets
    // tests prove that drawing a page again at the same size reuses its copy.
    static int64_t ScaledCopyCount();

    struct Picture;
    const Picture& picture() const { return *picture_; }
    Picture& picture() { return *picture_; }

  private:
    std::unique_ptr<Picture> picture_;
};
