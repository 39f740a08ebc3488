#include "app/ReadmeText.h"

#include "common/TextDecoding.h"
#include "common/TextFile.h"

#include <QFile>

namespace {
bool Showable(QChar c) {
    return c == QLatin1Char('\t') || c == QLatin1Char('\n') || c.category() != QChar::Other_Control;
}
} // namespace

std::optional<QString> ReadReadme(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(ReadmeShownBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    // Cut a longer file after its last whole line, which never splits a character.
    if (!file.atEnd() && bytes.contains('\n'))
        bytes.truncate(bytes.lastIndexOf('\n') + 1);
    QString text = SplitTextLines(Decode8BitText(bytes)).join(QLatin1Char('\n'));
    for (QChar& c : text) {
        if (!Showable(c))
            c = QChar::ReplacementCharacter;
    }
    return text;
}
