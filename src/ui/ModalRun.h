#pragma once

#include "platform/TestSeam.h"

#include <functional>

class QDialog;

// Shows a dialog modally and returns how it ended (QDialog's result).
int RunModal(QDialog &dialog);

// Test seam: while it exists, RunModal shows the dialog without waiting and
// hands it to `act`, which works it until it is closed.
class ModalScript : public TestSeam<ModalScript>
{
public:
    explicit ModalScript(std::function<void(QDialog &)> actions) : act(std::move(actions)) {}

    std::function<void(QDialog &)> act;
    int openings = 0;
};
