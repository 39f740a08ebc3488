#pragma once

#include "export/ExportLists.h"
#include "export/ExportTemplate.h"
#include "export/GeneratorLine.h"

#include <QLocale>

class TLanguage;

struct ExportRenderOptions {
    QString Title;
    bool LongDate = true;
    // Values are escaped for HTML and XML output; the generator line links the program's
    // name when Generator.Linked.
    bool EscapeMarkup = false;
    GeneratorFacts Generator;
};

// The document: the template's parts filled with the lists that have entries, each FAR
// archive followed by a list of its own files; "" when no list has an entry.
QString RenderExport(const ExportTemplate& parts, const QList<ExportList>& lists,
                     const ExportRenderOptions& options, const TLanguage& language,
                     const QLocale& locale = QLocale());
