#include "platform/CFrameWnd.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>

#include "platform/CDocument.h"
#include "platform/CScrollView.h"
#include "platform/CStatusBar.h"
#include "platform/CWinApp.h"
#include "platform/FrameWindow.h"
#include "platform/NativeWidgets.h"
#include "platform/ViewWidget.h"

namespace {

// What the message pane shows when nothing else is to be said.
constexpr const char* kIdleMessage = "Ready";

}  // namespace

QWidget* NativeWidget(const CFrameWnd* frame) {
    return frame != nullptr ? frame->window() : nullptr;
}

CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() {
    if (messageBar_ != nullptr) messageBar_->frame_ = nullptr;
    view_.reset();
    if (window_ != nullptr) {
        window_->frame = nullptr;
        delete window_;
    }
}

bool CFrameWnd::LoadFrame(CreateContext& context) {
    window_ = new Window(this);
    // A new window takes three quarters of the screen, as a desktop reader
    // usually opens; a saved placement may replace this later.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect available = screen->availableGeometry();
        window_->resize(available.width() * 3 / 4, available.height() * 3 / 4);
    }
    if (OnCreate(context) == -1) {
        window_->frame = nullptr;
        delete window_;
        window_ = nullptr;
        view_.reset();
        return false;
    }
    LayOutNow();
    return true;
}

int CFrameWnd::OnCreate(CreateContext& context) {
    document_ = context.document;
    if (!context.makeView) return 0;
    view_ = context.makeView();
    if (view_ == nullptr) return -1;
    view_->Attach(this, document_);
    window_->setCentralWidget(view_->widget());
    // Keys go to the view from the start.
    view_->widget()->setFocus();
    return 0;
}

void CFrameWnd::SetWindowPos(int x, int y, int width, int height) {
    if (window_ == nullptr) return;
    window_->setGeometry(x, y, width, height);
    LayOutNow();
}

// A hidden window gets its resize events only when it is shown; lay it out at
// once, so that a document opened before the window is first shown is fitted
// to the view's real size.
void CFrameWnd::LayOutNow() {
    window_->layout()->setGeometry(window_->rect());
    if (view_ != nullptr && view_->widget() != nullptr) view_->widget()->Relayout();
}

void CFrameWnd::ShowWindow() {
    if (window_ != nullptr) window_->show();
}

void CFrameWnd::UpdateWindow() {
    if (view_ != nullptr) view_->UpdateWindow();
}

void CFrameWnd::ActivateFrame() {
    if (window_ == nullptr) return;
    if (window_->isMinimized()) window_->showNormal();
    window_->raise();
    window_->activateWindow();
}

void CFrameWnd::Close() {
    if (window_ != nullptr) window_->close();
}

bool CFrameWnd::IsWindowAlive() const {
    return window_ != nullptr;
}

void CFrameWnd::SetWindowText(const std::string& text) {
    title_ = text;
    if (window_ == nullptr) return;
    // The toolkit takes "[*]" in a title as a placeholder and drops it; a
    // comic's name may hold it, and "[*][*]" shows it as it is.
    QString shown = QString::fromStdString(text);
    shown.replace("[*]", "[*][*]");
    window_->setWindowTitle(shown);
}

std::string CFrameWnd::GetWindowText() const {
    return title_;
}

void CFrameWnd::OnUpdateFrameTitle() {
    titleUpdatePending_ = false;
    if (document_ == nullptr || document_->GetTitle().empty())
        SetWindowText(appTitle_);
    else
        SetWindowText(document_->GetTitle() + " - " + appTitle_);
}

void CFrameWnd::DelayUpdateFrameTitle() {
    if (window_ == nullptr || titleUpdatePending_) return;
    titleUpdatePending_ = true;
    QTimer::singleShot(0, window_, [this] {
        if (titleUpdatePending_) OnUpdateFrameTitle();
    });
}

void CFrameWnd::SetMessageBar(CStatusBar* bar) {
    messageBar_ = bar;
    ShowIdleMessage();
}

void CFrameWnd::ShowIdleMessage() {
    SetMessageText(kIdleMessage);
}

void CFrameWnd::ForgetMessageBar(CStatusBar* bar) {
    if (messageBar_ == bar) messageBar_ = nullptr;
}

void CFrameWnd::SetMessageText(const std::string& text) {
    if (messageBar_ != nullptr) messageBar_->SetPaneText(0, text, true);
}

void CFrameWnd::DragAcceptFiles(bool accept) {
    acceptsDrops_ = accept;
    if (window_ != nullptr) window_->setAcceptDrops(accept);
}

void CFrameWnd::OnDropFiles(const std::vector<std::string>& paths) {
    ActivateFrame();
    CWinApp* app = CWinApp::Current();
    if (app == nullptr) return;
    for (const std::string& path : paths) {
        if (!IsWindowAlive()) return;
        app->OpenDocumentFile(path);
    }
}

void CFrameWnd::OnClose() {
    DestroyWindow();
}

bool CFrameWnd::DestroyWindow() {
    if (window_ == nullptr) return false;
    Window* window = window_;
    window_ = nullptr;
    window->frame = nullptr;
    window->hide();
    // Deleted once control is back in the event loop: this may run inside
    // one of the window's own event handlers.
    window->deleteLater();
    if (CWinApp* app = CWinApp::Current()) app->OnFrameDestroyed(this);
    return true;
}
