#pragma once

#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <optional>
#include <type_traits>

// Runs call on context's thread and returns its result; the calling thread waits. Called
// on context's thread itself, it simply runs call.
template <typename Call> auto CallOnThreadOf(QObject& context, Call&& call) {
    using Result = std::invoke_result_t<Call&>;
    if (QThread::currentThread() == context.thread())
        return call();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(
            &context, [&call] { call(); }, Qt::BlockingQueuedConnection);
    } else {
        std::optional<Result> result;
        QMetaObject::invokeMethod(
            &context, [&call, &result] { result.emplace(call()); }, Qt::BlockingQueuedConnection);
        return std::move(*result);
    }
}
