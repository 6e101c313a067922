#pragma once

#include <functional>
#include <optional>
#include <string>

struct OpenFileRequest {
    std::string title;       // the dialog's caption
    std::string filterName;  // e.g. "Comic Files (*.cbz)"
    std::string pattern;     // e.g. "*.cbz"
};

// The system's Open dialog for one existing file, owned by the main window.
// Returns the chosen path (the file system's bytes), nothing on cancel.
std::optional<std::string> RunOpenFileDialog(const OpenFileRequest& request);

// Tests answer the dialog through a sink; an empty sink restores the real dialog.
using OpenFileSink = std::function<std::optional<std::string>(const OpenFileRequest&)>;
OpenFileSink SetOpenFileDialogSink(OpenFileSink sink);
