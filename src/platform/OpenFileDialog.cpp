#include "platform/OpenFileDialog.h"

#include <QFile>
#include <QFileDialog>

#include "platform/CWinApp.h"
#include "platform/NativeWidgets.h"

namespace {

OpenFileSink& Sink() {
    static OpenFileSink sink;
    return sink;
}

}  // namespace

OpenFileSink SetOpenFileDialogSink(OpenFileSink sink) {
    OpenFileSink previous = std::move(Sink());
    Sink() = std::move(sink);
    return previous;
}

std::optional<std::string> RunOpenFileDialog(const OpenFileRequest& request) {
    if (Sink()) return Sink()(request);
    // The toolkit reads the pattern from the parentheses of the filter text.
    QString filter = QString::fromStdString(request.filterName);
    QString pattern = QString::fromStdString(request.pattern);
    if (!filter.contains("(" + pattern + ")")) filter += " (" + pattern + ")";
    CWinApp* app = CWinApp::Current();
    QWidget* owner = app != nullptr ? NativeWidget(app->GetMainWnd()) : nullptr;
    QString chosen = QFileDialog::getOpenFileName(owner, QString::fromStdString(request.title),
                                                  QString(), filter);
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}
