#include "view/CPanelvueView.h"

#include <cstdio>

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CStatusBar.h"
#include "platform/CWinApp.h"
#include "platform/FileAccess.h"
#include "platform/MessageBox.h"
#include "platform/VirtualKeys.h"
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
        UpdateStatusText();
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

int CPanelvueView::UpdateStatusText() {
    if (currentPage < 0 || currentPage >= static_cast<int>(pages.size()) || engine == nullptr)
        return 0;
    CWinApp* app = CWinApp::Current();
    CFrameWnd* mainWindow = app != nullptr ? app->GetMainWnd() : GetParentFrame();
    if (mainWindow == nullptr) return 0;

    mainWindow->SetWindowText(FileNamePart(archivePath) + " - " + strings::kAppName);
    char status[128];
    std::snprintf(status, sizeof status, strings::kStatusFormat, engine->firstPageWidth,
                  engine->firstPageHeight, engine->currentIndex + 1, engine->pageCount);
    if (CStatusBar* bar = mainWindow->GetMessageBar()) bar->SetPaneText(0, status, true);
    return 1;
}

void CPanelvueView::OnFirstPage() {
    if (!EngineReady()) return;
    engine->FirstPage();
    UpdateStatusText();
}

void CPanelvueView::OnPreviousPage() {
    if (!EngineReady()) return;
    engine->PreviousPage();
    UpdateStatusText();
}

void CPanelvueView::OnNextPage() {
    if (!EngineReady()) return;
    engine->NextPage();
    UpdateStatusText();
}

void CPanelvueView::OnLastPage() {
    if (!EngineReady()) return;
    engine->LastPage();
    UpdateStatusText();
}

void CPanelvueView::OnZoomIn() {
    UpdateStatusText();
    if (EngineReady()) engine->ZoomIn();
}

void CPanelvueView::OnZoomOut() {
    UpdateStatusText();
    if (EngineReady()) engine->ZoomOut();
}

// Page Up turns forward and Page Down back: the keys follow the direction of
// reading, not the labels of the menu.
void CPanelvueView::OnKeyDown(int virtualKey) {
    if (!EngineReady()) return;
    switch (virtualKey) {
        case VK_PRIOR:
        case VK_RIGHT:
            OnNextPage();
            break;
        case VK_NEXT:
        case VK_LEFT:
            OnPreviousPage();
            break;
        case VK_ADD:
            engine->ZoomIn();
            break;
        case VK_SUBTRACT:
            engine->ZoomOut();
            break;
        default:
            break;
    }
}

// One line per wheel message, whatever its size: away from the user scrolls up.
void CPanelvueView::OnMouseWheel(int delta) {
    UpdateStatusText();
    if (!EngineReady()) return;
    engine->ScrollVertical(0, delta > 0 ? SB_LINEUP : SB_LINEDOWN);
    UpdateStatusText();
}

void CPanelvueView::OnVScroll(int code, int position) {
    if (EngineReady()) engine->ScrollVertical(position, code);
    // The page number follows a drag of the thumb while it happens.
    UpdateStatusText();
}

void CPanelvueView::OnHScroll(int code, int position) {
    if (EngineReady()) engine->ScrollHorizontal(code, position);
}

void CPanelvueView::OnSize(int width, int height) {
    CScrollView::OnSize(width, height);
    UpdateStatusText();
    if (EngineReady()) engine->ResizeView();
}
