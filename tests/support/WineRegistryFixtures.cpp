#include "support/WineRegistryFixtures.h"

QByteArray WineRegistryEscaped(const QString& text) {
    QByteArray escaped;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'"')
            escaped += '\\' + QByteArray(1, char(u));
        else if (u < 0x20 || u > 0x7E)
            escaped += "\\x" + QByteArray::number(u, 16).rightJustified(4, '0');
        else
            escaped += char(u);
    }
    return escaped;
}

QByteArray BuildWineRegistryFile(const std::vector<WineRegistryFixtureKey>& keys) {
    QByteArray file =
        "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n";
    for (const WineRegistryFixtureKey& key : keys) {
        file += "\n[" + WineRegistryEscaped(key.Path) + "] 1700000000\n#time=1da0000000000\n";
        for (const auto& [name, value] : key.Strings) {
            file += name.isEmpty() ? QByteArray("@") : '"' + WineRegistryEscaped(name) + '"';
            file += "=\"" + WineRegistryEscaped(value) + "\"\n";
        }
        file += key.OtherLines;
    }
    return file;
}
