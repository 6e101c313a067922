#include "platform/CWinApp.h"

#include <QApplication>
#include <QMetaObject>

#include "platform/CCommandLineInfo.h"
#include "platform/CFrameWnd.h"
#include "platform/CSingleDocTemplate.h"

namespace {
CWinApp* current = nullptr;
}

CWinApp::CWinApp(std::string appName) : appName_(std::move(appName)) {
    current = this;
}

CWinApp::~CWinApp() {
    if (current == this) current = nullptr;
}

CWinApp* CWinApp::Current() {
    return current;
}

int CWinApp::Run(int argc, char** argv) {
    std::unique_ptr<QApplication> toolkit;
    if (QApplication::instance() == nullptr) toolkit = std::make_unique<QApplication>(argc, argv);
    // The toolkit has taken its own options out of argv by now.
    QApplication::setApplicationName(QString::fromStdString(appName_));
    QApplication::setQuitOnLastWindowClosed(false);
    arguments_.assign(argv + (argc > 0 ? 1 : 0), argv + argc);

    int exitCode = 0;
    if (InitInstance()) {
        exitCode = QApplication::exec();
        CloseAllWindows();
        int exitResult = ExitInstance();
        if (exitCode == 0) exitCode = exitResult;
    } else {
        CloseAllWindows();
        ExitInstance();
        exitCode = 1;
    }
    return exitCode;
}

bool CWinApp::InitInstance() {
    return true;
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::SetAppID(const std::string& id) {
    QGuiApplication::setDesktopFileName(QString::fromStdString(id));
}

void CWinApp::AddDocTemplate(std::unique_ptr<CSingleDocTemplate> documentTemplate) {
    template_ = std::move(documentTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
    std::vector<const char*> argv;
    for (const std::string& argument : arguments_) argv.push_back(argument.c_str());
    info.Parse(static_cast<int>(argv.size()), argv.data());
}

bool CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
    if (info.shellCommand == CCommandLineInfo::FileOpen)
        return OpenDocumentFile(info.fileName) != nullptr;
    OnFileNew();
    return GetMainWnd() != nullptr;
}

CDocument* CWinApp::OpenDocumentFile(const std::string& path) {
    return template_ != nullptr ? template_->OpenDocumentFile(path) : nullptr;
}

void CWinApp::OnFileNew() {
    if (template_ != nullptr) template_->OpenNewDocument();
}

CFrameWnd* CWinApp::GetMainWnd() const {
    if (template_ == nullptr || template_->Frame() == nullptr) return nullptr;
    return template_->Frame()->IsWindowAlive() ? template_->Frame() : nullptr;
}

void CWinApp::OnFrameDestroyed(CFrameWnd* frame) {
    if (template_ == nullptr || template_->Frame() != frame) return;
    // Queued, so that a close before the loop has started still ends it.
    if (QCoreApplication::instance() != nullptr)
        QMetaObject::invokeMethod(QCoreApplication::instance(), "quit", Qt::QueuedConnection);
}

void CWinApp::CloseAllWindows() {
    template_.reset();
}
