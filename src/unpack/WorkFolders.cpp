#include "unpack/WorkFolders.h"

#include "platform/FileSystem.h"

void WorkFolders::RememberWorkFolder(const std::string& path) {
    paths_.push_back(path);
}

void WorkFolders::DeleteWorkFolders() const {
    // Work on a copy, so that nothing done while deleting can disturb the walk.
    const std::vector<std::string> toDelete = paths_;
    for (const std::string& folder : toDelete) DeleteFolderTree(folder);
}
