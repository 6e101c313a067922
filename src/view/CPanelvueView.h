#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "engine/mvImage.h"
#include "platform/CScrollView.h"
#include "unpack/PageList.h"

class WorkFolders;

// The reader view: owns the open comic (its archive path and pages) and the
// display engine that shows it.
class CPanelvueView : public CScrollView {
  public:
    // The work folders of every unpacking are remembered in `workFolders`,
    // which the application owns and deletes at close.
    explicit CPanelvueView(WorkFolders& workFolders);
    ~CPanelvueView() override;

    void OnInitialUpdate() override;

    // Checks the path's name, unpacks the archive (when `unpack`), hands the
    // pages to a fresh engine layout and shows the first page fitted.
    // False when the name was rejected.
    bool OpenComic(const std::string& path, bool unpack);

    // The view's readiness test, made before anything touches the engine.
    bool EngineReady() const;

    // Writes the comic's name into the main window's title and the page size
    // and number into the status bar's message pane. 0 (and nothing
    // written) while no comic is open, else 1.
    int UpdateStatusText();

    // The page and zoom commands.
    void OnFirstPage();
    void OnPreviousPage();
    void OnNextPage();
    void OnLastPage();
    void OnZoomIn();
    void OnZoomOut();

    mvImage* Engine() const { return engine.get(); }
    const std::string& ArchivePath() const { return archivePath; }
    const PageList& Pages() const { return pages; }

  protected:
    void OnDraw() override;
    bool OnEraseBkgnd() override;
    void OnSize(int width, int height) override;
    void OnKeyDown(int virtualKey) override;
    void OnMouseWheel(int delta) override;
    void OnVScroll(int code, int position) override;
    void OnHScroll(int code, int position) override;

  private:
    WorkFolders& workFolders_;
    std::unique_ptr<mvImage> engine;
    int currentPage = 0;
    bool fullScreen = false;
    uintptr_t slideTimer = 0;
    std::string archivePath;
    PageList pages;
};
