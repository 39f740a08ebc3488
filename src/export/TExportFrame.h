#pragma once

#include "common/ExpansionFlags.h"
#include "language/TLanguage.h"

#include <QWidget>

class QLabel;

// The export tab: lists of the game folder's custom content written through templates.
// Empty until the export work arrives: it shows only its caption.
class TExportFrame : public QWidget {
    Q_OBJECT

public:
    explicit TExportFrame(QWidget* owner = nullptr);

    TLanguage& Language() { return FExportLanguage; }

    void SetTempFolder(const QString& folder) { FTempFolder = folder; }
    void SetProdVersion(const QString& version) { FProdVersion = version; }
    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetPackFlags(const PackFlags& flags) { FPacks = flags; }

private:
    void ExportLanguageLanguageLoaded();

    TLanguage FExportLanguage;
    QString FTempFolder;
    QString FProdVersion;
    QString FVocksPath;
    PackFlags FPacks{};
    QLabel* FSelectListsLabel;
};
