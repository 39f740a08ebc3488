#pragma once

#include <QString>

class TLanguage;

// The texts a TFarFile shows in its error boxes, with "{{FileName}}" and "{{Item}}"
// marks. The component starts with its own English defaults; the window or command that
// owns it hands it FromLanguage(...) after every language load.
struct FarMessages {
    QString InvalidFar = QStringLiteral("File \"{{FileName}}\" is not a valid FAR file.");
    QString FileReadError = QStringLiteral("Error reading file \"{{FileName}}\".");
    QString FileCreateError = QStringLiteral("Error creating FAR file \"{{FileName}}\".");
    QString ItemLoadError = QStringLiteral("Error loading item \"{{Item}}\" in \"{{FileName}}\".");
    QString ItemAddError = QStringLiteral("Error adding file \"{{FileName}}\" to FAR file.");
    QString UnsafeItemName =
        QStringLiteral("Item \"{{Item}}\" in \"{{FileName}}\" was not extracted: its name leads "
                       "outside the folder it is extracted to.");

    static FarMessages FromLanguage(const TLanguage& language);
};

// A message text with "{{FileName}}" (shown with the system's separators) and "{{Item}}" filled.
QString FillFarMessage(const QString& text, const QString& fileName, const QString& item = {});
