#include "help/HelpTopics.h"

#include <array>

namespace {

HelpTopic topic(const char *caption, int helpId)
{
    return {QString::fromUtf8(caption), helpId, false};
}

HelpTopic separator()
{
    return {QString(), 0, true};
}

const std::array<HelpTopic, 17> &entries()
{
    static const std::array<HelpTopic, 17> list{
        topic("Overview", 1000),
        separator(),
        topic("All About your 'Ride'", 3000),
        topic("Buying and Selling Info", 4000),
        topic("Miscellaneous Info", 5000),
        topic("Maintenance and Repair History", 6000),
        topic("Goodies and Extras", 7000),
        topic("Trips, Rallies, and Road Events", 8000),
        topic("Gasoline Usage, Mileage, etc.", 8500),
        separator(),
        topic("About Torqal", HelpTopics::AboutBoxId),
        topic("About Qor Software", 9000),
        separator(),
        topic("Email Qor Software", HelpTopics::EmailMakerId),
        topic("Visit Qor Software's Web Page", HelpTopics::MakersWebPageId),
        separator(),
        topic("Exit this Menu", 0),
    };
    return list;
}

} // namespace

int HelpTopics::count()
{
    return int(entries().size());
}

const HelpTopic &HelpTopics::at(int index)
{
    static const HelpTopic none;
    if (index < 1 || index > count())
        return none;
    return entries()[std::size_t(index - 1)];
}

ManualTopics::Action ManualTopics::choose(int index)
{
    const HelpTopic &entry = HelpTopics::at(index);
    switch (entry.helpId) {
    case HelpTopics::AboutBoxId:
        return Action::AboutBox;
    case HelpTopics::EmailMakerId:
        return Action::EmailMaker;
    case HelpTopics::MakersWebPageId:
        return Action::VisitWebPage;
    default:
        break;
    }
    // The last entry ("Exit this Menu") and the separators show nothing.
    if (index < 1 || index >= HelpTopics::count() || entry.separator || index == currentTopic)
        return Action::Nothing;
    currentTopic = index;
    return Action::ShowText;
}

QString ManualTopics::caption() const
{
    return HelpTopics::at(currentTopic).caption;
}

int ManualTopics::helpId() const
{
    return HelpTopics::at(currentTopic).helpId;
}
