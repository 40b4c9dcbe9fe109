#include "dispatch.h"

#include "forms.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <cstdio>
#include <new>

namespace rt {

namespace {

int s_depth = 0;
QPointer<QEventLoop> s_loop;
ErrorReporter s_reporter;
QPointer<QMessageBox> s_errorBox;

void DefaultReport(const RuntimeError &error)
{
    const QString heading = QStringLiteral("Run-time error '%1':").arg(error.number());
    std::fprintf(stderr, "tavrin-timer: %s %s\n", qUtf8Printable(heading), qUtf8Printable(error.description()));
    const QString text = heading + QStringLiteral("\n\n") + error.description();
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    // One box, not modal: the countdown keeps running behind it, and an error that repeats every
    // second updates the box instead of stacking new ones.
    if (!s_errorBox) {
        s_errorBox = new QMessageBox(QMessageBox::Critical, QStringLiteral("Tavrin Activity Timer"), text, QMessageBox::Ok);
        s_errorBox->setAttribute(Qt::WA_DeleteOnClose);
        s_errorBox->setModal(false);
    }
    s_errorBox->setText(text);
    s_errorBox->show();
    s_errorBox->raise();
}

void PostToApplication(std::function<void()> work)
{
    // A queued call on the application object: it runs from whichever event loop comes next, also
    // from nested event processing, and never inside the handler that scheduled it.
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}

} // namespace

void Dispatch(const std::function<void()> &handler)
{
    ++s_depth;
    try {
        handler();
    } catch (const RuntimeError &error) {
        ReportError(error);
    } catch (const std::bad_alloc &) {
        ReportError(RuntimeError(err::OutOfMemory, ErrorDescription(err::OutOfMemory)));
    } catch (const std::exception &e) {
        ReportError(RuntimeError(err::InvalidCall, QString::fromLocal8Bit(e.what())));
    }
    --s_depth;
    if (s_depth == 0)
        detail::AfterChange();
}

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int Run()
{
    if (LoadedFormCount() == 0)
        return 0;
    QEventLoop loop;
    s_loop = &loop;
    const int status = loop.exec();
    s_loop = nullptr;
    detail::DestroyDiscarded();
    return status;
}

void SetErrorReporter(ErrorReporter reporter)
{
    s_reporter = std::move(reporter);
}

void ReportError(const RuntimeError &error)
{
    if (s_reporter)
        s_reporter(error);
    else
        DefaultReport(error);
}

namespace detail {

void AfterChange()
{
    if (s_depth > 0 || !QCoreApplication::instance())
        return;
    if (HasDiscarded()) {
        PostToApplication([] {
            // Run from inside a handler's event processing, it waits: the outermost handler's
            // end schedules it again.
            if (s_depth == 0)
                DestroyDiscarded();
        });
    }
    if (LoadedFormCount() == 0 && s_loop)
        QMetaObject::invokeMethod(s_loop.data(), &QEventLoop::quit, Qt::QueuedConnection);
}

} // namespace detail

} // namespace rt
