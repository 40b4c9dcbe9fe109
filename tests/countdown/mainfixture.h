// Fixture for the Countdown window: started as the program starts it, clicks on its real widgets,
// ticks through the timer hook, and what each lamp place shows in the rendered pixels.
#pragma once

#include "support/formtest.h"

#include "art/pictures.h"
#include "countdown/main_window.h"
#include "runtime/dispatch.h"

#include <QLabel>
#include <QMenuBar>
#include <QTest>

enum class Shows { Background, Grey, Green, Yellow, Red, Other };

inline const char *ShowsName(Shows s)
{
    switch (s) {
    case Shows::Background: return "background";
    case Shows::Grey: return "grey";
    case Shows::Green: return "green";
    case Shows::Yellow: return "yellow";
    case Shows::Red: return "red";
    default: return "something else";
    }
}

class MainWindowTest : public FormTest
{
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        rt::Dispatch([] { forms::main().Show(); });
    }

    static main_ &w() { return forms::main(); }

    static void Click(rt::Image &image) { QTest::mouseClick(image.widget(), Qt::LeftButton); }

    // Sets the start time and clicks Start.
    static void Start(const QString &text)
    {
        w().Text1.setText(text);
        Click(w().Image8);
    }

    // Chooses a top-level menu entry (0 Exit, 1 More Educational Resources, 2 About) by the mouse.
    static void ChooseMenu(int index)
    {
        QMenuBar *bar = w().window()->findChild<QMenuBar *>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[index]).center());
    }

    // The names of the loaded windows, in the order Forms gives them.
    static std::vector<QString> Loaded()
    {
        std::vector<QString> names;
        for (rt::Form &form : rt::Forms())
            names.push_back(form.Name());
        return names;
    }

    static int Loaded(const QString &name)
    {
        const std::vector<QString> names = Loaded();
        return static_cast<int>(std::count(names.begin(), names.end(), name));
    }

    static int Tick(int count = 1)
    {
        int delivered = 0;
        for (int i = 0; i < count && w().IsLoaded() && w().Timer1.deliverTick(); ++i)
            ++delivered;
        return delivered;
    }

    // The lamp places' rectangles in the client area, top to bottom, in pixels.
    static QRect Place(int index) { return QRect(112, 184 + 72 * index, 395, 64); }

    // What a lamp place shows, judged by the pixel at its centre against the pictures.
    static Shows LampShows(int index)
    {
        const QRect place = Place(index);
        const QPoint centre(place.width() / 2, place.height() / 2);
        const QImage shot = Grab(w().client(), place);
        const QRgb seen = shot.pixel(centre);
        const auto near = [seen](QRgb want) {
            return std::abs(qRed(seen) - qRed(want)) <= 3 && std::abs(qGreen(seen) - qGreen(want)) <= 3
                && std::abs(qBlue(seen) - qBlue(want)) <= 3;
        };
        if (near(art::GreyBar().pixel(centre)))
            return Shows::Grey;
        if (near(art::GreenLamp().pixel(centre)))
            return Shows::Green;
        if (near(art::YellowLamp().pixel(centre)))
            return Shows::Yellow;
        if (near(art::RedLamp().pixel(centre)))
            return Shows::Red;
        if (near(art::Background().pixel(place.topLeft() + centre)))
            return Shows::Background;
        return Shows::Other;
    }

    static std::vector<Shows> Lamps() { return {LampShows(0), LampShows(1), LampShows(2)}; }
};

inline std::ostream &operator<<(std::ostream &os, Shows s)
{
    return os << ShowsName(s);
}
