#pragma once

#include <string>
#include <vector>

// The 200-page comic the benchmarks read, made once in the build folder.
std::string BenchComic();

// Runs the bare extractor on an archive into a folder, as a user would at a shell.
void ExtractWithSevenZip(const std::string& archive, const std::string& folder);

// Decodes one JPEG file with TurboJPEG into 32-bit pixels, as plainly as it can be done.
void DecodeJpegFile(const std::string& path);

// Milliseconds on the monotonic clock.
double NowMs();

double Median(std::vector<double> values);
