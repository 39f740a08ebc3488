#pragma once

#include "export/ExportChoices.h"
#include "platform/ProgramPlaces.h"

class ExportListSource;
class Interaction;
class TLanguage;

struct ExportJob {
    ExportChoices Choices;
    // A relative output path is taken from the data folder, a relative template from the
    // program files.
    ProgramPlaces Places;
    QString ProdVersion;
    QString Website;
    // The overwrite and extension questions count as answered Yes.
    bool Confirmed = false;
};

enum class ExportResult { Written, NothingToExport, Declined, TemplateFailed, Failed, Cancelled };

// One export: asks before overwriting and when the output's and the template's types
// differ, cuts the template, renders the lists, writes the output file and stores the
// choices, then says where the list was written. A template error or a failure shows its
// message and stores nothing; cancelled, it writes and stores nothing.
ExportResult RunExport(const ExportJob& job, ExportListSource& source, Interaction& interaction,
                       const TLanguage& language);
