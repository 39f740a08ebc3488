#include "install/CandidateList.h"

std::optional<Candidate> CandidateList::Take(const QString& displayName) {
    const qsizetype at = IndexOf(displayName);
    if (at < 0)
        return std::nullopt;
    return FEntries.takeAt(at);
}

qsizetype CandidateList::IndexOf(const QString& displayName) const {
    for (qsizetype i = 0; i < FEntries.size(); ++i) {
        if (FEntries[i].DisplayName.compare(displayName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
