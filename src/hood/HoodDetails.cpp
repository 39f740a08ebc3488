#include "hood/HoodDetails.h"

#include "common/DayCountDate.h"
#include "common/PathRules.h"
#include "common/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace {
// Each area's house file, in the order of the areas and of ExpansionPacks.
constexpr const char16_t* AreaHouseFiles[HoodAreaCount] = {
    u"Houses/House21.iff", u"Houses/House40.iff", u"Houses/House50.iff",
    u"Houses/House81.iff", u"Houses/House90.iff",
};

// The text up to the next NUL byte or the end, and the position after that NUL.
QByteArray NextText(const QByteArray& bytes, qsizetype& from) {
    qsizetype end = bytes.indexOf('\0', from);
    if (end < 0)
        end = bytes.size();
    const QByteArray text = bytes.mid(from, end - from);
    from = end + 1;
    return text;
}
} // namespace

HoodNotes ParseHoodNotes(const QByteArray& bytes) {
    qsizetype from = 0;
    HoodNotes notes;
    notes.Name = Decode8BitText(NextText(bytes, from));
    const QByteArray date = NextText(bytes, from);
    notes.Date = ParseDayCount(QLatin1StringView(date));
    if (notes.Date == 0.0)
        notes.Date.reset();
    const QString comments = Decode8BitText(NextText(bytes, from));
    if (!comments.isEmpty())
        notes.Comments = comments.split(QStringLiteral("\r\n"));
    return notes;
}

QString HoodFolder(const QString& gameFolder, int hoodNo) {
    QString name = QStringLiteral("UserData");
    if (hoodNo > 1)
        name += QString::number(hoodNo);
    return JoinCaseInsensitive(gameFolder, name);
}

HoodDetails LoadHoodDetails(const QString& gameFolder, int hoodNo, const ExpansionFlags& packs) {
    HoodDetails details;
    details.HoodNo = hoodNo;
    const QString folder = HoodFolder(gameFolder, hoodNo);
    if (gameFolder.isEmpty() || !QFileInfo(folder).isDir())
        return details;
    details.Available = true;
    details.HoodPath = WithTrailingSeparator(folder);
    for (int area = 0; area < HoodAreaCount; ++area) {
        if (!packs.Expansion || !packs.Packs[area])
            details.Areas[area] = AreaPresence::NotAvailable;
        else if (FindExistingCaseInsensitive(details.HoodPath +
                                             QString::fromUtf16(AreaHouseFiles[area]))
                     .isEmpty())
            details.Areas[area] = AreaPresence::No;
        else
            details.Areas[area] = AreaPresence::Yes;
    }
    const QString notesFile =
        FindExistingCaseInsensitive(details.HoodPath + QStringLiteral("ltwd.nfo"));
    QFile notes(notesFile);
    if (!notesFile.isEmpty() && notes.open(QIODevice::ReadOnly))
        details.Notes = ParseHoodNotes(notes.readAll());
    return details;
}

QList<int> ExistingHoods(const QString& gameFolder) {
    static const QRegularExpression hoodName(QStringLiteral("^userdata([1-9][0-9]?)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    QList<int> numbers;
    if (gameFolder.isEmpty())
        return numbers;
    const QStringList folders = QDir(gameFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& folder : folders) {
        const QRegularExpressionMatch match = hoodName.match(folder);
        if (!match.hasMatch())
            continue;
        const int number = match.captured(1).isEmpty() ? 1 : match.captured(1).toInt();
        // "UserData1" is no neighbourhood: the first one has no number.
        const bool numbered = !match.captured(1).isEmpty();
        if ((!numbered || number > 1) && !numbers.contains(number))
            numbers.append(number);
    }
    std::ranges::sort(numbers);
    return numbers;
}
