#pragma once

#include "unpack/PageList.h"

// The pages of the 200-page bench comic, unpacked once into the build folder
// (bench-data/comic200-pages) and collected as the reader collects them.
PageList BenchComicPages();
