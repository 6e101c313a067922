#include "BenchSupport.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <turbojpeg.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "SampleComic.h"

extern char** environ;

std::string BenchComic() {
    std::filesystem::path folder = std::filesystem::current_path() / "bench-data";
    std::filesystem::create_directories(folder);
    std::string archive = (folder / "comic200.cbz").string();
    if (!std::filesystem::exists(archive)) MakeSampleComic(archive, 200);
    return archive;
}

void ExtractWithSevenZip(const std::string& archive, const std::string& folder) {
    std::string output = "-o" + folder;
    const char* argv[] = {"7zz", "x", output.c_str(), "-spd", archive.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    pid_t pid = 0;
    int failed = posix_spawnp(&pid, "7zz", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0) throw std::runtime_error("cannot start 7zz");
    int status = 0;
    waitpid(pid, &status, 0);
}

void DecodeJpegFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    tjhandle handle = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    tjDecompressHeader3(handle, bytes.data(), bytes.size(), &width, &height, &subsampling,
                        &colourspace);
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    tjDecompress2(handle, bytes.data(), bytes.size(), pixels.data(), width, width * 4, height,
                  TJPF_BGRX, 0);
    tjDestroy(handle);
}

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
