#pragma once

#include "platform/CWinApp.h"
#include "unpack/WorkFolders.h"

// The application: start-up, the Open command, and the list of every work
// folder made during the run.
class CPanelvueApp : public CWinApp {
  public:
    CPanelvueApp();

    bool InitInstance() override;

    // The Open command: the Open dialog for one existing .cbz file.
    void OnFileOpen();

    WorkFolders workFolders;
};
