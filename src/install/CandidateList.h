#pragma once

#include <QList>
#include <QString>

#include <optional>

// A file intake may install: what the tree shows, and where the file lies on disk (for an
// archive entry, where it lies once extracted).
struct Candidate {
    QString DisplayName;
    QString SourcePath;

    friend bool operator==(const Candidate&, const Candidate&) = default;
};

// Candidates in the order they were found. Lookups compare display names without regard to
// letter case; of two with one name the first is found.
class CandidateList {
public:
    void Append(Candidate candidate) { FEntries.append(std::move(candidate)); }
    bool Contains(const QString& displayName) const { return IndexOf(displayName) >= 0; }
    // Removes and returns the first candidate with the name.
    std::optional<Candidate> Take(const QString& displayName);
    void Clear() { FEntries.clear(); }

    bool IsEmpty() const { return FEntries.isEmpty(); }
    qsizetype Size() const { return FEntries.size(); }
    const Candidate& At(qsizetype i) const { return FEntries.at(i); }
    const QList<Candidate>& Entries() const { return FEntries; }

private:
    qsizetype IndexOf(const QString& displayName) const;

    QList<Candidate> FEntries;
};
