#pragma once

#include <QHashFunctions>
#include <QString>

// A name as a hash key that ignores letter case, as names do everywhere in the game: two
// names are one key when QString compares them equal without regard to case. Hashing folds
// the letters on the fly instead of keeping a folded copy of every name, which made large
// indexes of file names slow to build.
class CaselessName {
public:
    CaselessName(QString name) : FName(std::move(name)) {} // NOLINT: converts like QString

    const QString& Name() const { return FName; }

    friend bool operator==(const CaselessName& a, const CaselessName& b) {
        return a.FName.compare(b.FName, Qt::CaseInsensitive) == 0;
    }

private:
    QString FName;
};

size_t qHash(const CaselessName& key, size_t seed = 0);
