#include "removal/UnreadableArchives.h"

#include "common/Interaction.h"
#include "common/Placeholders.h"
#include "language/TLanguage.h"
#include "removal/ContentNameOrder.h"

#include <algorithm>

void WarnUnreadableArchives(QStringList paths, Interaction& interaction,
                            const TLanguage& language) {
    if (paths.isEmpty())
        return;
    std::ranges::stable_sort(paths, ComesBeforeByName,
                             [](const QString& path) { return QStringView(path); });
    interaction.Warn(ReplacePlaceholder(language.GetString(QStringLiteral("UnreadableFarFiles")),
                                        u"Files", paths.join(QLatin1Char('\n'))));
}
