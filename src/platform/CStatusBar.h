#pragma once

#include <memory>
#include <string>
#include <vector>

class CFrameWnd;

// A frame's status bar: a row of text panes along the bottom edge. Pane 0 is
// the message pane; it stretches over the free width, and a frame whose bar
// has the message-bar id shows its idle text and prompts there.
class CStatusBar {
  public:
    // The id that makes a bar its frame's message bar.
    static constexpr unsigned kMessageBarId = 59393;

    CStatusBar();
    virtual ~CStatusBar();
    CStatusBar(const CStatusBar&) = delete;
    CStatusBar& operator=(const CStatusBar&) = delete;

    // Makes the bar's window at the bottom of the frame. False without a frame window.
    bool Create(CFrameWnd* parent, unsigned id = kMessageBarId);
    bool IsCreated() const;

    // Rebuilds the panes, one per id; id 0 is a separator pane without an
    // indicator. Texts are cleared; a message bar shows its frame's idle text.
    bool SetIndicators(const std::vector<unsigned>& ids);
    int GetCount() const;
    // The index of the pane with this id, or -1.
    int CommandToIndex(unsigned id) const;

    // With `update`, the pane is redrawn at once. False for an index outside the bar.
    bool SetPaneText(int index, const std::string& text, bool update = true);
    std::string GetPaneText(int index) const;

    void ShowWindow(bool show);
    bool IsWindowVisible() const;

  private:
    friend class CFrameWnd;
    struct Pane {
        unsigned id;
        std::string text;
    };
    struct Widgets;

    CFrameWnd* frame_ = nullptr;  // the frame whose message bar this is; cleared when it goes first
    std::unique_ptr<Widgets> widgets_;
    std::vector<Pane> panes_;
};
