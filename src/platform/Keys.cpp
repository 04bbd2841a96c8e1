#include "platform/Keys.h"

#include <QKeyEvent>

int KeyCodeOf(const QKeyEvent* event) {
    const int key = event->key();
    // Letters and digits share their numbers with the original key codes.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return vbkey::F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace:
        return vbkey::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return vbkey::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return vbkey::Return;
    case Qt::Key_Shift:
        return vbkey::Shift;
    case Qt::Key_Control:
        return vbkey::Control;
    case Qt::Key_Alt:
        return vbkey::Menu;
    case Qt::Key_Escape:
        return vbkey::Escape;
    case Qt::Key_Space:
        return vbkey::Space;
    case Qt::Key_PageUp:
        return vbkey::PageUp;
    case Qt::Key_PageDown:
        return vbkey::PageDown;
    case Qt::Key_End:
        return vbkey::End;
    case Qt::Key_Home:
        return vbkey::Home;
    case Qt::Key_Left:
        return vbkey::Left;
    case Qt::Key_Up:
        return vbkey::Up;
    case Qt::Key_Right:
        return vbkey::Right;
    case Qt::Key_Down:
        return vbkey::Down;
    case Qt::Key_Insert:
        return vbkey::Insert;
    case Qt::Key_Delete:
        return vbkey::Delete;
    // Punctuation keys of a US keyboard, as the original platform numbers them.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
        return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
        return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
        return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
        return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
        return 222;
    default:
        return 0;
    }
}

int ShiftMaskOf(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= vbkey::ShiftMask;
    if (modifiers & Qt::ControlModifier) mask |= vbkey::CtrlMask;
    if (modifiers & Qt::AltModifier) mask |= vbkey::AltMask;
    return mask;
}

int ButtonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return vbkey::LeftButton;
    case Qt::RightButton:
        return vbkey::RightButton;
    case Qt::MiddleButton:
        return vbkey::MiddleButton;
    default:
        return 0;
    }
}

int ButtonMaskOf(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= vbkey::LeftButton;
    if (buttons & Qt::RightButton) mask |= vbkey::RightButton;
    if (buttons & Qt::MiddleButton) mask |= vbkey::MiddleButton;
    return mask;
}
