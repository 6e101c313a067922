#include "platform/KeyTranslation.h"

#include <QKeyEvent>

#include "platform/VirtualKeys.h"

namespace {

int KeypadKey(int key) {
    switch (key) {
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Slash:
            return VK_DIVIDE;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return VK_DECIMAL;
        case Qt::Key_Enter:
            return VK_RETURN;
        default:
            return VK_NONE;
    }
}

}  // namespace

int VirtualKeyOf(const QKeyEvent& event) {
    int key = event.key();
    // With Num Lock off the keypad sends navigation keys, which the system
    // reports as the navigation keys too.
    if (event.modifiers() & Qt::KeypadModifier) {
        int keypad = KeypadKey(key);
        if (keypad != VK_NONE) return keypad;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            return VK_OEM_PLUS;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return VK_OEM_MINUS;
        default:
            return VK_NONE;
    }
}
