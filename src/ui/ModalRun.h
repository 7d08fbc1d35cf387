#pragma once

#include "platform/TestSeam.h"

#include <functional>

class QDialog;

// Shows a dialog modally (QDialog::exec) and returns how it ended (QDialog's
// result). Every way below gives the keyboard back to the window the dialog
// was over once it is gone.
int RunModal(QDialog &dialog);

// Shows a dialog modally as RunModal does, without a test seam's script.
int ExecModal(QDialog &dialog);

// Runs a dialog modally as RunModal does, with `drive` run from within its
// modal event loop once the dialog is up: a test seam's script working the
// dialog on the program's own modal path. A dialog the script leaves open,
// and no fade is closing, is then rejected, so that a script that stops
// short (a failed check) cannot hold the run up.
int RunModalDriven(QDialog &dialog, std::function<void()> drive);

// Test seam: while it exists, RunModal hands each dialog to `act` once it is
// up, from within its modal event loop; `act` works it until it is closed.
class ModalScript : public TestSeam<ModalScript>
{
public:
    explicit ModalScript(std::function<void(QDialog &)> actions) : act(std::move(actions)) {}

    std::function<void(QDialog &)> act;
    int openings = 0;
};
