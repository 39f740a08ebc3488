#pragma once

#include <QByteArray>
#include <QString>

#include <utility>
#include <vector>

// Wine registry files ("WINE REGISTRY Version 2") built line by line, independently of the
// reader.

struct WineRegistryFixtureKey {
    QString Path; // below the file's root, single backslashes: "Software\Quarn\The Vocks"
    std::vector<std::pair<QString, QString>> Strings; // name and value; "" names the default
    QByteArray OtherLines; // value lines of other types, as written in the file
};

// The header, then each key's section: "[path] time", its string values, its other lines.
QByteArray BuildWineRegistryFile(const std::vector<WineRegistryFixtureKey>& keys);

// Text as Wine writes it inside quotes or brackets: backslashes and quotes escaped, other
// characters outside printable ASCII as \x and four hex digits.
QByteArray WineRegistryEscaped(const QString& text);
