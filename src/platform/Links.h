#pragma once

#include <QString>

class QWidget;

// Opening e-mail and web addresses with the user's default programs.
namespace LinkMode {
inline constexpr int Email = 1; // "mailto:" + text, or the maker's e-mail address
inline constexpr int Web = 2;   // "http://" + text, or the maker's web address
} // namespace LinkMode

// The address OpenLink hands to the desktop; empty for an unknown mode.
QString LinkTarget(int mode, const QString &text);

// Opens the address built for mode and text. When nothing can open it, says
// "Could not establish an internet connection!" over owner; that can come
// after the call has returned, once the desktop's opener has given up.
void OpenLink(int mode, QWidget *owner, const QString &text);

// The tell-a-friend message: subject and body of a mailto: address without a
// recipient, with only its paragraph breaks encoded.
QString TellAFriendText();
