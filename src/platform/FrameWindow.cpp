#include "platform/FrameWindow.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

// The dropped file's path as the file system's bytes: the URL's encoded
// path is decoded byte for byte, so names that are not UTF-8 survive.
std::vector<std::string> LocalPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (data == nullptr || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
        paths.push_back(QByteArray::fromPercentEncoding(encoded).toStdString());
    }
    return paths;
}

}  // namespace

CFrameWnd::Window::Window(CFrameWnd* owner) : frame(owner) {}

void CFrameWnd::Window::closeEvent(QCloseEvent* event) {
    // The frame decides: its close handler destroys the window or keeps it.
    event->ignore();
    if (frame != nullptr) frame->OnClose();
}

void CFrameWnd::Window::dragEnterEvent(QDragEnterEvent* event) {
    if (frame != nullptr && frame->AcceptsDroppedFiles() && !LocalPaths(event->mimeData()).empty())
        event->acceptProposedAction();
}

void CFrameWnd::Window::dropEvent(QDropEvent* event) {
    if (frame == nullptr || !frame->AcceptsDroppedFiles()) return;
    std::vector<std::string> paths = LocalPaths(event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    frame->OnDropFiles(paths);
}
