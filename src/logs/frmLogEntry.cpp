#include "logs/frmLogEntry.h"

#include "model/LogEntryForm.h"
#include "model/LogEntryRecords.h"
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
#include <QLineEdit>

#include <algorithm>
#include <memory>

namespace {

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

const QColor White(0xFF, 0xFF, 0xFF);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Pink(0xFF, 0xC0, 0xFF);
const QColor Magenta(0xFF, 0x80, 0xFF);
const QColor Cyan(0x00, 0xFF, 0xFF);
const QColor CaptionBackground(0x30, 0x30, 0x40);

QColor kindColour(LogKind kind)
{
    switch (kind) {
    case LogKind::Maintenance:
        return {0xFF, 0xE0, 0xC0};
    case LogKind::Goodies:
        return {0xC0, 0xC0, 0xFF};
    case LogKind::Trips:
        return {0xFF, 0xC0, 0xC0};
    case LogKind::Gas:
        break;
    }
    return {0xFF, 0xC0, 0xFF};
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {Twips::x(left), Twips::y(top), Twips::x(width), Twips::y(height)};
}

QLabel *captionLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(QFont(QStringLiteral("Comic Sans MS"), 9));
    label->setAutoFillBackground(true);
    setColour(label, QPalette::Window, CaptionBackground);
    setColour(label, QPalette::WindowText, White);
    return label;
}

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
        box->setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
        box->setGeometry(twipsRect(FieldLeft, FieldTop[at], FieldWidth[at], FieldHeight[at]));
        box->setAutoFillBackground(true);
        setColour(box, QPalette::Base, Cyan);
        box->installEventFilter(this);

        m_captions[at] = captionLabel(this, QStringLiteral("lblField(%1)").arg(i));
        m_captions[at]->move(Twips::x(FieldLeft), Twips::y(CaptionTop[at]));
    }
    FieldBoxes::limitOneLine(m_lines[0], 10);
    FieldBoxes::limitOneLine(m_lines[1], 60);
    FieldBoxes::limitOneLine(m_lines[2], 10);

    m_gauge = captionLabel(this, QStringLiteral("lblSpaceFull"));
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
    setTabOrder(m_lines[2], m_notes);
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
    setColour(m_shape, QPalette::Window, kindColour(m_request.kind));

    const EntryFields fields = LogEntryForm::initialFields(m_request);
    for (int i = 0; i < 4; ++i)
        setFieldText(i, fields[std::size_t(i)]);
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

void frmLogEntry::fieldFocusChanged(int i, bool hasFocus)
{
    QLabel *label = m_captions[std::size_t(i)];
    setBold(label, hasFocus);
    const bool adding = m_request.adding();
    setColour(label, QPalette::WindowText, !hasFocus ? White : adding ? Yellow : Pink);
    label->adjustSize();
    setColour(field(i), QPalette::Base, !hasFocus ? Cyan : adding ? Yellow : Magenta);
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
    if (LogEntryForm::amountStartsWithDollar(fields)) {
        fields[2].remove(0, 1);
        setFieldText(2, fields[2]);
    }
    if (!m_entryChanged)
        return;

    StoreResult save;
    {
        BusyPointer busy(this);
        const LogRecord entry = entryFromFields(m_request, fields);
        if (m_request.adding())
            save = m_request.saveNew ? m_request.saveNew(entry) : Store::addLogEntry(m_request.kind, entry);
        else
            save = Store::editLogEntry(m_request.kind, m_request.recordNumber, entry);
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
        editor->exec();
    }
    if (saved && editor->saved())
        *saved = editor->savedFields();
    return editor->saved();
}
