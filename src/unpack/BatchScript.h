#pragma once

#include <string>

// The text in single quotes for /bin/sh, each "'" written as '\'', so that no
// character of it is interpreted. The bytes are kept as they are.
std::string QuoteForShell(const std::string& text);

// The extractor command line: '<extractor>' x -o'<work folder>' -spd '<archive>'.
std::string ExtractorCommand(const std::string& extractor, const std::string& workFolder,
                             const std::string& archive);

// The script that carries the command: the locale line, the command and a line
// that deletes the script itself, separated by empty lines, with no line break
// at the end.
std::string BatchScriptText(const std::string& command, const std::string& scriptPath);

// Writes the script for the command as a new file "tindlerun<tick>.sh" in the
// "Tindlework" folder and returns its path; "" when it cannot be written.
std::string WriteBatchFile(const std::string& command);
