#pragma once

#include <QImage>
#include <cstdint>
#include <string>

// Picture files made in memory for the image and drawing tests.

// A Format_RGB32 image of one colour (0xRRGGBB).
QImage SolidImage(int width, int height, uint32_t rgb);

// The image as a JPEG (4:4:4, quality 95, the encoder's own JFIF header).
std::string EncodeJpeg(const QImage& image);

// A JPEG of one grey level, with a single channel.
std::string EncodeGreyJpeg(int width, int height, uint8_t grey);

// A CMYK JPEG of one colour, the channels stored exactly as given.
std::string EncodeCmykJpeg(int width, int height, uint8_t c, uint8_t m, uint8_t y, uint8_t k);

// The JPEG with its JFIF header replaced: `units` 0 (aspect ratio only),
// 1 (dots per inch) or 2 (dots per cm).
std::string WithJfifDensity(const std::string& jpeg, int units, int x, int y);

// The JPEG without its JFIF header.
std::string WithoutJfif(const std::string& jpeg);

// The JPEG's frame header changed to claim another size; the data stays.
std::string WithClaimedSize(const std::string& jpeg, int width, int height);

// The image as a PNG, fast to write (low compression).
std::string EncodePng(const QImage& image);

// The PNG without one chunk type, e.g. "pHYs" (its density).
std::string WithoutPngChunk(const std::string& png, const std::string& type);
