#pragma once

#include <memory>
#include <string>
#include <vector>

class CCommandLineInfo;
class CDocument;
class CFrameWnd;
class CSingleDocTemplate;

// The application object: start-up, the event loop, shutdown, and the
// document template through which every path is opened.
class CWinApp {
  public:
    explicit CWinApp(std::string appName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The one running application object, or null.
    static CWinApp* Current();

    // Runs the program: the toolkit application (made here unless one exists),
    // InitInstance, the event loop, ExitInstance. Returns the exit code.
    int Run(int argc, char** argv);

    // Start-up; false ends the program.
    virtual bool InitInstance();
    // Shutdown; the result is the exit code.
    virtual int ExitInstance();

    const std::string& AppName() const { return appName_; }
    // The name under which the desktop knows the program (its desktop file).
    void SetAppID(const std::string& id);

    void AddDocTemplate(std::unique_ptr<CSingleDocTemplate> documentTemplate);
    CSingleDocTemplate* DocTemplate() const { return template_.get(); }

    // The program's arguments, without the program name (Run sets them).
    void SetArguments(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }
    void ParseCommandLine(CCommandLineInfo& info) const;
    // Carries out the command line: a new document or the named file.
    bool ProcessShellCommand(CCommandLineInfo& info);

    CDocument* OpenDocumentFile(const std::string& path);
    void OnFileNew();

    CFrameWnd* GetMainWnd() const;

    // Told by a frame whose window is gone; the loop ends with the main window.
    void OnFrameDestroyed(CFrameWnd* frame);

    // Deletes the document template with its frame and view (done at the
    // end of Run; tests that drive the object themselves call it too).
    void CloseAllWindows();

  private:
    std::string appName_;
    std::vector<std::string> arguments_;
    std::unique_ptr<CSingleDocTemplate> template_;
};
