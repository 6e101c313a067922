#include "unpack/ExtractorRun.h"

#include <array>
#include <string_view>

#include "platform/DebugOutput.h"
#include "platform/FileSystem.h"
#include "platform/HiddenProcess.h"
#include "platform/Places.h"
#include "unpack/BatchScript.h"
#include "unpack/WorkFolderPath.h"

namespace {

constexpr int kWaitSliceMs = 500;
constexpr size_t kChunkSize = 4096;

}  // namespace

std::string ExtractorPath() {
    return ExecutableFolder() + "/core/7z";
}

void DrainChildOutput(HiddenProcess& child) {
    std::array<char, kChunkSize> chunk;
    while (size_t count = child.ReadAvailable(chunk.data(), chunk.size()))
        DebugOutput(std::string_view(chunk.data(), count));
}

bool RunBatchHidden(const std::string& command) {
    const std::string script = WriteBatchFile(command);
    HiddenProcess child;
    if (script.empty() || !child.Start(script)) {
        DebugOutput("CreateProcess");
        return false;
    }
    // Wait returns early whenever output is waiting, so the child never
    // stalls on a full pipe; it returns at once when the child has ended.
    while (child.Wait(kWaitSliceMs) == HiddenProcess::WaitResult::TimedOut) DrainChildOutput(child);
    DrainChildOutput(child);  // what the child wrote just before it ended
    // Normally the script has deleted itself already.
    DeleteFileQuietly(script);
    return true;
}

std::string UnpackArchive(const std::string& archive, WorkFolders& workFolders) {
    return UnpackArchiveWithExtractor(ExtractorPath(), archive, workFolders);
}

std::string UnpackArchiveWithExtractor(const std::string& extractor, const std::string& archive,
                                       WorkFolders& workFolders) {
    const std::string workFolder = ClaimNewFolder(MakeWorkFolderPath("tmpImageName"));
    workFolders.RememberWorkFolder(workFolder);
    if (!RunBatchHidden(ExtractorCommand(extractor, workFolder, archive))) return {};
    // Whether the extractor succeeded is not examined: a failure shows as a
    // short or empty page list.
    return workFolder;
}
