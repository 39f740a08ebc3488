#pragma once

#include "common/FileExistsAnswer.h"
#include "language/TLanguage.h"

#include <QWidget>

class QLabel;

// The FAR objects tab: installed object files packed into a FAR archive.
// Empty until the FAR packing work arrives: it shows only its caption.
class TFarFrame : public QWidget {
    Q_OBJECT

public:
    explicit TFarFrame(QWidget* owner = nullptr);

    TLanguage& Language() { return FFarLanguage; }
    // Runs whenever the tab becomes active; lists nothing yet.
    void FillList();

    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetFileExistsDefault(FileExistsAnswer answer) { FFileExistsDefault = answer; }

private:
    void FarLanguageLanguageLoaded();

    TLanguage FFarLanguage;
    QString FVocksPath;
    FileExistsAnswer FFileExistsDefault = FileExistsAnswer::Ask;
    QLabel* FFARLabel;
};
