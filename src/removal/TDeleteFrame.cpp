#include "removal/TDeleteFrame.h"

#include "common/Interaction.h"
#include "common/PackwrightError.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "formats/FarMessages.h"
#include "install/DeleteFolderTree.h"
#include "platform/ProgramPlaces.h"
#include "removal/ContentDeletion.h"
#include "removal/ContentLoad.h"
#include "removal/ContentOutline.h"
#include "removal/ContentPreview.h"
#include "removal/ContentRecords.h"
#include "removal/DeleteNodeInfo.h"
#include "removal/DeleteOperation.h"
#include "removal/FarItemExtraction.h"
#include "removal/TDeleteDetails.h"
#include "widgets/THistoryForm.h"
#include "widgets/TickTreeModel.h"
#include "widgets/TTickTree.h"
#include "widgets/WorkerJob.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include <memory>

namespace {
// The splitter keeps the tree wider than this, and the panel at least the rest.
constexpr int MinimumTreeWidth = 151;
constexpr int MinimumPanelWidth = 158;

QStandardItem* ItemOf(const ContentNode& node) {
    auto* item = new QStandardItem(node.Text);
    item->setEditable(false);
    if (node.File)
        DeleteNodeInfo::Attach(*item, *node.File);
    for (const ContentNode& child : node.Children)
        item->appendRow(ItemOf(child));
    return item;
}

// The cache of a file's preview: named after the file, and apart from files of the same
// name in other folders.
QString PreviewBase(const QString& tempFolder, const QString& path) {
    return WithTrailingSeparator(tempFolder) + QString::number(qHash(path.toLower()), 16) +
           QLatin1Char('-') + BareFileName(path);
}
} // namespace

TDeleteFrame::TDeleteFrame(Interaction& interaction, QWidget* owner)
    : QWidget(owner), FInteraction(interaction), FDeleteLanguage(this), FFarFile(interaction),
      FDeleteCaption(new QLabel(this)), FModel(new TickTreeModel(this)),
      FFilesTree(new TTickTree(this)), FDetails(new TDeleteDetails(this)),
      FMainSplitter(new QSplitter(this)), FReset(new QPushButton(this)),
      FHistory(new QPushButton(this)), FDelete(new QPushButton(this)) {
    setObjectName(QStringLiteral("DeleteFrame"));
    FDeleteCaption->setObjectName(QStringLiteral("DeleteCaption"));
    FFilesTree->setObjectName(QStringLiteral("FilesTree"));
    FMainSplitter->setObjectName(QStringLiteral("MainSplitter"));
    FReset->setObjectName(QStringLiteral("Reset"));
    FHistory->setObjectName(QStringLiteral("History"));
    FDelete->setObjectName(QStringLiteral("Delete"));
    FFilesTree->SetTickModel(FModel);
    FFilesTree->setHeaderHidden(true);
    FFilesTree->setMinimumWidth(MinimumTreeWidth);
    FDetails->setMinimumWidth(MinimumPanelWidth);
    FMainSplitter->addWidget(FFilesTree);
    FMainSplitter->addWidget(FDetails);
    FMainSplitter->setChildrenCollapsible(false);
    // The details need the room more than the tree: two fifths to the tree.
    FMainSplitter->setSizes({2000, 3000});
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FReset);
    buttons->addWidget(FHistory);
    buttons->addStretch(1);
    buttons->addWidget(FDelete);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FDeleteCaption);
    layout->addWidget(FMainSplitter, 1);
    layout->addLayout(buttons);
    connect(&FDeleteLanguage, &TLanguage::OnLanguageLoaded, this,
            &TDeleteFrame::DeleteLanguageLanguageLoaded);
    connect(FFilesTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { FilesTreeChange(current); });
    connect(FDelete, &QPushButton::clicked, this, &TDeleteFrame::DeleteClick);
    connect(FReset, &QPushButton::clicked, this, &TDeleteFrame::ResetClick);
    connect(FHistory, &QPushButton::clicked, this, &TDeleteFrame::HistoryClick);
    ShowEmptyTree();
}

void TDeleteFrame::DeleteLanguageLanguageLoaded() {
    const TLanguage& language = FDeleteLanguage;
    FDeleteCaption->setText(language.GetString(QStringLiteral("SelectDelete")));
    FReset->setText(language.GetString(QStringLiteral("DeleteReset")));
    FHistory->setText(language.GetString(QStringLiteral("HistoryButton")));
    FDelete->setText(language.GetString(QStringLiteral("DeleteButton")));
    FFilesTree->SetMenuCaptions(language.GetString(QStringLiteral("Select")),
                                language.GetString(QStringLiteral("Deselect")),
                                language.GetString(QStringLiteral("SelectAll")),
                                language.GetString(QStringLiteral("DeselectAll")));
    FDetails->SetCaptions(language);
    FFarFile.SetMessages(FarMessages::FromLanguage(language));
}

void TDeleteFrame::LoadInstalledContent() {
    FModel->clear();
    FDetails->HideDetails();
    auto root = std::make_shared<std::optional<ContentNode>>();
    RunWorkerJob(
        *this, FInteraction,
        [this, root, dataFolder = DataFolder()](Interaction& worker) {
            *root = LoadOutline(dataFolder, worker);
        },
        [this, root](bool) {
            if (root->has_value() && !(*root)->Children.empty())
                ShowTree(**root);
            else
                ShowEmptyTree();
        });
}

// Runs on a worker, which alone touches the database until it ends. Nothing when the user
// cancelled.
std::optional<ContentNode> TDeleteFrame::LoadOutline(const QString& dataFolder,
                                                     Interaction& worker) {
    const std::unique_ptr<ProgressHandle> progress =
        worker.BeginProgress(FDeleteLanguage.GetString(QStringLiteral("Progress")));
    progress->SetMessage(FDeleteLanguage.GetString(QStringLiteral("DeleteLoading")));
    if (!FTempFolder.isEmpty()) {
        DeleteFolderTree(FTempFolder);
        QDir().mkpath(FTempFolder);
    }
    const FoundContent found =
        LoadFoundContent(FVocksPath, dataFolder, FDb, worker, FDeleteLanguage, progress.get());
    if (found.Cancelled)
        return std::nullopt;
    ContentNode root = BuildContentOutline(found, FDeleteLanguage);
    progress->SetPercent(100);
    return root;
}

void TDeleteFrame::ShowTree(const ContentNode& root) {
    QStandardItem* rootItem = ItemOf(root);
    FModel->appendRow(rootItem);
    FModel->SetAllTicks(TickState::Unticked);
    FFilesTree->setEnabled(true);
    FFilesTree->expandAll();
    FFilesTree->scrollToTop();
    FFilesTree->setCurrentIndex(rootItem->index());
    FDelete->setEnabled(true);
    FReset->setEnabled(true);
}

void TDeleteFrame::ShowEmptyTree() {
    FModel->clear();
    auto* item = new QStandardItem(FDeleteLanguage.GetString(QStringLiteral("NoCustomContent")));
    item->setEditable(false);
    FModel->appendRow(item);
    FFilesTree->setEnabled(false);
    FFilesTree->selectionModel()->clear();
    FDelete->setEnabled(false);
    FReset->setEnabled(false);
}

void TDeleteFrame::FilesTreeChange(const QModelIndex& current) {
    QStandardItem* item = FModel->itemFromIndex(current);
    const std::optional<ContentFileInfo> file = item ? DeleteNodeInfo::Of(*item) : std::nullopt;
    if (!file) {
        FDetails->HideDetails();
        return;
    }
    const InstalledFileRecord record =
        file->InFar ? RecordOfFarItem(FDb, file->Path, file->Name)
                    : RecordOfFoundFile(FDb, file->Kind, file->Path, file->NativePath);
    const QString source = PreviewSource(*item, *file);
    const QString base = file->InFar ? source : PreviewBase(FTempFolder, source);
    FDetails->ShowDetails(record, BuildContentPreview(source, file->Kind, base, FDeleteLanguage),
                          FDeleteLanguage);
}

// The file a preview is made from: the file itself, or an entry's extracted copy.
QString TDeleteFrame::PreviewSource(QStandardItem& item, const ContentFileInfo& file) {
    if (!file.InFar)
        return file.Path;
    if (DeleteNodeInfo::ExtractedPath(item).isEmpty())
        DeleteNodeInfo::SetExtractedPath(
            item, ExtractFarItem(FFarFile, file.Path, file.Name, FTempFolder));
    return DeleteNodeInfo::ExtractedPath(item);
}

void TDeleteFrame::ResetClick() {
    FFilesTree->TickAll(TickState::Unticked);
}

void TDeleteFrame::HistoryClick() {
    connect(&THistoryForm::Open(*this, FDeleteLanguage, FInteraction),
            &THistoryForm::OnOperationUndone, this, &TDeleteFrame::LoadInstalledContent);
}

std::vector<DeleteTarget> TDeleteFrame::TickedTargets() const {
    std::vector<DeleteTarget> targets;
    std::vector<const QStandardItem*> pending{FModel->item(0)};
    while (!pending.empty()) {
        const QStandardItem* item = pending.back();
        pending.pop_back();
        const std::optional<ContentFileInfo> file = DeleteNodeInfo::Of(*item);
        const TickState state = FModel->State(item->index());
        if (file && !file->InFar && state == TickState::Ticked) {
            targets.push_back({.Kind = file->Kind,
                               .Path = file->Path,
                               .Items = {},
                               .NativePath = file->NativePath});
            continue;
        }
        if (file && file->Kind == ContentKind::FarFiles && state == TickState::Partly) {
            DeleteTarget archive{
                .Kind = file->Kind, .Path = file->Path, .Items = {}, .NativePath = {}};
            for (int row = 0; row < item->rowCount(); ++row) {
                const QStandardItem& entry = *item->child(row);
                if (FModel->State(entry.index()) == TickState::Ticked)
                    archive.Items.append(DeleteNodeInfo::Of(entry)->Name);
            }
            targets.push_back(std::move(archive));
            continue;
        }
        for (int row = item->rowCount() - 1; row >= 0; --row)
            pending.push_back(item->child(row));
    }
    return targets;
}

void TDeleteFrame::DeleteClick() {
    const TLanguage& language = FDeleteLanguage;
    if (FModel->RootState() < TickState::Partly) {
        FInteraction.Warn(language.GetString(QStringLiteral("NothingToDelete")));
        return;
    }
    if (FInteraction.Ask(MessageKind::Confirmation,
                         language.GetString(QStringLiteral("DeleteWarning")), MessageButtons::YesNo,
                         MessageAnswer::No) != MessageAnswer::Yes)
        return;
    auto results = std::make_shared<std::optional<std::vector<DeleteResult>>>();
    RunWorkerJob(
        *this, FInteraction,
        [this, results, targets = TickedTargets()](Interaction& worker) {
            *results = DeleteTargets(targets, worker);
        },
        [this, results](bool completed) {
            if (completed && results->has_value())
                ReportDeletion(**results);
            LoadInstalledContent();
        });
}

// Runs on a worker: the archive object talks to the user through that worker. Nothing when
// the deletion could not begin, which the user has then been told, or was cancelled and
// taken back.
std::optional<std::vector<DeleteResult>>
TDeleteFrame::DeleteTargets(const std::vector<DeleteTarget>& targets, Interaction& worker) {
    const TLanguage& language = FDeleteLanguage;
    const std::unique_ptr<ProgressHandle> progress =
        worker.BeginProgress(language.GetString(QStringLiteral("Progress")));
    progress->SetMessage(language.GetString(QStringLiteral("Deleting")));
    TFarFile farFile(worker);
    farFile.SetMessages(FarMessages::FromLanguage(language));
    try {
        DeletionOutcome outcome =
            DeleteAndSaveRecords(targets, FDb, farFile, language, worker, progress.get());
        if (outcome.Cancelled)
            return std::nullopt;
        progress->SetPercent(100);
        return std::move(outcome.Results);
    } catch (const EPackwrightError& error) {
        worker.Fail(error.Text());
        return std::nullopt;
    }
}

void TDeleteFrame::ReportDeletion(const std::vector<DeleteResult>& results) {
    const TLanguage& language = FDeleteLanguage;
    FInteraction.Inform(DeletedCountText(language, DeletedCount(results)));
    if (const QString failures = DeleteFailuresText(language, results); !failures.isEmpty())
        FInteraction.Warn(failures);
}
