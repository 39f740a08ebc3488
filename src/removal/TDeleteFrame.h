#pragma once

#include "common/ExpansionFlags.h"
#include "formats/InstalledFilesDb.h"
#include "formats/TFarFile.h"
#include "language/TLanguage.h"

#include <QWidget>

#include <optional>
#include <vector>

class Interaction;
class QLabel;
class QPushButton;
class QSplitter;
class QStandardItem;
class TDeleteDetails;
class TTickTree;
class TickTreeModel;
struct ContentFileInfo;
struct ContentNode;
struct DeleteResult;
struct DeleteTarget;

// The delete tab: the custom content of the game folder as a tree to tick, the details and
// preview of the selected file, and the deletion of what is ticked.
class TDeleteFrame : public QWidget {
    Q_OBJECT

public:
    explicit TDeleteFrame(Interaction& interaction, QWidget* owner = nullptr);

    TLanguage& Language() { return FDeleteLanguage; }
    // Runs whenever the tab becomes active, and after a deletion. The content is read on a
    // worker thread; the tree shows when it is done, and stays empty when it was cancelled.
    void LoadInstalledContent();

    void SetTempFolder(const QString& folder) { FTempFolder = folder; }
    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetPackFlags(const PackFlags& flags) { FPacks = flags; }

    // Deletes the ticked content on a worker thread, then reports and loads the tab anew.
    void DeleteClick();
    void ResetClick();
    // Opens the history of changes; the tab loads anew after each undo.
    void HistoryClick();

private:
    void DeleteLanguageLanguageLoaded();
    std::optional<ContentNode> LoadOutline(const QString& dataFolder, Interaction& worker);
    void FilesTreeChange(const QModelIndex& current);
    void ShowTree(const ContentNode& root);
    void ShowEmptyTree();
    QString PreviewSource(QStandardItem& item, const ContentFileInfo& file);
    std::vector<DeleteTarget> TickedTargets() const;
    std::optional<std::vector<DeleteResult>> DeleteTargets(const std::vector<DeleteTarget>& targets,
                                                           Interaction& worker);
    void ReportDeletion(const std::vector<DeleteResult>& results);

    Interaction& FInteraction;
    TLanguage FDeleteLanguage;
    QString FTempFolder;
    QString FVocksPath;
    PackFlags FPacks{};
    InstalledFilesDb FDb;
    TFarFile FFarFile;
    QLabel* FDeleteCaption;
    TickTreeModel* FModel;
    TTickTree* FFilesTree;
    TDeleteDetails* FDetails;
    QSplitter* FMainSplitter;
    QPushButton* FReset;
    QPushButton* FHistory;
    QPushButton* FDelete;
};
