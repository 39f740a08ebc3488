#pragma once

#include "common/ExpansionFlags.h"
#include "language/TLanguage.h"

#include <QWidget>

class QLabel;

// The delete tab: the custom content of the game folder, to look at and delete.
// Empty until the delete work arrives: it shows only its caption.
class TDeleteFrame : public QWidget {
    Q_OBJECT

public:
    explicit TDeleteFrame(QWidget* owner = nullptr);

    TLanguage& Language() { return FDeleteLanguage; }
    // Runs whenever the tab becomes active; reads nothing yet.
    void LoadInstalledContent();

    void SetTempFolder(const QString& folder) { FTempFolder = folder; }
    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetPackFlags(const PackFlags& flags) { FPacks = flags; }

private:
    void DeleteLanguageLanguageLoaded();

    TLanguage FDeleteLanguage;
    QString FTempFolder;
    QString FVocksPath;
    PackFlags FPacks{};
    QLabel* FDeleteCaption;
};
