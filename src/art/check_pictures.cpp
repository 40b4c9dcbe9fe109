// Loads every embedded picture as the program does and fails when one does not load, so that a
// missing or malformed picture stops the build instead of leaving a window blank.
#include "art/pictures.h"

#include <cstdio>

int main()
{
    struct Picture {
        const char *name;
        const QImage &(*load)();
    };
    const Picture pictures[] = {
        {"background", art::Background},    {"Start button", art::StartButton},
        {"Stop button", art::StopButton},   {"Settings button", art::SettingsButton},
        {"Exit button", art::ExitButton},   {"green lamp", art::GreenLamp},
        {"yellow lamp", art::YellowLamp},   {"red lamp", art::RedLamp},
        {"grey bar", art::GreyBar},         {"hourglass", art::Hourglass},
    };
    int failed = 0;
    for (const Picture &picture : pictures) {
        if (picture.load().isNull()) {
            std::fprintf(stderr, "tavrin-check-pictures: the %s picture does not load from the program's resources\n",
                         picture.name);
            ++failed;
        }
    }
    return failed == 0 ? 0 : 1;
}
