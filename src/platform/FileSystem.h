#pragma once

#include <string>
#include <string_view>
#include <vector>

// Folder walks and deletes work on the file names' bytes: a name that is not
// valid UTF-8 is listed and deleted like any other. Symbolic links are never
// followed.

struct FolderEntry {
    enum class Kind { Folder, File, Other };
    std::string name;  // the entry's own name, as bytes
    Kind kind;         // Folder: a real directory; File: a regular file; Other: links, devices...
};

// The entries of a folder without "." and "..", in no particular order.
// Empty when the folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& folder);

// Creates the folder and any missing parents (mode 0700 for new ones).
// True when the folder exists afterwards.
bool CreateFolderWithParents(const std::string& folder);

// Creates a new folder; false when it exists already or cannot be made.
bool CreateNewFolder(const std::string& folder);

// True for a real directory (not a symbolic link to one).
bool IsRealFolder(const std::string& path);

// True when something (a file, folder, link...) has this name; links are not followed.
bool PathExists(const std::string& path);

// Creates a new file (mode 0600) holding `bytes`; false when the name is taken
// already or the file cannot be written completely (a partial file is removed).
bool WriteNewFile(const std::string& path, std::string_view bytes);

// Deletes the folder and everything in it, permanently. Symbolic links are
// removed, never followed; unreadable folders inside are made readable first.
// Does nothing when the path is not a real folder.
void DeleteFolderTree(const std::string& folder);

// Deletes one file; errors (such as the file being gone) are ignored.
void DeleteFileQuietly(const std::string& path);
