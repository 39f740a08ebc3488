#include "archive/ArchiveMessages.h"

#include "common/Placeholders.h"
#include "language/TLanguage.h"

namespace {
struct ReasonKey {
    ArchiveFailureReason Reason;
    const char16_t* TextKey;
};

constexpr ReasonKey ReasonKeys[] = {
    {.Reason = ArchiveFailureReason::NotAnArchive, .TextKey = u"ArchiveReasonNotAnArchive"},
    {.Reason = ArchiveFailureReason::Missing, .TextKey = u"ArchiveReasonMissing"},
    {.Reason = ArchiveFailureReason::Damaged, .TextKey = u"ArchiveReasonDamaged"},
    {.Reason = ArchiveFailureReason::Truncated, .TextKey = u"ArchiveReasonTruncated"},
    {.Reason = ArchiveFailureReason::Checksum, .TextKey = u"ArchiveReasonChecksum"},
    {.Reason = ArchiveFailureReason::Unreadable, .TextKey = u"ArchiveReasonUnreadable"},
    {.Reason = ArchiveFailureReason::Compression, .TextKey = u"ArchiveReasonCompression"},
    {.Reason = ArchiveFailureReason::Encryption, .TextKey = u"ArchiveReasonEncryption"},
    {.Reason = ArchiveFailureReason::Memory, .TextKey = u"ArchiveReasonMemory"},
    {.Reason = ArchiveFailureReason::Other, .TextKey = u"ArchiveReasonOther"},
};
} // namespace

ArchiveMessages ArchiveMessages::FromLanguage(const TLanguage& language) {
    ArchiveMessages messages;
    messages.ZipOpenError = language.GetString(QStringLiteral("ZipOpenError"));
    messages.OpenError = language.GetString(QStringLiteral("ArchiveOpenError"));
    messages.EntryError = language.GetString(QStringLiteral("ZipEntryError"));
    messages.UnsafeName = language.GetString(QStringLiteral("ZipUnsafeName"));
    messages.LinkEntry = language.GetString(QStringLiteral("ZipLinkEntry"));
    messages.HardLinkEntry = language.GetString(QStringLiteral("ArchiveHardLinkEntry"));
    messages.DeviceEntry = language.GetString(QStringLiteral("ArchiveDeviceEntry"));
    messages.Oversized = language.GetString(QStringLiteral("ZipOversizedEntry"));
    messages.WrongPassword = language.GetString(QStringLiteral("ZipWrongPassword"));
    messages.NoSpace = language.GetString(QStringLiteral("ZipNoSpace"));
    messages.EncryptionUnsupported =
        language.GetString(QStringLiteral("ArchiveEncryptionUnsupported"));
    for (const ReasonKey& key : ReasonKeys)
        messages.Reasons.insert(key.Reason, language.GetString(QString::fromUtf16(key.TextKey)));
    return messages;
}

QString ArchiveMessages::ReasonText(ArchiveFailureReason reason) const {
    return Reasons.value(reason, Reasons.value(ArchiveFailureReason::Other));
}

QString FillArchiveMessage(const QString& text, const QString& archive, const QString& item,
                           const QString& reason) {
    QString filled = ReplacePlaceholder(text, u"FileName", archive);
    filled = ReplacePlaceholder(filled, u"Item", item);
    return ReplacePlaceholder(filled, u"Reason", reason);
}
