#include "app/location/ProgressThrottle.h"

ProgressThrottle::ProgressThrottle(std::chrono::milliseconds interval, Clock clock)
    : FInterval(interval), FClock(std::move(clock)) {}

bool ProgressThrottle::Due() {
    const TimePoint now = FClock();
    if (FLastShown && now - *FLastShown < FInterval)
        return false;
    FLastShown = now;
    return true;
}
