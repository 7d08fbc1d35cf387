#pragma once

#include <QList>
#include <QString>

#include <functional>

#include "platform/TestSeam.h"

class QWidget;

// Every message box of the program goes through this service. The text is
// handed over exactly as composed, with CR LF pairs between its lines; only
// the box on screen turns them into line breaks.
class MessageBox
{
public:
    enum class Icon { NoIcon, Critical, Question, Information, Warning };
    enum class Buttons { Ok, YesNo };
    enum class Button { Ok, Yes, No };

    struct Request
    {
        QString title;
        QString text;
        Icon icon = Icon::NoIcon;
        Buttons buttons = Buttons::Ok;
        Button defaultButton = Button::Ok;
    };

    // Shows the box modally over parent (may be null) and returns the button
    // pressed. Closing a Yes/No box without choosing counts as No.
    static Button show(QWidget *parent, const Request &request);

    // An OK box.
    static void tell(QWidget *parent, const QString &title, const QString &text, Icon icon);

    // A Yes/No question with the question icon.
    static Button ask(QWidget *parent, const QString &title, const QString &text, Button defaultButton);

    // The text as the box displays it: each CR LF becomes one line break.
    static QString displayText(const QString &text);

    // Test seam. While a Script exists no box appears: every request is
    // recorded, and answered with the next queued answer, or with the
    // request's default button when nothing is queued.
    class Script : public TestSeam<Script>
    {
    public:
        void answer(Button button);
        const QList<Request> &requests() const { return asked; }
        int count() const { return int(asked.size()); }
        const Request &last() const { return asked.last(); }

        // Runs while each box would be open, for a test that does what a
        // real box does meanwhile (take the activation from the window).
        std::function<void()> whileOpen;

    private:
        friend class MessageBox;
        Button take(const Request &request);

        QList<Button> answers;
        QList<Request> asked;
    };
};
