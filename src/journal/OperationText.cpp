#include "journal/OperationText.h"

#include "common/PathBytes.h"
#include "common/Placeholders.h"
#include "common/TextDecoding.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QLocale>

QString OperationKindText(OperationKind kind, const TLanguage& language) {
    switch (kind) {
    case OperationKind::Install:
        return language.GetString(QStringLiteral("OperationInstall"));
    case OperationKind::Delete:
        return language.GetString(QStringLiteral("OperationDelete"));
    case OperationKind::FarPack:
        return language.GetString(QStringLiteral("OperationFarPack"));
    }
    return {};
}

QString DescribeOperation(const QString& text, const JournalHeader& header,
                          const TLanguage& language) {
    return ReplacePlaceholder(
        ReplacePlaceholder(text, u"Kind", OperationKindText(header.Kind, language)), u"Time",
        QLocale().toString(header.Time, QLocale::ShortFormat));
}

QString ShownPath(const QString& path) {
    QStringList parts = path.split(u'/');
    for (QString& part : parts)
        part = Decode8BitText(BytesOfPath(part));
    return parts.join(u'/');
}

QString NativePathLines(const QStringList& paths) {
    QStringList native;
    for (const QString& path : paths)
        native.append(QDir::toNativeSeparators(ShownPath(path)));
    return native.join(QStringLiteral("\r\n"));
}
