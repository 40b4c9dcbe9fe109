// Form: the base of every window class. It owns the top-level window, its menu bar and client
// area, and offers the operations handlers use: Name, Show, Unload, Height, hWnd.
#pragma once

#include "dispatch.h"

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QMenuBar;
class QWidget;

namespace rt {

class FormWindow;
class Timer;

// Design-time values of a window.
struct FormDesign
{
    QString name;          // the class name, e.g. "main"
    QString caption;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    bool minimizeButton = true;
};

class Form : public QObject
{
public:
    explicit Form(const FormDesign &design);
    ~Form() override;
    Q_DISABLE_COPY_MOVE(Form)

    QString Name() const { return m_name; }
    // Shows the window modeless; the first time after loading, centred on the screen.
    void Show();
    // Hides and discards the window, its controls and timers; the next use loads it afresh.
    void Unload();
    // Outer height in twips, title bar, menu bar and borders included.
    void setHeight(float twips);
    quint32 hWnd() const;

    bool IsLoaded() const { return m_loaded; }

    // Plumbing for controls and the runtime.
    QWidget *client() const { return m_client; }
    QMenuBar *menuBar();
    QWidget *window() const;
    void setTabOrder(std::initializer_list<QWidget *> order);
    void addTimer(Timer *timer) { m_timers.push_back(timer); }

    // Wraps a handler of this form: it runs through Dispatch, and not at all once the form is unloaded.
    template <class F>
    std::function<void()> handler(void (F::*member)())
    {
        F *self = static_cast<F *>(this);
        return [self, member] {
            if (self->IsLoaded())
                Dispatch([self, member] { (self->*member)(); });
        };
    }

    // Loading: runs the Load event once the instance has been registered.
    void runLoad() { Form_Load(); }
    void setOnUnload(std::function<void()> callback) { m_onUnload = std::move(callback); }

protected:
    virtual void Form_Load() {}

private:
    void applyClientHeight(int pixels);
    // Centres the window, frame included, where the frame can be learned before showing.
    bool placeCentredWithFrame();
    // Where the client area of `size` leaves a frame of `deviceFrame` (device pixels) centred.
    QPoint centredTopLeft(QSize size, const QMargins &deviceFrame) const;
    // Moves the window's top-left (the frame's, once it has one) to centre `size` on the screen.
    void centre(QSize size);

    QString m_name;
    std::unique_ptr<FormWindow> m_window;
    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    QWidget *m_firstFocus = nullptr;
    std::vector<Timer *> m_timers;
    std::function<void()> m_onUnload;
    int m_clientWidth = 0;   // pixels
    int m_clientHeight = 0;  // pixels
    bool m_loaded = true;
    bool m_shownOnce = false;
};

// Twips to pixels: 15 twips to the pixel, as the layout was drawn.
constexpr int TwipsPerPixel = 15;
constexpr int Pixels(int twips) { return twips / TwipsPerPixel; }

} // namespace rt
