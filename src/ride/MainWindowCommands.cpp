#include "ride/MainWindowParts.h"

#include "platform/Twips.h"
#include "ui/QorButton.h"

namespace MainWindowParts {

QorButton *command(QWidget *parent, const QString &name)
{
    // Picture-only commands are square-ish; the select-ride command carries
    // a two-line caption beside its picture.
    constexpr int Width = 480;
    constexpr int Height = 420;
    auto *button = new QorButton(parent);
    button->setObjectName(name);
    button->setFixedSize(Twips::size(Width, Height));
    return button;
}

} // namespace MainWindowParts
