#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes a JPEG of one solid colour (0xRRGGBB). With dpiX/dpiY > 0 the file
// carries that JFIF density, in dots per inch (units 1) or per cm (units 2).
void WriteJpeg(const std::string& path, int width, int height, uint32_t rgb, int dpiX = 0,
               int dpiY = 0, int densityUnits = 1);

// Writes any bytes to a file.
void WriteFileBytes(const std::string& path, const std::string& bytes);
std::string ReadFileBytes(const std::string& path);

// Packs the contents of `folder` (its entries, not the folder itself) into a
// zip archive with the system's 7-Zip. Returns the archive path.
std::string PackZip(const std::string& archive, const std::string& folder);

// Runs a shell command; returns its exit status.
int RunShell(const std::string& command);

// Quotes a path for the shell, so that no character of it is interpreted.
std::string ShellQuote(const std::string& text);

// Every entry below a folder (relative names), sorted; empty when it is missing.
std::vector<std::string> ListTree(const std::string& folder);
