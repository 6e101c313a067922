#pragma once

#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"

class WorkFolders;

// The main window: the reader view in the middle, the status bar below.
// Closing it deletes every work folder of the run.
class CMainFrame : public CFrameWnd {
  public:
    explicit CMainFrame(WorkFolders& workFolders);

  protected:
    int OnCreate(CreateContext& context) override;
    void OnClose() override;

  public:
    CStatusBar statusBar;

  private:
    WorkFolders& workFolders_;
};
