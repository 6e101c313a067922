#include "platform/MessageBox.h"

#include <QMessageBox>

#include "platform/CWinApp.h"
#include "platform/NativeWidgets.h"

namespace {

MessageBoxSink& Sink() {
    static MessageBoxSink sink;
    return sink;
}

int ShowRealMessageBox(const MessageBoxRequest& request) {
    QMessageBox::Icon icon =
        (request.type & MB_ICONMASK) == MB_ICONSTOP ? QMessageBox::Critical : QMessageBox::Warning;
    CWinApp* app = CWinApp::Current();
    QWidget* owner = app != nullptr ? NativeWidget(app->GetMainWnd()) : nullptr;
    QMessageBox box(icon, QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::Ok, owner);
    box.exec();
    return IDOK;
}

}  // namespace

MessageBoxSink SetMessageBoxSink(MessageBoxSink sink) {
    MessageBoxSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

int ShowMessageBox(const std::string& text, unsigned type) {
    CWinApp* app = CWinApp::Current();
    MessageBoxRequest request{text, app != nullptr ? app->AppName() : std::string(), type};
    if (Sink()) return Sink()(request);
    return ShowRealMessageBox(request);
}
