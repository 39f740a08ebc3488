#pragma once

#include <QString>

class TLanguage;

// The texts archive extraction reports, with "{{FileName}}" (the archive), "{{Item}}" (an
// entry's stored name) and "{{Reason}}" marks. The owner hands it FromLanguage(...).
struct ArchiveMessages {
    QString ZipOpenError =
        QStringLiteral("The zip archive \"{{FileName}}\" cannot be read: {{Reason}}");
    QString OpenError = QStringLiteral("The archive \"{{FileName}}\" cannot be read: {{Reason}}");
    QString EntryError =
        QStringLiteral("Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: {{Reason}}");
    QString UnsafeName = QStringLiteral("Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: "
                                        "it has no plain file name.");
    QString LinkEntry = QStringLiteral(
        "Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: it is a symbolic link.");
    QString HardLinkEntry = QStringLiteral(
        "Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: it is a hard link.");
    QString DeviceEntry = QStringLiteral("Entry \"{{Item}}\" in \"{{FileName}}\" was not "
                                         "extracted: it is a device or another special file.");
    QString Oversized = QStringLiteral("Entry \"{{Item}}\" in \"{{FileName}}\" holds more data "
                                       "than it declares; it was cut off and not extracted.");
    QString WrongPassword = QStringLiteral(
        "Entry \"{{Item}}\" in \"{{FileName}}\" was not extracted: the password is wrong.");
    QString NoSpace = QStringLiteral("The entries of \"{{FileName}}\" need more room than the "
                                     "folder \"{{Item}}\" has free; nothing was extracted.");
    QString EncryptionUnsupported =
        QStringLiteral("The archive \"{{FileName}}\" is encrypted in a way this program cannot "
                       "open; nothing was extracted from it.");

    static ArchiveMessages FromLanguage(const TLanguage& language);
};

// A message text with its marks filled in.
QString FillArchiveMessage(const QString& text, const QString& archive, const QString& item = {},
                           const QString& reason = {});
