#include "app/PasswordPrompt.h"

#include "common/Placeholders.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QInputDialog>

std::optional<QString> AskPasswordInDialog(QWidget* parent, const TLanguage& language,
                                           const QString& archivePath, const QString& entryName) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PasswordDialog"));
    dialog.setWindowTitle(language.GetString(QStringLiteral("ZipPasswordTitle")));
    const QString prompt =
        ReplacePlaceholder(language.GetString(QStringLiteral("ZipPasswordPrompt")), u"FileName",
                           QDir::toNativeSeparators(archivePath));
    dialog.setLabelText(ReplacePlaceholder(prompt, u"Item", entryName));
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(language.GetString(QStringLiteral("OK")));
    dialog.setCancelButtonText(language.GetString(QStringLiteral("Cancel")));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}
