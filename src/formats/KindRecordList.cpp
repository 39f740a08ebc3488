#include "formats/KindRecordList.h"

#include <algorithm>

int KindRecordList::IndexOf(const QString& fileName) const {
    const auto found = FIndex.constFind(fileName);
    return found == FIndex.constEnd() ? -1 : PositionOf(found.value());
}

int KindRecordList::PositionOf(quint64 number) const {
    const auto found = std::ranges::lower_bound(FEntries, number, {}, &Entry::Number);
    return static_cast<int>(found - FEntries.begin());
}

bool KindRecordList::Add(InstalledFileRecord record) {
    quint64& number = FIndex[record.FileName];
    const bool replaced = number != NotIndexed;
    if (replaced)
        FEntries.erase(FEntries.begin() + PositionOf(number));
    number = FNextNumber++;
    FEntries.push_back({number, std::move(record)});
    return replaced;
}

const InstalledFileRecord& KindRecordList::FindOrAdd(InstalledFileRecord record) {
    quint64& number = FIndex[record.FileName];
    if (number != NotIndexed)
        return At(PositionOf(number));
    number = FNextNumber++;
    FEntries.push_back({number, std::move(record)});
    return FEntries.back().Record;
}

void KindRecordList::RemoveAt(int index) {
    FIndex.remove(FEntries[index].Record.FileName);
    FEntries.erase(FEntries.begin() + index);
}

void KindRecordList::Clear() {
    FEntries.clear();
    FIndex.clear();
}
