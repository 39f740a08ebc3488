#include "archive/ArchiveMessages.h"

#include "common/Placeholders.h"
#include "language/TLanguage.h"

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
    return messages;
}

QString FillArchiveMessage(const QString& text, const QString& archive, const QString& item,
                           const QString& reason) {
    QString filled = ReplacePlaceholder(text, u"FileName", archive);
    filled = ReplacePlaceholder(filled, u"Item", item);
    return ReplacePlaceholder(filled, u"Reason", reason);
}
