#pragma once

// Key codes as the view's key handler receives them; the values are the
// system's own virtual-key codes. Letters and digits are their upper-case
// ASCII codes; a key without a code here arrives as VK_NONE.
enum VirtualKey : int {
    VK_NONE = 0,
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,  // Page Up
    VK_NEXT = 34,   // Page Down
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_MULTIPLY = 106,  // keypad *
    VK_ADD = 107,       // keypad +
    VK_SUBTRACT = 109,  // keypad -
    VK_DECIMAL = 110,   // keypad .
    VK_DIVIDE = 111,    // keypad /
    VK_F1 = 112,
    VK_OEM_PLUS = 187,   // the main keyboard's + / = key
    VK_OEM_MINUS = 189,  // the main keyboard's - key
};
