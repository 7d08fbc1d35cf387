#pragma once

#include <QString>

// The manual's topic texts, kept as resources keyed by help id. A text comes
// back with CR LF between its lines, as the manual shows and prints it, and
// with "{DataFolder}" replaced by the data folder of this system; an id
// without a text gives an empty string.
QString helpText(int helpId);

// The text of the about box: the program's title, its version and what it is
// for, each followed by line breaks.
QString aboutText();

// The resource path of the manual window's background texture.
QString manualTilePath();
