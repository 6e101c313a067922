#pragma once

#include <functional>
#include <string>

// Message-box styles and answers; the values are the system's own.
constexpr unsigned MB_OK = 0x0000;
constexpr unsigned MB_ICONSTOP = 0x0010;
constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
constexpr unsigned MB_ICONMASK = 0x00F0;
constexpr int IDOK = 1;

struct MessageBoxRequest {
    std::string text;
    std::string caption;
    unsigned type = MB_OK;
};

// Every message box goes through one sink, so that tests can see what the
// user would have been shown without a modal dialog.
using MessageBoxSink = std::function<int(const MessageBoxRequest&)>;

// Installs a sink (an empty one restores the real dialog); returns the one before.
MessageBoxSink SetMessageBoxSink(MessageBoxSink sink);

// A modal box owned by the main window and captioned with the application
// name. A box given no icon shows the exclamation icon.
int ShowMessageBox(const std::string& text, unsigned type = MB_OK);
