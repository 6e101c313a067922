#pragma once

#include <string>
#include <vector>

// One entry of a hand-made zip archive. The name is written exactly as given,
// so an archive can hold what no packer would make: "../" names, absolute
// names, the same name twice, or a symbolic link whose target is `data`.
struct RawZipEntry {
    std::string name;
    std::string data;
    bool symbolicLink = false;
};

// Writes a zip archive of stored (uncompressed) entries, in the given order.
void WriteRawZip(const std::string& path, const std::vector<RawZipEntry>& entries);
