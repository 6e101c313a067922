#pragma once

#include "platform/CFrameWnd.h"

class WorkFolders;

// The main window: the reader view in the middle. Closing it deletes every
// work folder of the run.
class CMainFrame : public CFrameWnd {
  public:
    explicit CMainFrame(WorkFolders& workFolders);

  protected:
    int OnCreate(CreateContext& context) override;
    void OnClose() override;

  private:
    WorkFolders& workFolders_;
};
