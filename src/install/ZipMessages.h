#pragma once

#include <QHash>
#include <QString>

class TLanguage;

// The texts the zip component reports, with "{{FileName}}" (the archive), "{{Item}}" (an
// entry's stored name) and "{{Reason}}" marks. The owner hands it FromLanguage(...).
struct ZipMessages {
    QString OpenError =
        QStringLiteral("The zip archive \"{{FileName}}\" cannot be read: {{Reason}}");
    QString EntryError =
        QStringLiteral("Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: {{Reason}}");
    QString UnsafeName = QStringLiteral("Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: "
                                        "it has no plain file name.");
    QString LinkEntry = QStringLiteral(
        "Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: it is a symbolic link.");
    QString Oversized = QStringLiteral("Entry \"{{Item}}\" in \"{{FileName}}\" holds more data "
                                       "than it declares; it was cut off and not extracted.");
    QString WrongPassword = QStringLiteral(
        "Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: the password is wrong.");
    QString NoSpace = QStringLiteral("The entries of \"{{FileName}}\" need more room than the "
                                     "folder \"{{Item}}\" has free; nothing was extracted.");
    // What fills {{Reason}}, by the zip library's error code, and for any other code a text
    // with a {{Code}} mark. Without them the library's own English text is shown.
    QHash<int, QString> Reasons;
    QString OtherReason;

    // The reason shown for a failure of the zip library.
    QString ReasonOf(int zipCode, const QString& libraryText) const;

    static ZipMessages FromLanguage(const TLanguage& language);
};

// A message text with its marks filled; the archive is shown with the system's separators.
QString FillZipMessage(const QString& text, const QString& archive, const QString& item = {},
                       const QString& reason = {});
