#include "unpack/WorkFolderPath.h"

#include "platform/FileSystem.h"
#include "platform/Places.h"

namespace {

// Enough for any number of opens within one millisecond, and a bound for the
// odd case of a folder full of names we did not make.
constexpr int kMaxAttempts = 1000;

}  // namespace

std::string FormatWorkFolderPath(const std::string& folder, const std::string& prefix,
                                 int32_t tick) {
    return folder + "/" + prefix + std::to_string(tick);
}

std::string MakeWorkFolderPath(const std::string& prefix) {
    std::string folder = UserDataFolder() + "/Tindlework";
    // A new account may have no data folder yet. Failure shows later, when
    // nothing can be made inside it.
    CreateFolderWithParents(folder);
    return FormatWorkFolderPath(folder, prefix, TickCount());
}

std::string UniqueNameCandidate(const std::string& base, int attempt) {
    return attempt <= 1 ? base : base + "_" + std::to_string(attempt);
}

std::string ClaimNewFolder(const std::string& base) {
    // The tick count alone does not make a name unique: two opens within one
    // millisecond (or two running copies of the program) would share a work
    // folder and mix their pages. So the folder is made here, exclusively, and
    // a taken name moves on to the next candidate. The extractor then writes
    // into the folder that already exists.
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        std::string candidate = UniqueNameCandidate(base, attempt);
        if (CreateNewFolder(candidate)) return candidate;
        if (!PathExists(candidate)) break;
    }
    return base;
}
