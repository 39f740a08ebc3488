#pragma once

#include "dialogkit/DialogkitExport.h"

#include <QString>
#include <QStringList>

// Turns a filter written caption "|" masks "|" caption "|" masks ... (masks separated by
// ";", a trailing "|" allowed) into name filters for QFileDialog, one per pair, in order.
// The caption is kept as the user sees it; the masks are appended in the form QFileDialog
// reads, matching without regard to letter case, with "*.*" meaning every file. A caption
// without masks, or with only empty ones, is dropped.
DIALOGKIT_EXPORT QStringList DkNameFilters(const QString& filter);
