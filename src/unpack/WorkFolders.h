#pragma once

#include <string>
#include <vector>

// Every work folder made during the run, in the order they were made, so that
// all of them can be deleted when the program closes.
class WorkFolders {
  public:
    // Appends the path; the same path may be remembered twice.
    void RememberWorkFolder(const std::string& path);

    // Deletes every remembered folder with all its content, in the order
    // remembered. Folders that never came into being are skipped. The list
    // itself stays as it is.
    void DeleteWorkFolders() const;

    const std::vector<std::string>& Paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};
