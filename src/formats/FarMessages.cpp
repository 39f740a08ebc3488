#include "formats/FarMessages.h"

#include "common/Placeholders.h"
#include "language/TLanguage.h"

#include <QDir>

FarMessages FarMessages::FromLanguage(const TLanguage& language) {
    FarMessages messages;
    messages.InvalidFar = language.GetString(QStringLiteral("InvalidFar"));
    messages.FileReadError = language.GetString(QStringLiteral("FarFileReadError"));
    messages.FileCreateError = language.GetString(QStringLiteral("FarFileCreateError"));
    messages.ItemLoadError = language.GetString(QStringLiteral("FarItemLoadError"));
    messages.ItemAddError = language.GetString(QStringLiteral("FarItemAddError"));
    messages.UnsafeItemName = language.GetString(QStringLiteral("FarUnsafeItemName"));
    return messages;
}

QString FillFarMessage(const QString& text, const QString& fileName, const QString& item) {
    const QString named = ReplacePlaceholder(text, u"FileName", QDir::toNativeSeparators(fileName));
    return ReplacePlaceholder(named, u"Item", item);
}
