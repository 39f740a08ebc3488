#include "journal/RetentionSettings.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <limits>

namespace {
const QString CountValue = QStringLiteral("HistoryCount");
const QString MegabytesValue = QStringLiteral("HistoryMegabytes");

qint64 ReadCount(const QSettings& store, const QString& name, qint64 fallback) {
    bool isNumber = false;
    const qint64 number = store.value(name).toString().trimmed().toLongLong(&isNumber);
    return isNumber && number >= 0 ? number : fallback;
}
} // namespace

Retention ReadRetention(const QSettings& store) {
    const Retention defaults;
    const qint64 count = ReadCount(store, CountValue, defaults.Count);
    const qint64 megabytes = ReadCount(store, MegabytesValue, defaults.KeptBytes >> MebibyteShift);
    return {.Count = int(std::min<qint64>(count, std::numeric_limits<int>::max())),
            .KeptBytes = std::min(megabytes, std::numeric_limits<qint64>::max() >> MebibyteShift)
                         << MebibyteShift};
}

void WriteRetention(QSettings& store, const Retention& retention) {
    store.setValue(CountValue, retention.Count);
    store.setValue(MegabytesValue, retention.KeptBytes >> MebibyteShift);
}

Retention StoredRetention() {
    return ReadRetention(*OpenSettingsStore());
}
