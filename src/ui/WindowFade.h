#pragma once

#include <QObject>
#include <QTimer>
#include <QtGlobal>

#include <functional>
#include <optional>

class QWidget;

// Windows fade in when they open, fade out before they close and dim while a
// modal step is in front of them, through the window's constant opacity on a
// 0 (clear) to 255 (opaque) scale. The user switches the effect with the
// "FadeStatus" setting; where the platform cannot show translucent windows
// nothing fades.

// Whether windows fade: the "FadeStatus" setting, where the platform can show
// translucent windows. Every fade decision reads it; each window's load step
// reads the setting anew (ClearForFadeIn), and only the fade command switches
// it between loads (SetFadesOn).
bool FadesOn();

// A window's load step: reads whether windows fade from the setting and the
// platform and, when they do, makes the window clear for its fade-in. Returns
// FadesOn().
bool ClearForFadeIn(QWidget *window);

// Switches fading on or off for every window and keeps the choice in the
// "FadeStatus" setting.
void SetFadesOn(bool on);

// Sets the window's opacity to alpha (0-255) when the effect is on ("FadeStatus")
// or force is on. Returns false, changing nothing, when the setting is off (and
// force is off) or the platform cannot show translucent windows.
bool SetWindowOpacity(QWidget *window, int alpha, bool force);

// Starts the window's fade from start to end, step by step, one step per tick
// of its fade timer. A call while a fade runs replaces it, and the replaced
// fade's follow-up never runs. Until the fade is over the window takes no
// input: clicks, keys, shortcuts, access keys and the desktop's close requests
// are dropped, without greying its controls. At the end, with unloadAtEnd the
// window closes; then followUp runs. Whatever waits for a fade goes into its
// follow-up, so that no nested event loop runs meanwhile.
void StartFade(QWidget *window, int start, int end, int step, bool unloadAtEnd,
               std::function<void()> followUp = {});

// True while the window's fade timer runs.
bool FadeRunning(const QWidget *window);

// True while the window is being closed by the last step of its fade, so that
// its close handling can let the close through without asking again.
bool ClosingByFade(const QWidget *window);

// Whether the platform can show a translucent window: not on the offscreen
// platform, on Wayland or on an X11 display without a compositing manager.
bool TranslucencySupported();
// Test seam: force the answer (nullopt asks the platform again).
void SetTranslucencyOverride(std::optional<bool> supported);

// One window's fade: its record and its timer. Made by StartFade as a child of
// the window; tests drive tick() directly. The timer ticks every 15 ms, the
// pace of the desktop timers the fade steps were made for (13 steps of a
// fade-in take about a fifth of a second).
class WindowFader : public QObject
{
    Q_OBJECT

public:
    explicit WindowFader(QWidget *window);

    static WindowFader *of(const QWidget *window);

    void start(int start, int end, int step, bool unloadAtEnd, std::function<void()> followUp);
    void tick();

    bool running() const { return m_timer.isActive(); }
    int current() const { return m_current; }
    bool closing() const { return m_closing; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void blockInput(bool on);

    QWidget *m_window;
    QTimer m_timer;
    quint8 m_start = 0;
    quint8 m_end = 0;
    quint16 m_step = 0;
    bool m_unloadAtEnd = false;
    bool m_firstTick = false;
    qint16 m_current = 0;
    bool m_closing = false;
    bool m_blocking = false;
    std::function<void()> m_followUp;
};
