// What the view window reports of the user's input: keys as virtual-key
// codes, wheel turns as signed deltas, and scroll-bar actions as scroll codes
// with the thumb position, the thumb staying where the view puts it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "platform/CDocument.h"
#include "platform/CFrameWnd.h"
#include "platform/CScrollView.h"
#include "platform/NativeWidgets.h"
#include "platform/ScrollBar.h"
#include "platform/ViewWidget.h"
#include "platform/VirtualKeys.h"
#include "support/ScrollBarMouse.h"

namespace {

class InputRecordingView : public CScrollView {
  public:
    std::vector<int> keys;
    std::vector<int> wheels;
    std::vector<std::string> scrolls;  // "V 5 120": bar, code, position
    // Where the handler puts the thumb of a bar it is told about; -1 leaves
    // the bar alone. A drag always takes the thumb along, as the engine does.
    int thumbAfterScroll = -1;

    void OnKeyDown(int key) override { keys.push_back(key); }
    void OnMouseWheel(int delta) override { wheels.push_back(delta); }
    void OnVScroll(int code, int position) override { Record("V", SB_VERT, code, position); }
    void OnHScroll(int code, int position) override { Record("H", SB_HORZ, code, position); }

  private:
    void Record(const char* name, ScrollBarId bar, int code, int position) {
        scrolls.push_back(std::string(name) + " " + std::to_string(code) + " " +
                          std::to_string(position));
        if (code == SB_THUMBTRACK)
            SetScrollPos(bar, position);
        else if (thumbAfterScroll >= 0)
            SetScrollPos(bar, thumbAfterScroll);
    }
};

class ViewInputTest : public testing::Test {
  protected:
    ViewInputTest() {
        CreateContext context{[this] {
                                  auto made = std::make_unique<InputRecordingView>();
                                  view = made.get();
                                  return made;
                              },
                              &document};
        frame.LoadFrame(context);
        frame.SetWindowPos(0, 0, 640, 480);
        frame.ShowWindow();
        for (ScrollBarId bar : {SB_HORZ, SB_VERT}) {
            view->SetScrollInfo(bar, ScrollInfo{0, 6000, 400, 1000});
            view->ShowScrollBar(bar, true);
        }
        QApplication::processEvents();
    }

    QWidget* ViewWidget() const { return NativeWidget(view); }
    QScrollBar* Bar(ScrollBarId bar) const { return view->widget()->bars[bar]; }

    CDocument document;
    CFrameWnd frame;
    InputRecordingView* view = nullptr;
};

struct KeyCase {
    const char* name;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    int virtualKey;
};

class KeyCodeTest : public ViewInputTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyCodeTest, ArrivesAsItsVirtualKey) {
    const KeyCase& c = GetParam();
    QKeyEvent press(QEvent::KeyPress, c.qtKey, c.modifiers);
    QApplication::sendEvent(ViewWidget(), &press);
    // An auto-repeated press is a key-down of its own.
    QKeyEvent repeat(QEvent::KeyPress, c.qtKey, c.modifiers, QString(), true);
    QApplication::sendEvent(ViewWidget(), &repeat);
    EXPECT_EQ(view->keys, (std::vector<int>{c.virtualKey, c.virtualKey}));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyCodeTest,
    testing::Values(KeyCase{"PageUp", Qt::Key_PageUp, Qt::NoModifier, VK_PRIOR},
                    KeyCase{"PageDown", Qt::Key_PageDown, Qt::NoModifier, VK_NEXT},
                    KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, VK_LEFT},
                    KeyCase{"Right", Qt::Key_Right, Qt::NoModifier, VK_RIGHT},
                    KeyCase{"Up", Qt::Key_Up, Qt::NoModifier, VK_UP},
                    KeyCase{"Down", Qt::Key_Down, Qt::NoModifier, VK_DOWN},
                    KeyCase{"Home", Qt::Key_Home, Qt::NoModifier, VK_HOME},
                    KeyCase{"End", Qt::Key_End, Qt::NoModifier, VK_END},
                    KeyCase{"Escape", Qt::Key_Escape, Qt::NoModifier, VK_ESCAPE},
                    KeyCase{"KeypadPlus", Qt::Key_Plus, Qt::KeypadModifier, VK_ADD},
                    KeyCase{"KeypadMinus", Qt::Key_Minus, Qt::KeypadModifier, VK_SUBTRACT},
                    KeyCase{"MainPlus", Qt::Key_Plus, Qt::ShiftModifier, VK_OEM_PLUS},
                    KeyCase{"MainEquals", Qt::Key_Equal, Qt::NoModifier, VK_OEM_PLUS},
                    KeyCase{"MainMinus", Qt::Key_Minus, Qt::NoModifier, VK_OEM_MINUS},
                    KeyCase{"LetterF", Qt::Key_F, Qt::NoModifier, 'F'},
                    // Num Lock off: the keypad's 9 is Page Up.
                    KeyCase{"KeypadPageUp", Qt::Key_PageUp, Qt::KeypadModifier, VK_PRIOR}),
    [](const testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST_F(ViewInputTest, EveryVerticalWheelEventIsOneTurnWithItsDelta) {
    auto wheel = [&](QPoint angle, Qt::ScrollPhase phase = Qt::NoScrollPhase) {
        QPointF at(10, 10);
        QWheelEvent event(at, ViewWidget()->mapToGlobal(at), QPoint(), angle, Qt::NoButton,
                          Qt::NoModifier, phase, false);
        QApplication::sendEvent(view->widget()->client, &event);
    };
    wheel(QPoint(0, 120));
    wheel(QPoint(0, 240));
    wheel(QPoint(0, -120));
    wheel(QPoint(0, 0));
    wheel(QPoint(0, 70000));
    // Sideways turns and the empty edges of a touchpad gesture are no turn.
    wheel(QPoint(120, 0));
    wheel(QPoint(0, 0), Qt::ScrollBegin);
    wheel(QPoint(0, 0), Qt::ScrollEnd);
    EXPECT_EQ(view->wheels, (std::vector<int>{120, 240, -120, 0, 32767}));
}

TEST_F(ViewInputTest, WheelOverABarIsTheViewsWheel) {
    QScrollBar* bar = Bar(SB_VERT);
    QPointF at(2, 30);
    QWheelEvent event(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(bar, &event);
    EXPECT_EQ(view->wheels, std::vector<int>{-120});
    EXPECT_TRUE(view->scrolls.empty());
    EXPECT_EQ(bar->value(), 1000);
}

struct ActionCase {
    QAbstractSlider::SliderAction action;
    int code;
};

TEST_F(ViewInputTest, BarActionsArriveAsScrollCodes) {
    const ActionCase cases[] = {
        {QAbstractSlider::SliderSingleStepSub, SB_LINEUP},
        {QAbstractSlider::SliderSingleStepAdd, SB_LINEDOWN},
        {QAbstractSlider::SliderPageStepSub, SB_PAGEUP},
        {QAbstractSlider::SliderPageStepAdd, SB_PAGEDOWN},
        {QAbstractSlider::SliderToMinimum, SB_TOP},
        {QAbstractSlider::SliderToMaximum, SB_BOTTOM},
    };
    for (ScrollBarId id : {SB_VERT, SB_HORZ}) {
        std::string name = id == SB_VERT ? "V " : "H ";
        for (const ActionCase& c : cases) {
            view->scrolls.clear();
            Bar(id)->triggerAction(c.action);
            EXPECT_EQ(view->scrolls, std::vector<std::string>{name + std::to_string(c.code) + " 0"})
                << "action " << c.action;
            // A handler that does not move the thumb leaves it where it was.
            EXPECT_EQ(Bar(id)->value(), 1000);
            EXPECT_EQ(Bar(id)->sliderPosition(), 1000);
            EXPECT_EQ(view->GetScrollInfo(id).pos, 1000);
        }
    }
}

TEST_F(ViewInputTest, TheThumbGoesWhereTheHandlerPutsIt) {
    view->thumbAfterScroll = 2500;
    Bar(SB_VERT)->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Bar(SB_VERT)->value(), 2500);
    EXPECT_EQ(Bar(SB_VERT)->sliderPosition(), 2500);
}

TEST_F(ViewInputTest, ThumbDragReportsEachMoveThenTheReleaseAndTheEnd) {
    QScrollBar* bar = Bar(SB_VERT);
    DragThumb(bar, 80);

    ASSERT_EQ(view->scrolls.size(), 4u) << testing::PrintToString(view->scrolls);
    int first = std::stoi(view->scrolls[0].substr(4));
    int last = std::stoi(view->scrolls[1].substr(4));
    EXPECT_EQ(view->scrolls[0], "V 5 " + std::to_string(first));
    EXPECT_GT(first, 1000);
    EXPECT_GT(last, first);
    EXPECT_EQ(view->scrolls[1], "V 5 " + std::to_string(last));
    EXPECT_EQ(view->scrolls[2], "V 4 " + std::to_string(last));
    EXPECT_EQ(view->scrolls[3], "V 8 0");
    EXPECT_EQ(bar->value(), last);
}

// A page zoomed far is wider than 16 bits of pixels; its thumb position
// arrives whole rather than wrapped.
TEST_F(ViewInputTest, ThumbPositionsBeyondSixteenBitsArriveWhole) {
    view->SetScrollInfo(SB_HORZ, ScrollInfo{0, 200000, 600, 0});
    Bar(SB_HORZ)->setSliderPosition(100000);
    EXPECT_EQ(view->scrolls, std::vector<std::string>{"H 5 100000"});
    EXPECT_EQ(view->GetScrollInfo(SB_HORZ).pos, 100000);
}

TEST_F(ViewInputTest, ArrowClickReportsTheLineAndAtReleaseTheEnd) {
    ClickScrollBarPart(Bar(SB_HORZ), QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(view->scrolls, (std::vector<std::string>{"H 1 0", "H 8 0"}));
}

}  // namespace
