#pragma once

#include <string>

// Makes a comic that looks like a real one to a decoder: pages of drawn
// panels, gradients, lettering and screen-tone noise, JPEG quality 85, stored
// in a zip archive by 7-Zip (pages do not compress). Returns the archive path.
std::string MakeSampleComic(const std::string& archive, int pageCount, int pageWidth = 1800,
                            int pageHeight = 2700);

// Encodes one such page (number `index`) to a JPEG file.
void WriteSamplePage(const std::string& path, int index, int width, int height);
