#pragma once

// The main window on a private data folder, with the message boxes, the file
// dialog, the clock and the settings under the test's control.

#include "data/DataTestSupport.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "model/RideFields.h"
#include "ride/frmMain.h"
#include "support/FirstActivation.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>
#include <optional>

namespace RideTest {

using DataTest::recordsIn;
using DataTest::writeFileOf;

inline RideRecord ride(double key, const QString &year, const QString &make, const QString &model,
                       const QString &name = {})
{
    RideRecord r;
    r.RideKey = key;
    r.Year = year;
    r.Make = make;
    r.Model = model;
    r.RideName = name;
    return r;
}

// 1998 Honda Civic, 2001 Ford F150 and 1967 Ford Mustang named Sally.
inline const QList<RideRecord> threeRides = {
    ride(39000.25, QStringLiteral("1998"), QStringLiteral("Honda"), QStringLiteral("Civic")),
    ride(39100.5, QStringLiteral("2001"), QStringLiteral("Ford"), QStringLiteral("F150")),
    ride(39200.75, QStringLiteral("1967"), QStringLiteral("Ford"), QStringLiteral("Mustang"), QStringLiteral("Sally")),
};

inline QString pictureFile(const QString &folder, QSize pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString path = folder + QStringLiteral("/picture %1x%2.png").arg(pixels.width()).arg(pixels.height());
    image.save(path);
    return path;
}

// One test's world: an empty working folder and settings file, scripted
// message boxes and file dialog, a fixed clock.
struct World
{
    DataTest::WorkingFolder folder;
    MessageBox::Script messages;
    FileDialog::Script dialog;
    Clock::Fixed clock{QDateTime(QDate(2009, 3, 15), QTime(14, 30))};
    std::unique_ptr<frmMain> window;

    World()
    {
        Settings::useFile(folder.path() + QStringLiteral("/settings.ini"));
        SetTranslucencyOverride(false);
    }
    ~World()
    {
        window.reset();
        Settings::useFile(QString());
        SetTranslucencyOverride(std::nullopt);
    }

    void open()
    {
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(WaitForFirstActivation(*window));
    }

    const MainWindowControls &ui() const { return window->controls(); }
    QString box(int i) const { return ui().fieldText(i); }

    template<typename T = QWidget>
    T *find(const QString &name) const { return window->findChild<T *>(name); }

    void click(QorButton *button) const
    {
        QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    }

    // Types into box i as the user does: focus, select all, type over.
    void type(int i, const QString &text) const
    {
        QWidget *box = ui().txtField[std::size_t(i)];
        const int tab = RideFields::tabOf(i);
        if (ui().MainTab->currentIndex() != tab)
            ui().MainTab->setCurrentIndex(tab);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }

    // Whether the window is back to taking input, with the normal pointer.
    bool idle() const { return window->isEnabled() && !QApplication::overrideCursor(); }
};

} // namespace RideTest
