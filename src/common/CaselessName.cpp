#include "common/CaselessName.h"

#include <array>

namespace {
// Names up to this many UTF-16 units are folded on the stack; longer ones are rare.
constexpr qsizetype StackFoldLimit = 260;

// Folds code points, not units, as the case-insensitive comparison does, so that letters
// outside the basic plane hash alike when they compare alike.
template <typename Append> void FoldInto(QStringView name, Append append) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit < 0x80) {
            append(unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit);
        } else if (QChar::isHighSurrogate(unit) && i + 1 < name.size() &&
                   name[i + 1].isLowSurrogate()) {
            const char32_t folded =
                QChar::toCaseFolded(QChar::surrogateToUcs4(unit, name[i + 1].unicode()));
            append(QChar::highSurrogate(folded));
            append(QChar::lowSurrogate(folded));
            ++i;
        } else {
            append(char16_t(QChar::toCaseFolded(unit)));
        }
    }
}

// Seeded per process, like Qt's own string hashes, so that names chosen to collide cannot
// be prepared in advance.
size_t FoldedNameHash(const QString& name) {
    const size_t seed = QHashSeed::globalSeed();
    if (name.size() > StackFoldLimit)
        return qHash(name.toCaseFolded(), seed);
    std::array<char16_t, 2 * StackFoldLimit> folded;
    qsizetype length = 0;
    FoldInto(name, [&](char16_t unit) { folded[length++] = unit; });
    return qHash(QStringView(folded.data(), length), seed);
}
} // namespace

CaselessName::CaselessName(QString name)
    : FName(std::move(name)), FFoldedHash(FoldedNameHash(FName)) {}
