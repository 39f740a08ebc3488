#pragma once

#include <QString>

#include <optional>

class QWidget;
class TLanguage;

// Asks for the password of an encrypted archive entry in a small modal dialog with a
// hidden input; nothing when the user cancels.
std::optional<QString> AskPasswordInDialog(QWidget* parent, const TLanguage& language,
                                           const QString& archivePath, const QString& entryName);
