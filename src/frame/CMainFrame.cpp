#include "frame/CMainFrame.h"

#include "res/Strings.h"
#include "unpack/WorkFolders.h"

CMainFrame::CMainFrame(WorkFolders& workFolders) : workFolders_(workFolders) {}

int CMainFrame::OnCreate(CreateContext& context) {
    if (CFrameWnd::OnCreate(context) == -1) return -1;
    // One pane, the message pane, stretching over the whole bar.
    if (!statusBar.Create(this, CStatusBar::kMessageBarId)) return -1;
    statusBar.SetIndicators({0});
    SetAppTitle(strings::kAppName);
    return 0;
}

void CMainFrame::OnClose() {
    CFrameWnd::OnClose();
    // The pages unpacked during the run are not kept once the window is gone.
    workFolders_.DeleteWorkFolders();
}
