#pragma once

// Inside the platform layer only: the toolkit's key events as virtual-key codes.

class QKeyEvent;

// The virtual-key code of a pressed key; the keypad's operator keys get codes
// of their own, apart from the same characters on the main keyboard.
int VirtualKeyOf(const QKeyEvent& event);
