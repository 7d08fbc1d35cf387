#pragma once

#include "model/LogEntryRequest.h"
#include "platform/TestSeam.h"

#include <QDialog>

#include <array>
#include <functional>

class EntryExtrasBoxes;
class NotesBox;
class QFrame;
class QLabel;
class QLineEdit;
class QorButton;

// The log entry editor: one entry of one log, added or edited in a modal
// window laid out for its log. Save checks the input, writes the record and
// closes; Cancel closes, asking first when something was typed. Each opening
// is a fresh window, discarded when it closes.
class frmLogEntry : public QDialog
{
    Q_OBJECT

public:
    explicit frmLogEntry(LogEntryRequest request, QWidget *parent = nullptr);

    // Whether an entry was written: the opener then refills the log's list.
    bool saved() const { return m_saved; }
    // After a save: the fields as written.
    const EntryFields &savedFields() const { return m_savedFields; }
    bool entryChanged() const { return m_entryChanged; }

    void cmdSave_Click();
    void cmdCancel_Click();

    // The controls, for the tests: txtField(0) to txtField(3) (the notes),
    // lblField(0) to lblField(3), the gauge, the rectangle and the buttons.
    QLineEdit *lineField(int i) const { return m_lines[std::size_t(i)]; }
    NotesBox *notesField() const { return m_notes; }
    QWidget *field(int i) const;
    QString fieldText(int i) const;
    QLabel *caption(int i) const { return m_captions[std::size_t(i)]; }
    QLabel *gauge() const { return m_gauge; }
    QFrame *rectangle() const { return m_shape; }
    QorButton *saveButton() const { return m_save; }
    QorButton *cancelButton() const { return m_cancel; }
    // The odometer, cost and fill-up boxes; null for a log without them.
    EntryExtrasBoxes *extrasBoxes() const { return m_extras; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void activate();
    void fieldFocusChanged(int i, bool hasFocus);
    void fieldTextChanged(int i);
    void setFieldText(int i, const QString &text);
    void unload();
    StoreResult store(const LogRecord &entry, const EntryExtras &extras);

    LogEntryRequest m_request;
    std::array<QLineEdit *, 3> m_lines{};
    NotesBox *m_notes = nullptr;
    std::array<QLabel *, 4> m_captions{};
    QLabel *m_gauge = nullptr;
    QFrame *m_shape = nullptr;
    QorButton *m_save = nullptr;
    QorButton *m_cancel = nullptr;
    EntryExtrasBoxes *m_extras = nullptr;
    bool m_activated = false;
    bool m_entryChanged = false;
    bool m_saved = false;
    EntryFields m_savedFields;
    bool m_unloading = false;
};

// Opens the editor modally over parent and returns whether it wrote an
// entry; `saved`, when given, receives the fields written.
bool RunLogEntryEditor(const LogEntryRequest &request, QWidget *parent, EntryFields *saved = nullptr);

// Test seam: while it exists, RunLogEntryEditor hands the editor to `act`
// once it is up, from within its modal event loop (see RunModalDriven);
// `act` types and clicks until the editor is closed or closing.
class LogEntryEditorScript : public TestSeam<LogEntryEditorScript>
{
public:
    explicit LogEntryEditorScript(std::function<void(frmLogEntry &)> actions) : act(std::move(actions)) {}

    std::function<void(frmLogEntry &)> act;
    LogEntryRequest lastRequest;
    int openings = 0;
};
