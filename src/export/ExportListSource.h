#pragma once

#include "export/ExportLists.h"

class ProgressHandle;

// Where the lists of an export come from.
class ExportListSource {
public:
    virtual ~ExportListSource() = default;

    // The lists of these kinds, in this order; moves the progress on from 5 up to 90.
    // Throws EPackwrightError when a file cannot be read.
    virtual QList<ExportList> Build(const QList<ContentKind>& kinds, ProgressHandle& progress) = 0;

    // Called once the export has the lists, before it writes them: keeps what building
    // them learnt.
    virtual void ListsTaken() {}
};
