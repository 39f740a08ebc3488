#include "fileutil/FileMask.h"

#include <QChar>

namespace {
bool SameLetter(QChar a, QChar b) {
    return a == b || QChar::toCaseFolded(a.unicode()) == QChar::toCaseFolded(b.unicode());
}

// Greedy matching that returns to the last "*" on a mismatch: linear for the usual masks.
bool MatchesWildcards(QStringView name, QStringView mask) {
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype afterStar = -1;
    qsizetype starTakenUpTo = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            afterStar = ++m;
            starTakenUpTo = n;
        } else if (m < mask.size() && (mask[m] == u'?' || SameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (afterStar >= 0) {
            m = afterStar;
            n = ++starTakenUpTo;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}
} // namespace

bool MatchesFileMask(QStringView name, QStringView mask) {
    // The masks of a whole-tree walk match every name: no need to look at each.
    if (mask == u"*" || mask == u"*.*")
        return true;
    if (mask.endsWith(u".*") && !name.contains(u'.'))
        return MatchesWildcards(name, mask.chopped(2));
    return MatchesWildcards(name, mask);
}
