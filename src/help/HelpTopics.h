#pragma once

#include <QString>

// The entries of the manual's topic menu ("Help Topics"), numbered from 1.
// Separators have no caption of their own and help id 0.
struct HelpTopic
{
    QString caption;
    int helpId = 0;
    bool separator = false;
};

namespace HelpTopics {

inline constexpr int EmailMakerId = 1111;
inline constexpr int MakersWebPageId = 2222;
inline constexpr int AboutBoxId = 7777;

// The topic that belongs to the main window's tab: tab 0 gives topic 3
// ("All About your 'Ride'"), up to tab 6 giving topic 9 (the gasoline log).
inline constexpr int forTab(int tabIndex) { return tabIndex + 3; }

int count();
// index 1 to count(); anything else gives an empty separator-less entry.
const HelpTopic &at(int index);

} // namespace HelpTopics

// Which topic the manual shows, and what choosing an entry of the topic menu
// does. A fresh manual shows no topic (current topic 0).
class ManualTopics
{
public:
    enum class Action { Nothing, ShowText, AboutBox, EmailMaker, VisitWebPage };

    // Choosing entry index. Only ShowText changes the current topic, and only
    // when the entry is a text topic other than the one already shown.
    Action choose(int index);

    int current() const { return currentTopic; }
    bool isChecked(int index) const { return index == currentTopic && currentTopic > 0; }
    QString caption() const;
    int helpId() const;

private:
    int currentTopic = 0;
};
