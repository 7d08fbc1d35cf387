#pragma once

class QPixmap;
class QWidget;

// Paints picture over window's background again and again: from the top-left
// corner to the right in steps of the picture's width, and downwards in steps
// of its height, until the window is covered (also after it grows).
void TileBackground(const QPixmap &picture, QWidget *window);
