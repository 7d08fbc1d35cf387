#pragma once

#include "ui/ButtonPropertyBag.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <future>

class QWidget;
class QorButton;

// A window's stored button layout: for each button (by object name, e.g.
// "cmdRideAdd" or "cmdPicAddEdit(1)") its key/value set. Kept as a JSON
// object, one file per window; the program's own layouts are the resources
// ":/layouts/<window>.json".
struct ButtonLayoutEntry {
    QString name;
    ButtonPropertyBag properties;
};
using ButtonLayout = QList<ButtonLayoutEntry>;

QString buttonLayoutPath(const QString &layoutName);

// Reading and writing a layout file; on failure the reason (naming the file)
// goes to *error.
bool readButtonLayout(const QString &path, ButtonLayout &layout, QString *error = nullptr);
bool writeButtonLayout(const QString &path, const ButtonLayout &layout, QString *error = nullptr);
// The file's text: buttons and keys in the layout's order.
QByteArray buttonLayoutJson(const ButtonLayout &layout);

// The program's own layout of a window, the resource; read once and kept,
// for the resources never change while the program runs. Safe on any thread.
bool programButtonLayout(const QString &layoutName, ButtonLayout &layout, QString *error = nullptr);

// The program's own pictures that the layout names (icons, the hand cursor),
// in the layout's order.
QStringList programPictures(const ButtonLayout &layout);

// Paints the program's own pictures that the windows' layouts name on a
// second thread, so that the windows' commands find them painted. Start it
// once the application object exists (the toolkit takes the first thread
// that makes an object of its own as its main thread), and wait for the
// result before the program ends.
std::future<void> PaintButtonPicturesAhead(const QStringList &layoutNames);

// What is above needs no widgets; loading into and saving from the windows'
// buttons, below, is part of the buttons' library (ButtonLayoutLoad.cpp).

// Finds each button of the layout among the window's QorButton children and
// loads its properties. Fails when the layout cannot be read or names a button
// the window does not have (the others are still loaded).
bool LoadButtonLayout(QWidget *window, const QString &layoutName, QString *error = nullptr);

// Loads into each of the buttons, a part of a window made on its own, its
// properties from the window's layout. Fails when the layout cannot be read or
// has no entry for one of the buttons (the others are still loaded).
bool LoadButtonLayoutInto(const QList<QorButton *> &buttons, const QString &layoutName, QString *error = nullptr);

// The layout of every QorButton child of the window, in creation order.
ButtonLayout SaveButtonLayout(const QWidget *window);
