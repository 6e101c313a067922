#include "view/CPanelvueView.h"

#include "platform/CDocument.h"
#include "platform/FileAccess.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "res/Strings.h"
#include "unpack/ExtractorRun.h"
#include "unpack/PageCollection.h"
#include "unpack/WorkFolders.h"

namespace {

// Only names ending in exactly ".cbz" are comics; the test looks at the file
// name alone, so a folder with a dot in its name does not count.
bool HasComicExtension(const std::string& path) {
    std::string name = FileNamePart(path);
    size_t dot = name.rfind('.');
    return dot != std::string::npos && name.compare(dot, std::string::npos, ".cbz") == 0;
}

}  // namespace

CPanelvueView::CPanelvueView(WorkFolders& workFolders) : workFolders_(workFolders) {}

CPanelvueView::~CPanelvueView() = default;

bool CPanelvueView::EngineReady() const {
    return engine != nullptr && engine->IsReady();
}

void CPanelvueView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    engine.reset();
    engine = std::make_unique<mvImage>(this);
    std::string path = GetDocument() != nullptr ? GetDocument()->GetPathName() : std::string();
    if (!path.empty() && CanOpenForReading(path)) OpenComic(path, true);
}

bool CPanelvueView::OpenComic(const std::string& path, bool unpack) {
    if (!HasComicExtension(path)) {
        ShowMessageBox(strings::kInvalidFile, MB_OK);
        return false;
    }
    archivePath = path;
    WaitCursor waitCursor;
    if (unpack) {
        pages.clear();
        std::string work = UnpackArchive(path, workFolders_);
        CollectPages(pages, work);
    }
    engine->LoadImageFile(path);
    engine->SetPageList(&pages);
    if (engine->IsReady()) {
        engine->FitToWindow();
    } else {
        ShowMessageBox(strings::kCouldNotLoad, MB_ICONEXCLAMATION);
    }
    return true;
}

void CPanelvueView::OnDraw() {
    if (!EngineReady() || engine->inLayout) return;
    engine->inLayout = true;
    engine->Draw(true);
    engine->inLayout = false;
}

// While a comic is shown the engine paints every pixel, so erasing first
// would only make the window flicker.
bool CPanelvueView::OnEraseBkgnd() {
    return EngineReady();
}
