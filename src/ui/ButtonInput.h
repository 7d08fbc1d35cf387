#pragma once

#include <Qt>

class QKeyEvent;

// The numbers the button's events carry, as the desktop reports them:
// mouse buttons 1 left, 2 right, 4 middle; Shift 1, Ctrl 2, Alt 4; key codes
// are virtual-key codes (A-Z 65-90, space 32, Enter 13, F1 112, ...).
namespace ButtonInput {

short mouseButton(Qt::MouseButton button);
short mouseButtons(Qt::MouseButtons buttons);
short shiftState(Qt::KeyboardModifiers modifiers);
short keyCode(int qtKey);
// The character code of a typed key, 0 when the key types no character.
short keyAscii(const QKeyEvent &event);

constexpr short LeftButton = 1;
constexpr short RightButton = 2;
constexpr short SpaceKey = 32;
constexpr short EnterKey = 13;

} // namespace ButtonInput
