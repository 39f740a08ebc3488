#pragma once

#include "common/ExpansionFlags.h"
#include "formats/ContentKind.h"
#include "language/TLanguage.h"

#include <QWidget>

class Interaction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

// The export tab: which content lists go into the exported file and in which order, the
// output file, the template, the title and the link and date choices.
class TListExportFrame : public QWidget {
    Q_OBJECT

public:
    explicit TListExportFrame(Interaction& interaction, QWidget* owner = nullptr);

    TLanguage& Language() { return FExportLanguage; }

    void SetTempFolder(const QString& folder) { FTempFolder = folder; }
    void SetProdVersion(const QString& version) { FProdVersion = version; }
    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetPackFlags(const PackFlags& flags) { FPacks = flags; }

    void ListExportClick();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildControls();
    void BuildCenterPanel();
    void ConnectControls();
    void FillLists(const QList<ContentKind>& exported);
    void ExportLanguageLanguageLoaded();
    void ApplyStoredChoices();
    void UpdateExportControls();
    void ListSelectClick();
    void ListDeselectClick();
    void SelAllClick();
    void DeselAllClick();
    void ListOrderUpClick();
    void ListOrderDownClick();
    void FileBrowseClick();
    void TemplBrowseClick();
    void FrameResize();
    QList<ContentKind> ExportedKinds() const;

    Interaction& FInteraction;
    TLanguage FExportLanguage;
    QString FTempFolder;
    QString FProdVersion;
    QString FVocksPath;
    PackFlags FPacks{};

    QLabel* FFileLabel = nullptr;
    QLabel* FTemplateLabel = nullptr;
    QLabel* FTitleLabel = nullptr;
    QLabel* FLinksLabel = nullptr;
    QLabel* FDateLabel = nullptr;
    QLabel* FSelectListsLabel = nullptr;
    QWidget* FEditPanel = nullptr;
    QLineEdit* FFileName = nullptr;
    QLineEdit* FTemplate = nullptr;
    QWidget* FButtonPanel = nullptr;
    QPushButton* FFileBrowse = nullptr;
    QPushButton* FTemplBrowse = nullptr;
    QWidget* FBoxPanel = nullptr;
    QLineEdit* FListName = nullptr;
    QCheckBox* FMakeLinks = nullptr;
    QRadioButton* FShortDate = nullptr;
    QRadioButton* FLongDate = nullptr;
    QWidget* FCenterPanel = nullptr;
    QLabel* FLblAvailable = nullptr;
    QLabel* FLblSelected = nullptr;
    QListWidget* FAvailableList = nullptr;
    QListWidget* FExportList = nullptr;
    QPushButton* FListSelect = nullptr;
    QPushButton* FListDeselect = nullptr;
    QPushButton* FSelAll = nullptr;
    QPushButton* FDeselAll = nullptr;
    QWidget* FListOrder = nullptr;
    QToolButton* FListOrderUp = nullptr;
    QToolButton* FListOrderDown = nullptr;
    QPushButton* FListExport = nullptr;
};
