#pragma once

#include <string_view>

#include "platform/ImagePicture.h"

// Decodes JPEG files with TurboJPEG straight into the page's pixels.
class JpegDecoder {
  public:
    // A JPEG is known by its first bytes, whatever the file is called.
    static bool LooksLikeJpeg(std::string_view bytes);

    // Fills `picture` (pixels, resolution, one frame) and returns true; returns
    // false, leaving it untouched, for a damaged file or one whose header asks
    // for more than Image::kMaxPixels. Data that ends early still gives a
    // picture: the decoder only warns, and the missing rows stay grey.
    static bool Decode(std::string_view jpeg, Image::Picture& picture);
};
