// Every event handler runs through Dispatch: a run-time error ends the handler and is reported,
// unloaded forms are destroyed only once no handler is running, and the event loop ends once no
// form is left.
#pragma once

#include "runtimeerror.h"

#include <functional>

namespace rt {

// Runs one handler. Nested calls (a handler letting pending events run) are fine.
void Dispatch(const std::function<void()> &handler);

// Letting pending events run: the events that are waiting run, then control comes back.
void DoEvents();

// Runs the event loop until no form is loaded; returns at once when none is.
int Run();

using ErrorReporter = std::function<void(const RuntimeError &)>;

// Replaces how run-time errors are reported (tests record them); an empty reporter restores the
// default: a line on stderr and a message box.
void SetErrorReporter(ErrorReporter reporter);
void ReportError(const RuntimeError &error);

namespace detail {
// Called when a form was unloaded or a handler ended: schedules the destruction of discarded
// forms and the end of the loop, both for when no handler is on the stack.
void AfterChange();
} // namespace detail

} // namespace rt
