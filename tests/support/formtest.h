// Fixture for window tests: ticks only through the timer hook, run-time errors recorded instead of
// shown, and every window gone after each case.
#pragma once

#include "runtime/dispatch.h"
#include "runtime/forms.h"
#include "runtime/timer.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <vector>

class FormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rt::Timer::setRealTicks(false);
        rt::SetErrorReporter([this](const rt::RuntimeError &error) { errors.push_back(error.number()); });
    }

    void TearDown() override
    {
        rt::UnloadEverything();
        QApplication::processEvents();
        rt::SetErrorReporter({});
        rt::Timer::setRealTicks(true);
    }

    // What the window shows in a rectangle of its client area, as the screen would.
    static QImage Grab(QWidget *client, const QRect &rect)
    {
        return client->grab(rect).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The whole window, frame included, in the middle of the screen's available area.
    static void ExpectCentred(QWidget *window)
    {
        const QRect frame = window->frameGeometry();
        const QRect area = window->screen()->availableGeometry();
        EXPECT_NEAR(frame.x() + frame.width() / 2.0, area.x() + area.width() / 2.0, 1.0);
        EXPECT_NEAR(frame.y() + frame.height() / 2.0, area.y() + area.height() / 2.0, 1.0);
    }

    std::vector<int> errors;
};
