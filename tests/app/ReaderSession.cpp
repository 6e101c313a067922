#include "app/ReaderSession.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/CFrameWnd.h"
#include "platform/RetainedSurface.h"
#include "view/CPanelvueView.h"

ReaderSession::ReaderSession() {
    SetMessageBoxSink([this](const MessageBoxRequest& request) {
        messages.push_back(request);
        return IDOK;
    });
}

ReaderSession::~ReaderSession() {
    app.CloseAllWindows();
    ProcessEvents();
    SetMessageBoxSink(nullptr);
}

bool ReaderSession::Start(std::vector<std::string> arguments) {
    app.SetArguments(std::move(arguments));
    bool started = app.InitInstance();
    ProcessEvents();
    return started;
}

void ReaderSession::ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

CFrameWnd* ReaderSession::Frame() const {
    return app.GetMainWnd();
}

CPanelvueView* ReaderSession::View() const {
    CFrameWnd* frame = Frame();
    return frame != nullptr ? static_cast<CPanelvueView*>(frame->GetActiveView()) : nullptr;
}

std::string ReaderSession::Title() const {
    return Frame() != nullptr ? Frame()->GetWindowText() : std::string();
}

uint32_t ReaderSession::Pixel(int x, int y) const {
    return View()->Surface().PixelAt(x, y);
}
