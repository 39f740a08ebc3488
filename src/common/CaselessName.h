#pragma once

#include <QHashFunctions>
#include <QString>

#include <algorithm>
#include <functional>
#include <ranges>

// A name as a hash key that ignores letter case, as names do everywhere in the game: two
// names are one key when QString compares them equal without regard to case. The hash of
// the folded name is computed once, without keeping a folded copy, and lets most unequal
// keys be told apart without a caseless comparison: large indexes of file names were slow
// to build with either.
class CaselessName {
public:
    CaselessName(QString name); // NOLINT: converts like the QString it wraps

    const QString& Name() const { return FName; }
    size_t FoldedHash() const { return FFoldedHash; }

    friend bool operator==(const CaselessName& a, const CaselessName& b) {
        // Names mostly match in their own case, which a plain comparison tells fastest.
        return a.FFoldedHash == b.FFoldedHash &&
               (a.FName == b.FName || a.FName.compare(b.FName, Qt::CaseInsensitive) == 0);
    }

private:
    QString FName;
    size_t FFoldedHash;
};

inline size_t qHash(const CaselessName& key, size_t seed = 0) {
    return qHash(key.FoldedHash(), seed);
}

// The item named exactly so, else the first whose name differs only in letter case; end when
// none. Names that differ only in case may stand side by side on a case-sensitive disk and in
// an archive, and the one asked for by its exact name is the one meant.
template <std::ranges::forward_range Range, typename KeyOf>
std::ranges::iterator_t<Range> FindByName(Range& items, const CaselessName& name, KeyOf keyOf) {
    const auto exact = std::ranges::find_if(
        items, [&](const auto& item) { return std::invoke(keyOf, item).Name() == name.Name(); });
    if (exact != std::ranges::end(items))
        return exact;
    return std::ranges::find_if(items,
                                [&](const auto& item) { return std::invoke(keyOf, item) == name; });
}
