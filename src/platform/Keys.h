// Key codes, modifier masks and mouse buttons in the form the event handlers take them:
// key codes are the virtual-key numbers of the original platform ("A" is 65, F1 is 112),
// the modifier mask is 1 Shift + 2 Ctrl + 4 Alt, and buttons are 1 left, 2 right, 4 middle.
#pragma once

#include <Qt>

class QKeyEvent;

namespace vbkey {
constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
              Space = 32, PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38,
              Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112, F9 = 120;
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;
constexpr int LeftButton = 1, RightButton = 2, MiddleButton = 4;
} // namespace vbkey

// Key code of a key event, or 0 for a key with no code.
int KeyCodeOf(const QKeyEvent* event);

// The 1/2/4 modifier mask of a set of Qt modifiers.
int ShiftMaskOf(Qt::KeyboardModifiers modifiers);

// The 1/2/4 button number of a Qt mouse button (0 for others).
int ButtonOf(Qt::MouseButton button);
// The 1/2/4 mask of the buttons held.
int ButtonMaskOf(Qt::MouseButtons buttons);
