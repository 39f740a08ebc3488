#include "app/location/ProgressThrottle.h"

#include <gtest/gtest.h>

TEST(ProgressThrottle, LetsAMessageThroughOncePerFiftyMilliseconds) {
    ProgressThrottle::TimePoint now{};
    ProgressThrottle throttle(ProgressThrottle::DefaultInterval, [&] { return now; });
    // Milliseconds since the start, and whether the message at that moment is shown.
    const struct {
        int At;
        bool Shown;
    } messages[] = {{0, true},   {0, false},  {10, false}, {49, false},  {50, true},   {60, false},
                    {99, false}, {100, true}, {400, true}, {420, false}, {449, false}, {450, true}};
    for (const auto& message : messages) {
        now = ProgressThrottle::TimePoint{} + std::chrono::milliseconds(message.At);
        EXPECT_EQ(throttle.Due(), message.Shown) << message.At << " ms";
    }
}
