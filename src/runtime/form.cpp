#include "form.h"

#include "centring.h"
#include "fonts.h"
#include "formwindow.h"
#include "frameextents.h"
#include "forms.h"
#include "timer.h"

#include "art/pictures.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

#include <cmath>
#include <optional>

namespace rt {

namespace {

// What the title bar, the one-line menu bar and the borders took together on the platform the
// layout was drawn for: a Height put leaves this much less for the client area.
constexpr int NonClientTwips = 675;

// How long a window manager may take to tell the frame it adds.
constexpr std::chrono::milliseconds FrameAnswerWait{500};

} // namespace

FormWindow::FormWindow(Form &form)
    : m_form(form)
{
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The close is ours to carry out; it is queued so the window system's close handling has
    // finished with this widget before the form can be destroyed.
    event->ignore();
    QMetaObject::invokeMethod(&m_form, [form = &m_form] { Dispatch([form] { form->Unload(); }); }, Qt::QueuedConnection);
}

Form::Form(const FormDesign &design)
    : m_name(design.name)
    , m_window(std::make_unique<FormWindow>(*this))
    , m_clientWidth(Pixels(design.clientWidth))
{
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (design.minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    m_window->setWindowFlags(flags);
    m_window->setWindowTitle(design.caption);
    m_window->setWindowIcon(art::HourglassIcon());
    m_window->setObjectName(design.name);
    // Controls set their fonts by pixel size; this is the default for those that set none.
    m_window->setFont(DefaultFont());
    m_client = new QWidget(m_window.get());
    m_client->setObjectName(QStringLiteral("client"));
    applyClientHeight(Pixels(design.clientHeight));
}

Form::~Form() = default;

QMenuBar *Form::menuBar()
{
    if (!m_menuBar) {
        m_menuBar = new QMenuBar(m_window.get());
        // A global-menu service must not take the menu out of the window.
        m_menuBar->setNativeMenuBar(false);
    }
    return m_menuBar;
}

void Form::applyClientHeight(int pixels)
{
    m_clientHeight = std::max(0, pixels);
    int top = 0;
    if (m_menuBar) {
        top = m_menuBar->sizeHint().height();
        m_menuBar->setGeometry(0, 0, m_clientWidth, top);
    }
    // The client widget reaches below the window's edge, so controls placed there (out of sight)
    // keep their size and still take the focus.
    const int reach = std::max(m_clientHeight, m_client->childrenRect().bottom() + 1);
    m_client->setGeometry(0, top, m_clientWidth, reach);
    m_window->setFixedSize(m_clientWidth, top + m_clientHeight);
}

void Form::Show()
{
    if (!m_shownOnce) {
        m_shownOnce = true;
        // Reaching below the edge is settled once all controls exist.
        applyClientHeight(m_clientHeight);
        const bool placed = placeCentredWithFrame();
        if (!placed)
            centre(m_window->size());
        m_window->show();
        // Where the platform knows the frame only once shown, the whole window is centred now.
        if (!placed && m_window->frameGeometry().size() != m_window->size())
            centre(m_window->frameGeometry().size());
        if (m_firstFocus) {
            m_firstFocus->setFocus(Qt::OtherFocusReason);
            // What is typed first replaces the box's text instead of running into it.
            if (auto *line = qobject_cast<QLineEdit *>(m_firstFocus))
                line->selectAll();
        }
        return;
    }
    if (m_window->isHidden())
        m_window->show();
    m_window->raise();
}

bool Form::placeCentredWithFrame()
{
    const std::optional<QMargins> frame = RequestFrameExtents(m_window.get(), FrameAnswerWait);
    if (!frame)
        return false;
    // The client area goes where it leaves the whole frame centred, so the window appears there
    // without a jump.
    m_window->setGeometry(QRect(centredTopLeft(m_window->size(), *frame), m_window->size()));
    return true;
}

QPoint Form::centredTopLeft(QSize size, const QMargins &deviceFrame) const
{
    QScreen *screen = m_window->screen() ? m_window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return m_window->pos();
    return CentredClientTopLeft(screen->availableGeometry(), size, deviceFrame, m_window->devicePixelRatio());
}

void Form::centre(QSize size)
{
    m_window->move(centredTopLeft(size, QMargins()));
}

void Form::Unload()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    for (Timer *timer : m_timers)
        timer->stop();
    m_window->hide();
    if (m_onUnload)
        m_onUnload();
    detail::Discard(this);
}

void Form::setHeight(float twips)
{
    if (!std::isfinite(twips) || twips < 0.0f || twips > 32767.0f * TwipsPerPixel)
        Raise(err::InvalidPropertyValue);
    const int clientTwips = static_cast<int>(std::lround(twips)) - NonClientTwips;
    applyClientHeight(Pixels(std::max(0, clientTwips)));
}

QWidget *Form::window() const
{
    return m_window.get();
}

quint32 Form::hWnd() const
{
    return static_cast<quint32>(m_window->winId());
}

void Form::setTabOrder(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : order) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    m_firstFocus = order.size() ? *order.begin() : nullptr;
}

} // namespace rt
