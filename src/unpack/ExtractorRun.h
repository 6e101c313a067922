#pragma once

#include <string>

#include "unpack/WorkFolders.h"

class HiddenProcess;

// The extractor: "core/7z" in the folder of the running executable.
std::string ExtractorPath();

// Moves everything the child has written so far to the debug output, in
// chunks of at most 4096 bytes, until nothing is waiting. Never blocks.
void DrainChildOutput(HiddenProcess& child);

// Writes the command into a script, runs it hidden and waits for it to end,
// draining its output meanwhile; the script is deleted afterwards. True once
// the child has ended, whatever it did; false when it could not be started
// (the script then stays on disk).
bool RunBatchHidden(const std::string& command);

// Unpacks the archive into a new work folder with the extractor at
// ExtractorPath(). The folder is remembered in `workFolders` before anything
// is extracted, so it is deleted at close even when extraction fails. Returns
// the work folder, whether or not the extractor succeeded; "" when the
// extractor could not be started.
std::string UnpackArchive(const std::string& archive, WorkFolders& workFolders);

// As UnpackArchive, with the extractor given.
std::string UnpackArchiveWithExtractor(const std::string& extractor, const std::string& archive,
                                       WorkFolders& workFolders);
