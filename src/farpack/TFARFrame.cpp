#include "farpack/TFARFrame.h"

#include "common/Interaction.h"
#include "common/PackwrightError.h"
#include "common/PathRules.h"
#include "farpack/FarPacking.h"
#include "farpack/FarTabSettings.h"
#include "formats/InstalledFilesDb.h"
#include "platform/ProgramPlaces.h"
#include "widgets/TTickTree.h"
#include "widgets/WorkerJob.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

namespace {
// A file node's position in the candidate list.
constexpr int CandidateRole = Qt::UserRole + 1;

QString DatabaseFile() {
    return JoinCaseInsensitive(DataFolder(), QStringLiteral("files.iff"));
}

template <typename Control> Control* Named(QWidget* owner, const char* name) {
    auto* control = new Control(owner);
    control->setObjectName(QLatin1String(name));
    return control;
}
} // namespace

TFARFrame::TFARFrame(Interaction& interaction, QWidget* owner)
    : QWidget(owner), FInteraction(interaction), FFarLanguage(this) {
    setObjectName(QStringLiteral("FARFrame"));
    BuildControls();
    LayOut();
    connect(&FFarLanguage, &TLanguage::OnLanguageLoaded, this,
            &TFARFrame::FarLanguageLanguageLoaded);
    connect(FTreeModel, &TickTreeModel::TicksChanged, this, &TFARFrame::UpdateNext);
    connect(FFARFile, &QLineEdit::textChanged, this, &TFARFrame::LoadComment);
    connect(FFARNext, &QPushButton::clicked, this, &TFARFrame::FARNextClick);
    connect(FFARReset, &QPushButton::clicked, this, &TFARFrame::FARResetClick);
    connect(FBrowseFARFile, &QPushButton::clicked, this, &TFARFrame::BrowseFARFileClick);
    connect(FBrowseIFFDir, &QPushButton::clicked, this, &TFARFrame::BrowseIFFDirClick);
    SetFilled(false);
}

void TFARFrame::BuildControls() {
    FFARLabel = Named<QLabel>(this, "FARLabel");
    FTreeModel = new TickTreeModel(this);
    FFARSelect = Named<TTickTree>(this, "FARSelect");
    FFARSelect->SetTickModel(FTreeModel);
    FFARSelect->setHeaderHidden(true);
    FFARSelect->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FFARFileLabel = Named<QLabel>(this, "FARFileLabel");
    FFARFile = Named<QLineEdit>(this, "FARFile");
    FBrowseFARFile = Named<QPushButton>(this, "BrowseFARFile");
    FIFFDirLabel = Named<QLabel>(this, "IFFDirLabel");
    FIFFDir = Named<QLineEdit>(this, "IFFDir");
    FBrowseIFFDir = Named<QPushButton>(this, "BrowseIFFDir");
    FFARCommentLabel = Named<QLabel>(this, "FARCommentLabel");
    FFARComment = Named<QLineEdit>(this, "FARComment");
    FFARReset = Named<QPushButton>(this, "FARReset");
    FFARNext = Named<QPushButton>(this, "FARNext");
    FFARNext->setDefault(true);
}

// The labels, edits and browse buttons keep to three aligned columns.
void TFARFrame::LayOut() {
    auto* grid = new QGridLayout(this);
    grid->addWidget(FFARLabel, 0, 0, 1, 3);
    grid->addWidget(FFARSelect, 1, 0, 1, 3);
    grid->setRowStretch(1, 1);
    const std::tuple<QLabel*, QLineEdit*, QPushButton*> rows[] = {
        {FFARFileLabel, FFARFile, FBrowseFARFile},
        {FIFFDirLabel, FIFFDir, FBrowseIFFDir},
        {FFARCommentLabel, FFARComment, nullptr},
    };
    int row = 2;
    for (const auto& [label, edit, browse] : rows) {
        grid->addWidget(label, row, 0);
        // An edit without a browse button reaches to the right edge.
        grid->addWidget(edit, row, 1, 1, browse ? 1 : 2);
        if (browse)
            grid->addWidget(browse, row, 2);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FFARReset);
    buttons->addWidget(FFARNext);
    grid->addLayout(buttons, row, 0, 1, 3);
}

// The disk is read on a worker while the window's events go on; the list is short enough
// that the caller may wait for it.
void TFARFrame::FillList() {
    FarTabSettings settings;
    RunWorkerJobAndWait(*this, FInteraction,
                        [this, &settings](Interaction& worker) { settings = ReadList(worker); });
    FillTree();
    FFARFile->setText(settings.FarFile);
    FIFFDir->setText(settings.IFFDir);
    LoadComment();
}

// Runs on a worker, while the tab's controls are off.
FarTabSettings TFARFrame::ReadList(Interaction& worker) {
    const std::unique_ptr<ProgressHandle> progress =
        worker.BeginProgress(FFarLanguage.GetString(QStringLiteral("Progress")));
    // The folder walk has no point to stop at.
    progress->ShowCancel(false);
    progress->SetMessage(FFarLanguage.GetString(QStringLiteral("Loading")));
    try {
        FComments = FarComments(InstalledFilesDb(DatabaseFile()));
    } catch (const EPackwrightError& error) {
        worker.Fail(error.Text());
    }
    FCandidates = FindFarCandidates(FVocksPath);
    return ReadFarTabSettings(FVocksPath, FFarLanguage);
}

void TFARFrame::FillTree() {
    FTreeModel->clear();
    if (FCandidates.empty()) {
        FTreeModel->appendRow(
            new QStandardItem(FFarLanguage.GetString(QStringLiteral("NoIFFObjects"))));
        SetFilled(false);
        return;
    }
    auto* root = new QStandardItem(FFarLanguage.GetString(QStringLiteral("InstalledObjects")));
    FTreeModel->appendRow(root);
    FTreeModel->SetInitialState(root, TickState::Ticked);
    QStandardItem* group = nullptr;
    for (size_t i = 0; i < FCandidates.size(); ++i) {
        const FarSourceInfo& source = FarSources[size_t(FCandidates[i].Source)];
        if (!group || group->text() != QLatin1String(source.GroupText)) {
            group = new QStandardItem(QLatin1String(source.GroupText));
            root->appendRow(group);
            FTreeModel->SetInitialState(group, TickState::Ticked);
        }
        auto* file = new QStandardItem(FCandidates[i].EntryName);
        file->setData(int(i), CandidateRole);
        group->appendRow(file);
        FTreeModel->SetInitialState(file, TickState::Ticked);
    }
    FFARSelect->expandAll();
    FFARSelect->scrollToTop();
    SetFilled(true);
}

void TFARFrame::SetFilled(bool filled) {
    for (QPushButton* button : {FFARReset, FBrowseFARFile, FBrowseIFFDir})
        button->setEnabled(filled);
    UpdateNext();
}

void TFARFrame::UpdateNext() {
    const TickState root = FTreeModel->RootState();
    FFARNext->setEnabled(root == TickState::Partly || root == TickState::Ticked);
}

void TFARFrame::LoadComment() {
    if (const std::optional<QString> comment = FComments.CommentOf(FFARFile->text()))
        FFARComment->setText(*comment);
}

// The file nodes lie two levels below the root.
std::vector<FarCandidate> TFARFrame::TickedCandidates() const {
    std::vector<FarCandidate> ticked;
    const QStandardItem* root = FTreeModel->item(0);
    for (int g = 0; root && g < root->rowCount(); ++g) {
        const QStandardItem* group = root->child(g);
        for (int f = 0; f < group->rowCount(); ++f) {
            const QStandardItem* file = group->child(f);
            if (FTreeModel->State(file->index()) == TickState::Ticked)
                ticked.push_back(FCandidates[size_t(file->data(CandidateRole).toInt())]);
        }
    }
    return ticked;
}

void TFARFrame::FARNextClick() {
    const FarPackRequest request{{FVocksPath, FFARFile->text(), FIFFDir->text()},
                                 FFARComment->text(),
                                 DatabaseFile(),
                                 FFileExistsAnswer,
                                 TickedCandidates()};
    if (!ConfirmFarPackTarget(request.Target, FFarLanguage, FInteraction))
        return;
    auto remembered = std::make_shared<FileExistsAnswer>(FFileExistsAnswer);
    RunWorkerJob(
        *this, FInteraction,
        [this, request, remembered](Interaction& worker) {
            try {
                *remembered = PackObjectsIntoFar(request, FFarLanguage, worker).RememberedAnswer;
            } catch (const EPackwrightError& error) {
                worker.Fail(error.Text());
            }
        },
        [this, remembered](bool) {
            FFileExistsAnswer = *remembered;
            WriteFarTabSettings({FFARFile->text(), FIFFDir->text()});
            FillList();
        });
}

void TFARFrame::FARResetClick() {
    FTreeModel->SetAllTicks(TickState::Ticked);
    UpdateNext();
    FFARSelect->expandAll();
    const QModelIndex root = FTreeModel->index(0, 0);
    FFARSelect->setCurrentIndex(FTreeModel->index(0, 0, FTreeModel->index(0, 0, root)));
    FFARSelect->setCurrentIndex(root);
}

void TFARFrame::BrowseFARFileClick() {
    const FileDialogAnswer answer = FInteraction.AskForPaths(
        {.Kind = FileDialogKind::Save,
         .Title = FFarLanguage.GetString(QStringLiteral("FarSaveTitle")),
         .Filter = FFarLanguage.GetString(QStringLiteral("FarFilesFilter")) +
                   QStringLiteral(" (*.far)|*.far"),
         .DefaultExtension = QStringLiteral("far"),
         .InitialPath = FFARFile->text(),
         .Options = FileDialogOption::HidePlacesBar,
         .Description = {}});
    if (answer.Confirmed && !answer.Paths.isEmpty())
        FFARFile->setText(QDir::toNativeSeparators(answer.Paths.first()));
}

void TFARFrame::BrowseIFFDirClick() {
    const FileDialogAnswer answer = FInteraction.AskForPaths(
        {.Kind = FileDialogKind::Folder,
         .Title = FFarLanguage.GetString(QStringLiteral("FarIFFBackup")),
         .Filter = {},
         .DefaultExtension = {},
         .InitialPath = FIFFDir->text(),
         .Options = {},
         .Description = FFarLanguage.GetString(QStringLiteral("FarIFFBrowse"))});
    if (answer.Confirmed && !answer.Paths.isEmpty())
        FIFFDir->setText(QDir::toNativeSeparators(answer.Paths.first()));
}

void TFARFrame::FarLanguageLanguageLoaded() {
    FFARLabel->setText(FFarLanguage.GetString(QStringLiteral("FarSelectFiles")));
    FFARFileLabel->setText(FFarLanguage.GetString(QStringLiteral("FarFileName")));
    FIFFDirLabel->setText(FFarLanguage.GetString(QStringLiteral("FarIFFBackup")));
    FFARCommentLabel->setText(FFarLanguage.GetString(QStringLiteral("FarComment")));
    FBrowseFARFile->setText(FFarLanguage.GetString(QStringLiteral("Browse")));
    FBrowseIFFDir->setText(FFarLanguage.GetString(QStringLiteral("Browse")));
    FFARReset->setText(FFarLanguage.GetString(QStringLiteral("FarReset")));
    FFARNext->setText(FFarLanguage.GetString(QStringLiteral("FarNext")));
    FFARSelect->SetMenuCaptions(FFarLanguage.GetString(QStringLiteral("Select")),
                                FFarLanguage.GetString(QStringLiteral("Deselect")),
                                FFarLanguage.GetString(QStringLiteral("SelectAll")),
                                FFarLanguage.GetString(QStringLiteral("DeselectAll")));
}
