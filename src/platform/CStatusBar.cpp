#include "platform/CStatusBar.h"

#include <QLabel>
#include <QPointer>
#include <QStatusBar>

#include "platform/CFrameWnd.h"
#include "platform/FrameWindow.h"

// The toolkit bar belongs to the frame's window, which may be deleted before
// this object; the guarded pointers then read null.
struct CStatusBar::Widgets {
    QPointer<QStatusBar> bar;
    std::vector<QPointer<QLabel>> labels;
};

CStatusBar::CStatusBar() : widgets_(std::make_unique<Widgets>()) {}

CStatusBar::~CStatusBar() {
    if (frame_ != nullptr) frame_->ForgetMessageBar(this);
    delete widgets_->bar.data();
}

bool CStatusBar::Create(CFrameWnd* parent, unsigned id) {
    if (parent == nullptr || parent->window() == nullptr || widgets_->bar != nullptr) return false;
    auto* bar = new QStatusBar;
    widgets_->bar = bar;
    parent->window()->setStatusBar(bar);
    SetIndicators({0});
    if (id == kMessageBarId) {
        frame_ = parent;
        parent->SetMessageBar(this);
    }
    return true;
}

bool CStatusBar::IsCreated() const {
    return widgets_->bar != nullptr;
}

bool CStatusBar::SetIndicators(const std::vector<unsigned>& ids) {
    QStatusBar* bar = widgets_->bar;
    if (bar == nullptr) return false;
    for (QPointer<QLabel>& label : widgets_->labels) delete label.data();
    widgets_->labels.clear();
    panes_.clear();
    for (size_t i = 0; i < ids.size(); ++i) {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        // The message pane takes the free width; the others their text's.
        if (i == 0) {
            label->setMinimumWidth(1);
            bar->addWidget(label, 1);
        } else {
            bar->addPermanentWidget(label);
        }
        widgets_->labels.emplace_back(label);
        panes_.push_back(Pane{ids[i], std::string()});
    }
    if (frame_ != nullptr) frame_->ShowIdleMessage();
    return true;
}

int CStatusBar::GetCount() const {
    return static_cast<int>(panes_.size());
}

int CStatusBar::CommandToIndex(unsigned id) const {
    for (size_t i = 0; i < panes_.size(); ++i)
        if (panes_[i].id == id) return static_cast<int>(i);
    return -1;
}

bool CStatusBar::SetPaneText(int index, const std::string& text, bool update) {
    if (index < 0 || index >= GetCount()) return false;
    panes_[index].text = text;
    QLabel* label = widgets_->labels[index];
    if (label == nullptr) return true;
    label->setText(QString::fromStdString(text));
    if (update && label->isVisible()) label->repaint();
    return true;
}

std::string CStatusBar::GetPaneText(int index) const {
    if (index < 0 || index >= GetCount()) return std::string();
    return panes_[index].text;
}

void CStatusBar::ShowWindow(bool show) {
    if (widgets_->bar != nullptr) widgets_->bar->setVisible(show);
}

bool CStatusBar::IsWindowVisible() const {
    return widgets_->bar != nullptr && !widgets_->bar->isHidden();
}
