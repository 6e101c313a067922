#pragma once

#include <string>
#include <vector>

#include "app/CPanelvueApp.h"
#include "platform/MessageBox.h"

class CFrameWnd;
class CPanelvueView;

// A running reader on the offscreen platform, started the way the program
// starts, with every message box caught instead of shown.
class ReaderSession {
  public:
    ReaderSession();
    ~ReaderSession();

    // InitInstance with these program arguments; its result.
    bool Start(std::vector<std::string> arguments = {});

    // Lets queued work run (title updates, paints, deferred deletes).
    static void ProcessEvents();

    CPanelvueApp app;
    std::vector<MessageBoxRequest> messages;

    CFrameWnd* Frame() const;
    CPanelvueView* View() const;
    std::string Title() const;
    // The colour of one pixel of the view's surface, 0xAARRGGBB.
    uint32_t Pixel(int x, int y) const;
};
