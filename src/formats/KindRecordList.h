#pragma once

#include "common/CaselessName.h"
#include "formats/InstalledFileRecord.h"

#include <QHash>

#include <vector>

// The records of one kind in list order, with an index by file name beside the list so
// that finding and replacing a record never compares names one by one. Names are equal
// when they are equal without regard to letter case; the list holds each name once.
class KindRecordList {
public:
    int Count() const { return static_cast<int>(FEntries.size()); }
    // The position of the record with the name, or -1.
    int IndexOf(const QString& fileName) const;
    const InstalledFileRecord& At(int index) const { return FEntries[index].Record; }
    // Removes a record with the same name, then appends this one; true when one was removed.
    bool Add(InstalledFileRecord record);
    // The record with this one's name; when there is none, this one appended. One look-up
    // for both.
    const InstalledFileRecord& FindOrAdd(InstalledFileRecord record);
    void RemoveAt(int index);
    void Clear();

private:
    // Records keep the number they were added under; the list stays sorted by it, so the
    // index stores numbers that do not change when records before them are removed.
    struct Entry {
        quint64 Number;
        InstalledFileRecord Record;
    };
    // Numbers start above it, so it marks a name the index did not hold before.
    static constexpr quint64 NotIndexed = 0;
    int PositionOf(quint64 number) const;

    std::vector<Entry> FEntries;
    QHash<CaselessName, quint64> FIndex;
    quint64 FNextNumber = NotIndexed + 1;
};
