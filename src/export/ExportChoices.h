#pragma once

#include "formats/ContentKind.h"

#include <QList>
#include <QString>

class TLanguage;
struct ProgramPlaces;

// What the export tab remembers between runs, with the defaults filled in.
struct ExportChoices {
    QList<ContentKind> Exported;
    QString OutputFile;
    QString TemplateFile;
    QString Title;
    bool Links = true;
    bool LongDate = true;

    friend bool operator==(const ExportChoices&, const ExportChoices&) = default;
};

// The stored choices; each value that is absent or empty takes its default: every list, the
// language's default file in the data folder, template in the program files and title, links and
// long dates.
ExportChoices ReadExportChoices(const TLanguage& language, const ProgramPlaces& places);

// Stores every choice; false when the store could not be written.
bool WriteExportChoices(const ExportChoices& choices);
