#include "app/frmNewUser.h"

#include "app/StartTexts.h"
#include "platform/Identity.h"
#include "platform/MessageBox.h"
#include "platform/ScreenPlacement.h"
#include "platform/Settings.h"
#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "platform/Twips.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int DesignWidth = 6915;
constexpr int DesignHeight = 5555;
} // namespace

frmNewUser::frmNewUser(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmNewUser"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("overviewPanel"));
    panel->setStyleSheet(QStringLiteral("#overviewPanel { background-color: rgba(255, 255, 255, 150);"
                                        " border: 1px solid rgb(140, 150, 165); border-radius: 6px; }"));
    lbl = new QLabel(panel);
    lbl->setObjectName(QStringLiteral("lbl"));
    lbl->setWordWrap(true);
    lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbl->setTextFormat(Qt::PlainText);
    QFont large = lbl->font();
    large.setPointSize(10);
    lbl->setFont(large);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(12, 10, 12, 10);
    panelLayout->addWidget(lbl);

    chk = new QCheckBox(QStringLiteral("Don't show this screen again"), this);
    chk->setObjectName(QStringLiteral("chk"));
    cmdContinue = new QorButton(this);
    cmdContinue->setObjectName(QStringLiteral("cmdContinue"));
    cmdContinue->setFixedSize(Twips::size(1700, 650));

    QString error;
    if (!LoadButtonLayout(this, QStringLiteral("frmNewUser"), &error))
        qWarning("%s", qPrintable(error));
    cmdContinue->setCaption(QStringLiteral("&Continue"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chk, 1);
    bottom->addWidget(cmdContinue);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(panel, 1);
    layout->addLayout(bottom);

    connect(cmdContinue, &QorButton::Click, this, &frmNewUser::cmdContinue_Click);

    // The load step.
    ClearForFadeIn(this);
    setFixedSize(Twips::size(DesignWidth, DesignHeight).expandedTo(minimumSizeHint()));
    PlaceOnScreen(this, parent); // over the middle of the window that opens it
    setWindowTitle(QStringLiteral(" ") + ApplicationTitle + QStringLiteral(" - ") + QStringLiteral("New User Overview"));
    TileBackground(Textures::brushedSteel(), this);
}

void frmNewUser::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!activated) {
        activated = true;
        activateFirstTime();
    }
}

void frmNewUser::activateFirstTime()
{
    lbl->setText(MessageBox::displayText(StartTexts::overview()));
    cmdContinue->Refresh();
    cmdContinue->setFocus();
    if (FadesOn())
        StartFade(this, 0, 255, 20, false);
}

void frmNewUser::cmdContinue_Click()
{
    if (chk->isChecked())
        Settings::setValue(Settings::NewUserKey, Settings::NoShow);
    if (FadesOn())
        StartFade(this, 255, 0, 20, true);
    else
        close();
}
