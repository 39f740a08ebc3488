#include "install/ZipMessages.h"

#include "common/Placeholders.h"
#include "language/TLanguage.h"

#include <QDir>

#include <zip.h>

namespace {
struct ZipReason {
    int Code;
    const char16_t* TextKey;
};

// The failures a player meets with a broken or unusual download.
constexpr ZipReason ZipReasons[] = {
    {.Code = ZIP_ER_NOZIP, .TextKey = u"ZipReasonNoZip"},
    {.Code = ZIP_ER_INCONS, .TextKey = u"ZipReasonDamaged"},
    {.Code = ZIP_ER_ZLIB, .TextKey = u"ZipReasonDamaged"},
    {.Code = ZIP_ER_EOF, .TextKey = u"ZipReasonTruncated"},
    {.Code = ZIP_ER_CRC, .TextKey = u"ZipReasonChecksum"},
    {.Code = ZIP_ER_OPEN, .TextKey = u"ZipReasonUnreadable"},
    {.Code = ZIP_ER_READ, .TextKey = u"ZipReasonUnreadable"},
    {.Code = ZIP_ER_SEEK, .TextKey = u"ZipReasonUnreadable"},
    {.Code = ZIP_ER_COMPNOTSUPP, .TextKey = u"ZipReasonCompression"},
    {.Code = ZIP_ER_ENCRNOTSUPP, .TextKey = u"ZipReasonEncryption"},
    {.Code = ZIP_ER_MEMORY, .TextKey = u"ZipReasonMemory"},
};
} // namespace

ZipMessages ZipMessages::FromLanguage(const TLanguage& language) {
    ZipMessages messages;
    messages.OpenError = language.GetString(QStringLiteral("ZipOpenError"));
    messages.EntryError = language.GetString(QStringLiteral("ZipEntryError"));
    messages.UnsafeName = language.GetString(QStringLiteral("ZipUnsafeName"));
    messages.LinkEntry = language.GetString(QStringLiteral("ZipLinkEntry"));
    messages.Oversized = language.GetString(QStringLiteral("ZipOversizedEntry"));
    messages.WrongPassword = language.GetString(QStringLiteral("ZipWrongPassword"));
    messages.NoSpace = language.GetString(QStringLiteral("ZipNoSpace"));
    for (const ZipReason& reason : ZipReasons)
        messages.Reasons.insert(reason.Code,
                                language.GetString(QString::fromUtf16(reason.TextKey)));
    messages.OtherReason = language.GetString(QStringLiteral("ZipReasonOther"));
    return messages;
}

QString ZipMessages::ReasonOf(int zipCode, const QString& libraryText) const {
    if (const auto known = Reasons.constFind(zipCode); known != Reasons.cend())
        return *known;
    if (OtherReason.isEmpty())
        return libraryText;
    return ReplacePlaceholder(OtherReason, u"Code", QString::number(zipCode));
}

QString FillZipMessage(const QString& text, const QString& archive, const QString& item,
                       const QString& reason) {
    QString filled = ReplacePlaceholder(text, u"FileName", QDir::toNativeSeparators(archive));
    filled = ReplacePlaceholder(filled, u"Item", item);
    return ReplacePlaceholder(filled, u"Reason", reason);
}
