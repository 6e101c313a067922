#include "platform/CSingleDocTemplate.h"

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CScrollView.h"
#include "platform/FileAccess.h"
#include "platform/InvalidArgument.h"
#include "platform/MessageBox.h"

namespace {

// Paths handed over by other programs may come quoted: a leading double quote
// is dropped and the text is cut at its last one. A path that does not start
// with a quote is taken as it is, since a file name may hold quotes here.
std::string WithoutQuotes(std::string path) {
    if (path.empty() || path.front() != '"') return path;
    path.erase(0, 1);
    size_t quote = path.rfind('"');
    if (quote != std::string::npos) path.erase(quote);
    return path;
}

void ReportFileError(const std::string& path) {
    ShowMessageBox("Cannot open the file \"" + path + "\".", MB_ICONEXCLAMATION);
}

}  // namespace

CSingleDocTemplate::CSingleDocTemplate(int resourceId, DocumentFactory makeDocument,
                                       FrameFactory makeFrame, ViewFactory makeView)
    : resourceId_(resourceId),
      makeDocument_(std::move(makeDocument)),
      makeFrame_(std::move(makeFrame)),
      makeView_(std::move(makeView)) {}

// The frame goes first: its view may still look at the document.
CSingleDocTemplate::~CSingleDocTemplate() {
    frame_.reset();
}

bool CSingleDocTemplate::EnsureFrame() {
    if (frame_ != nullptr && frame_->IsWindowAlive()) return true;
    if (document_ == nullptr) document_ = makeDocument_();
    auto frame = makeFrame_();
    CreateContext context{makeView_, document_.get()};
    if (!frame->LoadFrame(context)) return false;
    frame_ = std::move(frame);
    return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const std::string& given) {
    std::string path = AbsolutePath(WithoutQuotes(given));
    if (document_ != nullptr && frame_ != nullptr && frame_->IsWindowAlive() &&
        !document_->GetPathName().empty() && document_->GetPathName() == path) {
        frame_->ActivateFrame();
        return document_.get();
    }
    if (path.empty() || !CanOpenForReading(path)) {
        ReportFileError(path.empty() ? given : path);
        return nullptr;
    }
    if (!EnsureFrame()) return nullptr;
    document_->Serialize(false);
    document_->SetPathName(path);
    frame_->DelayUpdateFrameTitle();
    InitialUpdate();
    return document_.get();
}

CDocument* CSingleDocTemplate::OpenNewDocument() {
    if (!EnsureFrame()) return nullptr;
    document_->SetUntitled();
    frame_->DelayUpdateFrameTitle();
    InitialUpdate();
    return document_.get();
}

// An invalid argument raised by the view leaves its update unfinished; it is
// reported here and the open carries on.
void CSingleDocTemplate::InitialUpdate() {
    CScrollView* view = frame_->GetActiveView();
    if (view == nullptr) return;
    try {
        view->OnInitialUpdate();
    } catch (const InvalidArgumentError&) {
        ReportInvalidArgument();
    }
}
