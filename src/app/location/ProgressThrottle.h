#pragma once

#include <chrono>
#include <functional>
#include <optional>

// Lets a stream of progress messages through at most once per interval, so a walk that
// visits thousands of folders a second spends its time walking rather than repainting the
// progress window. The clock can be replaced, so the throttle can be stepped by hand.
class ProgressThrottle {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Clock = std::function<TimePoint()>;

    // Often enough that the message changes at least four times a second.
    static constexpr std::chrono::milliseconds DefaultInterval{50};

    explicit ProgressThrottle(std::chrono::milliseconds interval = DefaultInterval,
                              Clock clock = &std::chrono::steady_clock::now);

    // True for the first message and for the first one after each interval has passed.
    bool Due();

private:
    std::chrono::milliseconds FInterval;
    Clock FClock;
    std::optional<TimePoint> FLastShown;
};
