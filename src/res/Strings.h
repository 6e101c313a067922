#pragma once

// The program's own texts, shown to the user as they stand.
namespace strings {

constexpr const char* kAppName = "Panelvue";
constexpr const char* kAppId = "Panelvue.AppID.NoVersion";
constexpr const char* kDesktopFileName = "panelvue";

constexpr const char* kOpenTitle = "Open";
constexpr const char* kComicFilter = "Comic Files (*.cbz)";
constexpr const char* kComicPattern = "*.cbz";

constexpr const char* kInvalidFile = "Please input valid file (*.cbz)";
constexpr const char* kCouldNotLoad = "Could not load the image file.";

// The status bar's page text: first page's width and height, page number, page count.
constexpr const char* kStatusFormat = "Image Size (%d*%d)      %d/%d Pages";

}  // namespace strings
