#include "install/ZipMessages.h"

#include "common/Placeholders.h"
#include "language/TLanguage.h"

#include <QDir>

ZipMessages ZipMessages::FromLanguage(const TLanguage& language) {
    ZipMessages messages;
    messages.OpenError = language.GetString(QStringLiteral("ZipOpenError"));
    messages.EntryError = language.GetString(QStringLiteral("ZipEntryError"));
    messages.UnsafeName = language.GetString(QStringLiteral("ZipUnsafeName"));
    messages.LinkEntry = language.GetString(QStringLiteral("ZipLinkEntry"));
    messages.Oversized = language.GetString(QStringLiteral("ZipOversizedEntry"));
    messages.WrongPassword = language.GetString(QStringLiteral("ZipWrongPassword"));
    messages.NoSpace = language.GetString(QStringLiteral("ZipNoSpace"));
    return messages;
}

QString FillZipMessage(const QString& text, const QString& archive, const QString& item,
                       const QString& reason) {
    QString filled = ReplacePlaceholder(text, u"FileName", QDir::toNativeSeparators(archive));
    filled = ReplacePlaceholder(filled, u"Item", item);
    return ReplacePlaceholder(filled, u"Reason", reason);
}
