#pragma once

#include <string_view>

#include "platform/ImagePicture.h"

// Decodes every format other than JPEG with the toolkit's image reader: PNG,
// GIF, BMP... including a page whose name says .jpg but whose bytes do not.
class QtPictureDecoder {
  public:
    // Whether the reader knows the format from the file's first bytes, so
    // that a large file that is no picture need not be read to the end.
    static bool Recognises(std::string_view start);

    // Fills `picture` (pixels as Format_RGB32 over white, resolution, frame
    // count) and returns true; returns false, leaving it untouched, when the
    // bytes hold no readable picture or more than Image::kMaxPixels.
    static bool Decode(std::string_view bytes, Image::Picture& picture);
};
