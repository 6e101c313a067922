#include "unpack/BatchScript.h"

#include "platform/FileSystem.h"
#include "unpack/WorkFolderPath.h"

namespace {

constexpr int kMaxAttempts = 1000;

}  // namespace

std::string QuoteForShell(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

std::string ExtractorCommand(const std::string& extractor, const std::string& workFolder,
                             const std::string& archive) {
    // -spd turns the extractor's wildcards off: without it an archive named
    // "What?.cbz" would also unpack "WhatX.cbz" lying beside it.
    return QuoteForShell(extractor) + " x -o" + QuoteForShell(workFolder) + " -spd " +
           QuoteForShell(archive);
}

std::string BatchScriptText(const std::string& command, const std::string& scriptPath) {
    // The extractor turns archive names into file names in the locale's
    // character set: UTF-8, whatever the user's own locale is.
    return "export LC_ALL=C.UTF-8\n\n" + command + "\n\nrm -f -- " + QuoteForShell(scriptPath);
}

std::string WriteBatchFile(const std::string& command) {
    // Like the work folders, a script name taken by an open in the same
    // millisecond moves on to the next candidate; the file is created
    // exclusively so that two runs never share or overwrite a script.
    const std::string base = MakeWorkFolderPath("tindlerun");
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        std::string path = UniqueNameCandidate(base, attempt) + ".sh";
        if (WriteNewFile(path, BatchScriptText(command, path))) return path;
        if (!PathExists(path)) break;
    }
    return {};
}
