#pragma once

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Handles events until the job that owner started on a worker has ended and the controls
// it disabled are enabled again; fails the test after a generous bound.
inline void WaitForWorkerJob(const QWidget& owner) {
    EXPECT_TRUE(QTest::qWaitFor([&owner] { return owner.isEnabled(); }, 60000))
        << "the job did not end";
}
