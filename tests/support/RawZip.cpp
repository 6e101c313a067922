#include "support/RawZip.h"

#include <cstdint>

#include "support/Fixtures.h"

namespace {

uint32_t Crc32(const std::string& data) {
    uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr uint32_t kUtf8Names = 0x0800;
constexpr uint32_t kDosDate1980 = 0x0021;  // 1980-01-01
constexpr uint32_t kMadeOnUnix = 3 << 8;
constexpr uint32_t kVersion = 20;

}  // namespace

void WriteRawZip(const std::string& path, const std::vector<RawZipEntry>& entries) {
    std::string archive;
    std::string directory;
    for (const RawZipEntry& entry : entries) {
        const uint32_t crc = Crc32(entry.data);
        const uint32_t size = static_cast<uint32_t>(entry.data.size());
        const uint32_t offset = static_cast<uint32_t>(archive.size());
        const uint32_t mode = entry.symbolicLink ? 0120777 : 0100644;

        Put32(archive, 0x04034B50);
        Put16(archive, kVersion);
        Put16(archive, kUtf8Names);
        Put16(archive, 0);  // stored
        Put16(archive, 0);  // time
        Put16(archive, kDosDate1980);
        Put32(archive, crc);
        Put32(archive, size);
        Put32(archive, size);
        Put16(archive, static_cast<uint32_t>(entry.name.size()));
        Put16(archive, 0);
        archive += entry.name;
        archive += entry.data;

        Put32(directory, 0x02014B50);
        Put16(directory, kMadeOnUnix | kVersion);
        Put16(directory, kVersion);
        Put16(directory, kUtf8Names);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, kDosDate1980);
        Put32(directory, crc);
        Put32(directory, size);
        Put32(directory, size);
        Put16(directory, static_cast<uint32_t>(entry.name.size()));
        Put16(directory, 0);  // extra
        Put16(directory, 0);  // comment
        Put16(directory, 0);  // disk
        Put16(directory, 0);  // internal attributes
        Put32(directory, mode << 16);
        Put32(directory, offset);
        directory += entry.name;
    }
    const uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
    archive += directory;
    Put32(archive, 0x06054B50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<uint32_t>(entries.size()));
    Put16(archive, static_cast<uint32_t>(entries.size()));
    Put32(archive, static_cast<uint32_t>(directory.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    WriteFileBytes(path, archive);
}
