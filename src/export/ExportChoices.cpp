#include "export/ExportChoices.h"

#include "export/ExportListKinds.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"
#include "platform/SettingsStore.h"

namespace {
QString TextOr(const QSettings& store, const QString& name, const QString& fallback) {
    const QString text = store.value(name).toString();
    return text.isEmpty() ? fallback : text;
}

// Booleans are stored as the numbers 0 and 1.
bool FlagOr(const QSettings& store, const QString& name, bool fallback) {
    bool isNumber = false;
    const int number = store.value(name).toString().trimmed().toInt(&isNumber);
    return isNumber ? number != 0 : fallback;
}

// Set only when it differs: a store given nothing new is not written again, which spares
// every export with unchanged choices the store's lock and its synced rewrite.
void SetChanged(QSettings& store, const QString& name, const QVariant& value) {
    if (!store.contains(name) || store.value(name).toString() != value.toString())
        store.setValue(name, value);
}
} // namespace

ExportChoices ReadExportChoices(const TLanguage& language, const ProgramPlaces& places) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    ExportChoices choices;
    choices.Exported = ParseListSelection(store->value(QStringLiteral("ListSel")).toString());
    choices.OutputFile =
        TextOr(*store, QStringLiteral("ListFile"),
               places.Data + language.GetString(QStringLiteral("DefaultExportName")));
    choices.TemplateFile =
        TextOr(*store, QStringLiteral("ListTemplate"),
               places.Files + language.GetString(QStringLiteral("DefaultTemplate")));
    choices.Title = TextOr(*store, QStringLiteral("ListTitle"),
                           language.GetString(QStringLiteral("ListDefaultTitle")));
    choices.Links = FlagOr(*store, QStringLiteral("ListLinks"), true);
    choices.LongDate = FlagOr(*store, QStringLiteral("ListLongDate"), true);
    return choices;
}

bool WriteExportChoices(const ExportChoices& choices) {
    const std::unique_ptr<QSettings> store = OpenSettingsStore();
    store->setAtomicSyncRequired(true);
    SetChanged(*store, QStringLiteral("ListSel"), FormatListSelection(choices.Exported));
    SetChanged(*store, QStringLiteral("ListFile"), choices.OutputFile);
    SetChanged(*store, QStringLiteral("ListTemplate"), choices.TemplateFile);
    SetChanged(*store, QStringLiteral("ListTitle"), choices.Title);
    SetChanged(*store, QStringLiteral("ListLinks"), int(choices.Links));
    SetChanged(*store, QStringLiteral("ListLongDate"), int(choices.LongDate));
    store->sync();
    return store->status() == QSettings::NoError;
}
