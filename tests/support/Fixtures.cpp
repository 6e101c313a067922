#include "support/Fixtures.h"

#include <turbojpeg.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

// JFIF APP0 with the density in dots per inch (units 1).
std::string JfifSegment(int dpiX, int dpiY, int units) {
    std::string s = {'\xFF', '\xE0', 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, static_cast<char>(units)};
    s += static_cast<char>(dpiX >> 8);
    s += static_cast<char>(dpiX & 0xFF);
    s += static_cast<char>(dpiY >> 8);
    s += static_cast<char>(dpiY & 0xFF);
    s += std::string{0, 0};
    return s;
}

}  // namespace

void WriteJpeg(const std::string& path, int width, int height, uint32_t rgb, int dpiX, int dpiY,
               int densityUnits) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = (rgb >> 16) & 0xFF;
        pixels[i + 1] = (rgb >> 8) & 0xFF;
        pixels[i + 2] = rgb & 0xFF;
    }
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (tjCompress2(handle, pixels.data(), width, 0, height, TJPF_RGB, &jpeg, &size, TJSAMP_444, 95,
                    0) != 0) {
        tjDestroy(handle);
        throw std::runtime_error("tjCompress2 failed");
    }
    std::string bytes(reinterpret_cast<char*>(jpeg), size);
    tjFree(jpeg);
    tjDestroy(handle);
    if (dpiX > 0 && dpiY > 0) {
        // Replace the encoder's own APP0 (right after SOI) or insert ours.
        std::string app0 = JfifSegment(dpiX, dpiY, densityUnits);
        if (bytes.size() > 4 && static_cast<unsigned char>(bytes[3]) == 0xE0) {
            size_t len =
                (static_cast<unsigned char>(bytes[4]) << 8) | static_cast<unsigned char>(bytes[5]);
            bytes.replace(2, 2 + len, app0);
        } else {
            bytes.insert(2, app0);
        }
    }
    WriteFileBytes(path, bytes);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

int RunShell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string PackZip(const std::string& archive, const std::string& folder) {
    std::filesystem::remove(archive);
    std::string command = "cd " + ShellQuote(folder) + " && 7zz a -tzip -mx=0 -bd -bso0 -bsp0 -- " +
                          ShellQuote(archive) + " . >/dev/null";
    if (RunShell(command) != 0) throw std::runtime_error("7zz a failed for " + archive);
    return archive;
}

std::vector<std::string> ListTree(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        names.push_back(std::filesystem::relative(it->path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}
