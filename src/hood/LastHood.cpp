#include "hood/LastHood.h"

#include "platform/SettingsStore.h"

namespace {
const QString LastHoodValue = QStringLiteral("LastHood");
} // namespace

int PreferredHood(const QList<int>& existing) {
    const int last = OpenSettingsStore()->value(LastHoodValue).toInt();
    return existing.contains(last) ? last : existing.value(0);
}

void RememberHood(int number) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    store->setAtomicSyncRequired(true);
    store->setValue(LastHoodValue, number);
}
