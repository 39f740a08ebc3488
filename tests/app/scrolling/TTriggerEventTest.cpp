#include "app/scrolling/TTriggerEvent.h"

#include <gtest/gtest.h>

TEST(TTriggerEvent, PassesTheSenderOnAndDoesNothingUnbound) {
    TTriggerEvent fixFormEvent;
    QObject frame;
    fixFormEvent.TriggerEvent(&frame);
    QList<QObject*> senders;
    QObject::connect(&fixFormEvent, &TTriggerEvent::OnTriggerEvent,
                     [&](QObject* sender) { senders.append(sender); });
    fixFormEvent.TriggerEvent(&frame);
    EXPECT_EQ(senders, QList<QObject*>{&frame});
}
