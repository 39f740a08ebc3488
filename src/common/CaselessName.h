#pragma once

#include <QHashFunctions>
#include <QString>

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
        return a.FFoldedHash == b.FFoldedHash && a.FName.compare(b.FName, Qt::CaseInsensitive) == 0;
    }

private:
    QString FName;
    size_t FFoldedHash;
};

inline size_t qHash(const CaselessName& key, size_t seed = 0) {
    return qHash(key.FoldedHash(), seed);
}
