#include "removal/ContentNameOrder.h"

#include <algorithm>

namespace {
constexpr char16_t FirstNonAscii = 0x80;

char16_t FoldedAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}
} // namespace

// Names are mostly ASCII, whose letters fold by a shift; from the first other character on,
// Qt's comparison without regard to case takes over, which folds every character through
// its tables and made sorting long lists slow.
bool ComesBeforeByName(QStringView name, QStringView other) {
    const qsizetype common = std::min(name.size(), other.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t c = name[i].unicode();
        const char16_t d = other[i].unicode();
        if (c >= FirstNonAscii || d >= FirstNonAscii)
            return name.sliced(i).compare(other.sliced(i), Qt::CaseInsensitive) < 0;
        if (FoldedAscii(c) != FoldedAscii(d))
            return FoldedAscii(c) < FoldedAscii(d);
    }
    return name.size() < other.size();
}
