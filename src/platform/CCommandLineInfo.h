#pragma once

#include <string>

// What the command line asks for: a new empty document, or a file to open.
class CCommandLineInfo {
  public:
    enum Shell { FileNew, FileOpen };

    Shell shellCommand = FileNew;
    std::string fileName;  // the file system's bytes, as given

    // Takes the program's arguments (without the program name). The first
    // argument that is not an option names the file; after "--" every
    // argument is a name.
    void Parse(int argc, const char* const* argv);
};
