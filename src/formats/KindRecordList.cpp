#include "formats/KindRecordList.h"

#include <algorithm>

int KindRecordList::IndexOf(const QString& fileName) const {
    const auto found = FIndex.constFind(IndexKey(fileName));
    return found == FIndex.constEnd() ? -1 : PositionOf(found.value());
}

int KindRecordList::PositionOf(quint64 number) const {
    const auto found = std::ranges::lower_bound(FEntries, number, {}, &Entry::Number);
    return static_cast<int>(found - FEntries.begin());
}

void KindRecordList::Add(InstalledFileRecord record) {
    const int existing = IndexOf(record.FileName);
    if (existing >= 0)
        RemoveAt(existing);
    FIndex.insert(IndexKey(record.FileName), FNextNumber);
    FEntries.push_back({FNextNumber++, std::move(record)});
}

void KindRecordList::RemoveAt(int index) {
    FIndex.remove(IndexKey(FEntries[index].Record.FileName));
    FEntries.erase(FEntries.begin() + index);
}

void KindRecordList::Clear() {
    FEntries.clear();
    FIndex.clear();
}
