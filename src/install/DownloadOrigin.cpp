#include "install/DownloadOrigin.h"

#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "language/TLanguage.h"

QString DownloadOrigin(const QString& shownPath) {
    const qsizetype end = shownPath.size() - BareFileName(shownPath).size() - 1;
    return end <= 0 ? QString() : BareFileName(shownPath.left(end));
}

QString DownloadRowText(const QString& shownPath, const TLanguage& language) {
    const QString origin = DownloadOrigin(shownPath);
    if (origin.isEmpty())
        return BareFileName(shownPath);
    return ReplacePlaceholder(
        ReplacePlaceholder(language.GetString(QStringLiteral("FileFromDownload")), u"FileName",
                           BareFileName(shownPath)),
        u"Download", origin);
}
