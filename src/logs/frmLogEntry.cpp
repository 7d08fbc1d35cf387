#include "logs/frmLogEntry.h"

#include "logs/EditorLook.h"
#include "logs/EntryExtrasBoxes.h"

#include "model/LogEntryForm.h"
#include "model/LogEntryRecords.h"
#include "store/EntryCommands.h"
#include "store/ReminderStore.h"
#include "platform/BusyPointer.h"
#include "platform/Identity.h"
#include "platform/MessageBox.h"
#include "platform/ScreenPlacement.h"
#include "platform/Textures.h"
#include "platform/TileBackground.h"
#include "platform/Twips.h"
#include "ui/AccessibleNames.h"
#include "ui/ButtonLayout.h"
#include "ui/FieldBoxes.h"
#include "ui/ModalRun.h"
#include "ui/NotesBox.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <memory>

namespace {

using EditorLook::twipsRect;

// Positions and sizes in twips.
constexpr int WindowWidth = 7350;
constexpr int WindowHeight = 5325;
constexpr int FieldLeft = 420;
constexpr std::array<int, 4> FieldTop = {585, 1320, 2055, 2835};
constexpr std::array<int, 4> FieldWidth = {1170, 6420, 1170, 6420};
constexpr std::array<int, 4> FieldHeight = {285, 285, 285, 1650};
constexpr std::array<int, 4> CaptionTop = {315, 1050, 1785, 2565};
constexpr int GaugeRight = FieldLeft + 6420;
constexpr int GaugeTop = 2560;

} // namespace

frmLogEntry::frmLogEntry(LogEntryRequest request, QWidget *parent)
    : QDialog(parent), m_request(std::move(request))
{
    setObjectName(QStringLiteral("frmLogEntry"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    setFixedSize(Twips::size(WindowWidth, WindowHeight));
    ClearForFadeIn(this);
    TileBackground(Textures::brushedSteel(), this);
    buildControls();
    PlaceOnScreen(this);
}

void frmLogEntry::buildControls()
{
    m_shape = new QFrame(this);
    m_shape->setObjectName(QStringLiteral("shp"));
    m_shape->setGeometry(twipsRect(210, 105, 6840, 4635));
    m_shape->setAutoFillBackground(true);

    for (int i = 0; i < 4; ++i) {
        QWidget *box = nullptr;
        if (i < 3) {
            auto *line = new QLineEdit(this);
            m_lines[std::size_t(i)] = line;
            connect(line, &QLineEdit::textChanged, this, [this, i] { fieldTextChanged(i); });
            box = line;
        } else {
            m_notes = new NotesBox(0, this);
            m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            // Tab moves on to the next control, as in the main window's notes, so
            // that a keyboard user can leave the box; notes hold no tab characters.
            m_notes->setTabChangesFocus(true);
            connect(m_notes, &QPlainTextEdit::textChanged, this, [this] { fieldTextChanged(3); });
            box = m_notes;
        }
        const auto at = std::size_t(i);
        box->setObjectName(QStringLiteral("txtField(%1)").arg(i));
        EditorLook::restBox(box);
        box->setGeometry(twipsRect(FieldLeft, FieldTop[at], FieldWidth[at], FieldHeight[at]));
        box->installEventFilter(this);

        m_captions[at] = EditorLook::caption(this, QStringLiteral("lblField(%1)").arg(i), FieldLeft, CaptionTop[at]);
    }
    FieldBoxes::limitOneLine(m_lines[0], 10);
    FieldBoxes::limitOneLine(m_lines[1], 60);
    FieldBoxes::limitOneLine(m_lines[2], 10);

    m_gauge = EditorLook::caption(this, QStringLiteral("lblSpaceFull"), GaugeRight, GaugeTop);
    m_gauge->hide();

    m_save = new QorButton(this);
    m_save->setObjectName(QStringLiteral("cmdSave"));
    m_save->setGeometry(twipsRect(5160, 435, 780, 600));
    m_cancel = new QorButton(this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setGeometry(twipsRect(6060, 435, 780, 600));
    QString error;
    if (!LoadButtonLayout(this, QStringLiteral("frmLogEntry"), &error))
        qWarning("%s", qPrintable(error));
    connect(m_save, &QorButton::Click, this, &frmLogEntry::cmdSave_Click);
    connect(m_cancel, &QorButton::Click, this, &frmLogEntry::cmdCancel_Click);

    setTabOrder(m_lines[0], m_lines[1]);
    setTabOrder(m_lines[1], m_lines[2]);
    QWidget *beforeNotes = m_lines[2];
    if (EntryExtrasBoxes::offeredFor(m_request)) {
        m_extras = new EntryExtrasBoxes(this, m_request, m_lines[0], m_lines[2]);
        connect(m_extras, &EntryExtrasBoxes::changed, this, [this] {
            if (m_activated)
                m_entryChanged = true;
        });
        setTabOrder(m_lines[2], m_extras->odometer());
        beforeNotes = m_extras->last();
    }
    setTabOrder(beforeNotes, m_notes);
    setTabOrder(m_notes, m_save);
    setTabOrder(m_save, m_cancel);
}

QWidget *frmLogEntry::field(int i) const
{
    return i < 3 ? static_cast<QWidget *>(m_lines[std::size_t(i)]) : m_notes;
}

QString frmLogEntry::fieldText(int i) const
{
    return i < 3 ? m_lines[std::size_t(i)]->text() : m_notes->storedText();
}

void frmLogEntry::setFieldText(int i, const QString &text)
{
    if (i < 3)
        FieldBoxes::setText(m_lines[std::size_t(i)], text);
    else
        m_notes->setStoredText(text);
}

void frmLogEntry::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated)
        activate();
}

void frmLogEntry::activate()
{
    m_save->setToolTip(LogEntryForm::saveTip(m_request));
    m_cancel->setToolTip(LogEntryForm::cancelTip(m_request));
    m_save->Refresh();
    m_cancel->Refresh();
    setWindowTitle(LogEntryForm::windowTitle(m_request));

    const std::array<QString, 4> captions = LogEntryForm::fieldCaptions(m_request);
    for (std::size_t i = 0; i < 4; ++i) {
        m_captions[i]->setText(captions[i]);
        m_captions[i]->adjustSize();
        AccessibleNames::nameByCaption(m_captions[i], field(int(i)));
    }
    const std::array<int, 4> limits = LogEntryForm::fieldLimits(m_request);
    if (m_request.kind == LogKind::Gas)
        m_lines[1]->setFixedWidth(m_lines[2]->width());
    for (std::size_t i = 0; i < 3; ++i)
        FieldBoxes::limitOneLine(m_lines[i], limits[i]);
    m_notes->setMaxLength(limits[3]);
    QPalette shape = m_shape->palette();
    shape.setColor(QPalette::Window, EditorLook::kindColour(m_request.kind));
    m_shape->setPalette(shape);

    const EntryFields fields = LogEntryForm::initialFields(m_request);
    for (int i = 0; i < 4; ++i)
        setFieldText(i, fields[std::size_t(i)]);
    if (m_extras)
        m_extras->show(EntryExtrasForm::boxesOf(m_request.extras));
    // A new entry that opens filled in counts as typed; an edit counts only
    // what the user changes.
    m_entryChanged = m_request.adding()
                     && std::any_of(fields.begin(), fields.end(), [](const QString &text) { return !text.isEmpty(); });

    if (FadesOn())
        StartFade(this, 0, 255, 20, false);
    m_activated = true;
}

bool frmLogEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        for (int i = 0; i < 4; ++i)
            if (watched == field(i))
                fieldFocusChanged(i, event->type() == QEvent::FocusIn);
    }
    return QDialog::eventFilter(watched, event);
}

// In a one-line box Enter moves on to the next control and Ctrl+Enter
// saves; the notes take Enter as a line break.
void frmLogEntry::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QLineEdit *>(focusWidget())) {
        if (event->modifiers() & Qt::ControlModifier)
            cmdSave_Click();
        else
            focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmLogEntry::fieldFocusChanged(int i, bool hasFocus)
{
    EditorLook::showFocus(m_captions[std::size_t(i)], field(i), hasFocus, m_request.adding());
}

void frmLogEntry::fieldTextChanged(int i)
{
    if (m_activated)
        m_entryChanged = true;
    if (i != 3)
        return;
    const QString gauge = LogEntryForm::notesGauge(m_notes->storedText().size(), m_notes->maxLength());
    m_gauge->setVisible(!gauge.isEmpty());
    if (gauge.isEmpty())
        return;
    m_gauge->setText(gauge);
    m_gauge->adjustSize();
    m_gauge->move(Twips::x(GaugeRight) - m_gauge->width(), Twips::y(GaugeTop));
}

void frmLogEntry::cmdSave_Click()
{
    EntryFields fields;
    for (int i = 0; i < 4; ++i)
        fields[std::size_t(i)] = fieldText(i);
    if (const auto problem = LogEntryForm::check(m_request, fields)) {
        MessageBox::tell(this, ApplicationTitle, problem->message, MessageBox::Icon::Critical);
        field(problem->field)->setFocus();
        return;
    }
    EntryExtras extras;
    if (m_extras) {
        if (const auto problem = EntryExtrasForm::read(m_extras->boxes(), extras)) {
            MessageBox::tell(this, ApplicationTitle, problem->message, MessageBox::Icon::Critical);
            m_extras->box(problem->field)->setFocus();
            return;
        }
    }
    if (const QString amount = LogEntryForm::amountWithoutSymbol(fields[2]); amount != fields[2]) {
        fields[2] = amount;
        setFieldText(2, fields[2]);
    }
    if (!m_entryChanged)
        return;

    StoreResult save;
    {
        BusyPointer busy(this);
        save = store(entryFromFields(m_request, fields), extras);
    }
    if (!save.done()) {
        MessageBox::tell(this, ApplicationTitle, save.status.message(), MessageBox::Icon::Critical);
        return;
    }
    // The entry is in the file: it counts as saved, so that Save cannot add
    // it a second time, whatever went wrong after it was written.
    if (save.outcome == StoreOutcome::WrittenWithWarning)
        MessageBox::tell(this, ApplicationTitle, save.status.message(), MessageBox::Icon::Warning);
    m_saved = true;
    m_savedFields = fields;
    cmdCancel_Click();
}

// The entry with its extras in Torqal.db when it can be used; without it an
// entry is stored alone, unless it has extras to keep.
StoreResult frmLogEntry::store(const LogRecord &entry, const EntryExtras &extras)
{
    const LogKind kind = m_request.kind;
    if (m_request.saveNew)
        return m_request.saveNew(entry);
    if (ReminderStore *database = m_request.database) {
        return m_request.adding() ? Store::addLogEntry(*database, kind, entry, extras)
                                  : Store::editLogEntry(*database, kind, m_request.recordNumber, entry, extras);
    }
    if (!extras.empty() || !m_request.extras.empty()) {
        return {StoreOutcome::NothingWritten,
                FileStatus::failure(ReminderStore::FileName,
                                    QStringLiteral("The odometer reading, cost and fill-up boxes are kept in %1, which cannot "
                                                   "be used now; nothing was saved. Empty them to save the rest.")
                                        .arg(ReminderStore::FileName))};
    }
    return m_request.adding() ? Store::addLogEntry(kind, entry)
                              : Store::editLogEntry(kind, m_request.recordNumber, entry);
}

void frmLogEntry::cmdCancel_Click()
{
    if (!m_saved && m_entryChanged &&
        MessageBox::ask(this, QStringLiteral("Verify Cancel"), QStringLiteral("Are you sure you want to cancel?"),
                        MessageBox::Button::Yes) != MessageBox::Button::Yes)
        return;
    unload();
}

void frmLogEntry::unload()
{
    m_unloading = true;
    if (FadesOn())
        StartFade(this, 255, 0, 20, true);
    else
        done(m_saved ? Accepted : Rejected);
}

void frmLogEntry::closeEvent(QCloseEvent *event)
{
    if (m_unloading || ClosingByFade(this)) {
        done(m_saved ? Accepted : Rejected);
        event->accept();
        return;
    }
    // Closed by the desktop (there is no close box): the same as Cancel.
    event->ignore();
    cmdCancel_Click();
}

void frmLogEntry::reject()
{
    cmdCancel_Click();
}

bool RunLogEntryEditor(const LogEntryRequest &request, QWidget *parent, EntryFields *saved)
{
    auto editor = std::make_unique<frmLogEntry>(request, parent);
    if (LogEntryEditorScript *script = LogEntryEditorScript::active()) {
        ++script->openings;
        script->lastRequest = request;
        RunModalDriven(*editor, [script, &editor] { script->act(*editor); });
    } else {
        ExecModal(*editor);
    }
    if (saved && editor->saved())
        *saved = editor->savedFields();
    return editor->saved();
}
