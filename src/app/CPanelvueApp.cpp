#include "app/CPanelvueApp.h"

#include <memory>

#include "app/CPanelvueDoc.h"
#include "frame/CMainFrame.h"
#include "platform/CCommandLineInfo.h"
#include "platform/CSingleDocTemplate.h"
#include "platform/OpenFileDialog.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"
#include "view/CPanelvueView.h"

CPanelvueApp::CPanelvueApp() : CWinApp(strings::kAppName) {}

bool CPanelvueApp::InitInstance() {
    if (!CWinApp::InitInstance()) return false;
    // The desktop matches the window to the program's desktop entry by this name.
    SetAppID(strings::kDesktopFileName);

    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<CPanelvueDoc>(); },
        [this] { return std::make_unique<CMainFrame>(workFolders); },
        [this] { return std::make_unique<CPanelvueView>(workFolders); }));

    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine)) return false;

    CFrameWnd* frame = GetMainWnd();
    if (frame == nullptr) return false;
    frame->ShowWindow();
    frame->UpdateWindow();
    frame->SetWindowText(strings::kAppName);
    frame->DragAcceptFiles(true);
    return true;
}

void CPanelvueApp::OnFileOpen() {
    std::optional<std::string> path = RunOpenFileDialog(
        OpenFileRequest{strings::kOpenTitle, strings::kComicFilter, strings::kComicPattern});
    if (path.has_value()) OpenDocumentFile(*path);
}
