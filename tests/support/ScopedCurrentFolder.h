#pragma once

#include <string>

// Makes a folder the process's current folder for the lifetime of the object.
class ScopedCurrentFolder {
  public:
    explicit ScopedCurrentFolder(const std::string& folder);
    ~ScopedCurrentFolder();
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

  private:
    std::string previous_;
};
