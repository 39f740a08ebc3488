#include "install/TInstallFilesPanel.h"

#include "common/Interaction.h"
#include "common/TextFile.h"
#include "install/DownloadOrigin.h"
#include "install/IntakeTree.h"
#include "language/TLanguage.h"
#include "widgets/TAutoScroll.h"
#include "widgets/TickTreeModel.h"
#include "widgets/TTickTree.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

namespace {
template <typename Widget> Widget* Named(QWidget* owner, const char* name) {
    auto* widget = new Widget(owner);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The readme pane and the file pane never shrink below these widths.
constexpr int MinFilesWidth = 151;
constexpr int MinReadmeWidth = 158;
// The room the tab's margins and the splitter take from the two panes.
constexpr int PaneGap = 20;
} // namespace

TInstallFilesPanel::TInstallFilesPanel(QWidget* owner)
    : QWidget(owner), FModel(new TickTreeModel(this)), FDesc2_2(Named<QLabel>(this, "Desc2_2")),
      FSplitter(Named<QSplitter>(this, "FilesReadmeSplitter")),
      FFilesText(Named<QLabel>(this, "FilesText")), FFilesTree(Named<TTickTree>(this, "FilesTree")),
      FCommentPanel(Named<QWidget>(this, "CommentPanel")),
      FCommentLabel(Named<QLabel>(FCommentPanel, "CommentLabel")),
      FSourcePath(Named<QLineEdit>(FCommentPanel, "SourcePath")),
      FFileComment(Named<QLineEdit>(FCommentPanel, "FileComment")),
      FCommentAll(Named<QPushButton>(FCommentPanel, "CommentAll")),
      FReadmePane(Named<QWidget>(this, "ReadmePane")),
      FReadmeHelp(Named<QLabel>(FReadmePane, "ReadmeHelp")),
      FReadmeFiles(Named<QListWidget>(FReadmePane, "ReadmeFiles")),
      FReadmeText(Named<QPlainTextEdit>(FReadmePane, "ReadmeText")),
      FHelpScroller(Named<TAutoScroll>(this, "HelpScroller")),
      FBackTo1(Named<QPushButton>(this, "BackTo1")), FInstall(Named<QPushButton>(this, "Install")) {
    FFilesTree->SetTickModel(FModel);
    FFilesTree->setHeaderHidden(true);
    FFilesTree->ScrollLongTextsSideways();
    FReadmeText->setReadOnly(true);
    // A path to read and copy, not to type in.
    FSourcePath->setReadOnly(true);
    FSourcePath->setFrame(false);
    QPalette flat = FSourcePath->palette();
    flat.setColor(QPalette::Base, Qt::transparent);
    FSourcePath->setPalette(flat);
    FHelpScroller->setFixedHeight(FHelpScroller->fontMetrics().height() + 6);

    auto* comment = new QGridLayout(FCommentPanel);
    comment->setContentsMargins(0, 0, 4, 0);
    comment->setSpacing(4);
    comment->addWidget(FSourcePath, 0, 0, 1, 3);
    comment->addWidget(FCommentLabel, 1, 0);
    comment->addWidget(FFileComment, 1, 1);
    comment->addWidget(FCommentAll, 1, 2);
    comment->setColumnStretch(1, 1);
    auto* filePane = new QWidget(FSplitter);
    filePane->setObjectName(QStringLiteral("FilePane"));
    filePane->setMinimumWidth(MinFilesWidth);
    auto* files = new QVBoxLayout(filePane);
    files->setContentsMargins(0, 0, 0, 0);
    files->addWidget(FFilesText);
    files->addWidget(FFilesTree, 1);
    FReadmePane->setMinimumWidth(MinReadmeWidth);
    auto* readmes = new QVBoxLayout(FReadmePane);
    readmes->setContentsMargins(0, 0, 0, 0);
    readmes->addWidget(FReadmeHelp);
    readmes->addWidget(FReadmeFiles);
    readmes->addWidget(FReadmeText, 1);
    FSplitter->addWidget(filePane);
    FSplitter->addWidget(FReadmePane);
    FSplitter->setChildrenCollapsible(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(FBackTo1);
    buttons->addStretch(1);
    buttons->addWidget(FInstall);
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(4, 4, 4, 4);
    panel->addWidget(FDesc2_2);
    panel->addWidget(FSplitter, 1);
    // Across the whole width, so the file's path and its comment have room to be read.
    panel->addWidget(FCommentPanel);
    panel->addWidget(FHelpScroller);
    panel->addLayout(buttons);

    connect(FFilesTree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &TInstallFilesPanel::FilesTreeChange);
    connect(FModel, &TickTreeModel::TicksChanged, this, &TInstallFilesPanel::UpdateInstallButton);
    connect(FFileComment, &QLineEdit::textEdited, this, &TInstallFilesPanel::FileCommentChange);
    connect(FCommentAll, &QPushButton::clicked, this, &TInstallFilesPanel::CommentAllClick);
    connect(FReadmeFiles, &QListWidget::currentItemChanged, this,
            &TInstallFilesPanel::ReadmeFilesClick);
    connect(FSplitter, &QSplitter::splitterMoved, this,
            &TInstallFilesPanel::FilesReadmeSplitterMoved);
    connect(FBackTo1, &QPushButton::clicked, this, &TInstallFilesPanel::BackTo1Click);
    connect(FInstall, &QPushButton::clicked, this, &TInstallFilesPanel::InstallClick);
    FilesTreeChange();
}

void TInstallFilesPanel::ApplyCaptions(const TLanguage& language) {
    FHelpText2 = language.GetString(QStringLiteral("HelpText2"));
    FHelpText2Readme = language.GetString(QStringLiteral("HelpText2Readme"));
    FDesc2_2->setText(FReadmesShown ? FHelpText2Readme : FHelpText2);
    FHelpScroller->SetLines({language.GetString(QStringLiteral("ScrollingHelp"))});
    FFilesText->setText(language.GetString(QStringLiteral("TheseFiles")));
    FReadmeHelp->setText(language.GetString(QStringLiteral("SelectReadmes")));
    FCommentLabel->setText(language.GetString(QStringLiteral("Comment")));
    FCommentAll->setText(language.GetString(QStringLiteral("CommentAll")));
    // The row above the comment box has the room the hint needs.
    FSourcePath->setPlaceholderText(language.GetString(QStringLiteral("CommentHint")));
    FReplaceCommentsQuestion = language.GetString(QStringLiteral("CommentAllReplace"));
    FBackTo1->setText(language.GetString(QStringLiteral("InstallBack")));
    FInstall->setText(language.GetString(QStringLiteral("InstallButton")));
    FFilesTree->SetMenuCaptions(language.GetString(QStringLiteral("Select")),
                                language.GetString(QStringLiteral("Deselect")),
                                language.GetString(QStringLiteral("SelectAll")),
                                language.GetString(QStringLiteral("DeselectAll")));
}

void TInstallFilesPanel::ShowFiles(const IntakeTreeNode& tree, const QList<ReadmeFile>& readmes,
                                   const TLanguage& language) {
    FAllComment.clear();
    InstallTree::Fill(*FModel, tree, language);
    FFilesTree->setEnabled(true);
    FFilesTree->expandAll();
    ShowReadmes(readmes, language);
    FFilesTree->scrollToTop();
    FFilesTree->setCurrentIndex(FModel->index(0, 0));
    UpdateInstallButton();
}

void TInstallFilesPanel::ShowNothingFound(const TLanguage& language) {
    FModel->clear();
    FModel->appendRow(new QStandardItem(language.GetString(QStringLiteral("NoFilesFound"))));
    FModel->ClearTicks();
    FFilesTree->setEnabled(false);
    FInstall->setEnabled(false);
    FilesTreeChange();
}

void TInstallFilesPanel::RunHelp(bool running) {
    if (running) {
        FHelpScroller->SetStartPosition(0);
        FHelpScroller->Enable();
    } else {
        FHelpScroller->Disable();
    }
}

QList<TickedFile> TInstallFilesPanel::TickedFiles() const {
    return InstallTree::Ticked(*FModel, FAllComment);
}

void TInstallFilesPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyFilesRatio();
}

void TInstallFilesPanel::ShowReadmes(const QList<ReadmeFile>& readmes, const TLanguage& language) {
    FReadmes = readmes;
    FReadmeFiles->clear();
    FReadmeText->clear();
    FReadmesShown = !readmes.isEmpty();
    FReadmeFiles->setEnabled(FReadmesShown);
    FReadmeText->setEnabled(FReadmesShown);
    FReadmePane->setVisible(FReadmesShown);
    FDesc2_2->setText(FReadmesShown ? FHelpText2Readme : FHelpText2);
    if (!FReadmesShown) {
        FReadmeFiles->addItem(language.GetString(QStringLiteral("NoReadmes")));
        setMinimumWidth(174);
        return;
    }
    for (const ReadmeFile& readme : readmes) {
        FReadmeFiles->addItem(DownloadRowText(readme.Name, language));
        FReadmeFiles->item(FReadmeFiles->count() - 1)->setToolTip(readme.Name);
    }
    setMinimumWidth(328);
    FFilesRatio = 0.4;
    ApplyFilesRatio();
    FReadmeFiles->setCurrentRow(0);
}

// The comment box stays in view; it waits, disabled with its hint, until a file is selected.
void TInstallFilesPanel::FilesTreeChange() {
    const QModelIndex current = FFilesTree->currentIndex();
    const bool file = InstallTree::IsFile(current);
    FFileComment->setEnabled(file);
    FCommentAll->setEnabled(file);
    FFileComment->setText(file ? InstallTree::OwnComment(current).value_or(FAllComment)
                               : QString());
    FSourcePath->setText(InstallTree::ShownPath(current));
    // The end of a long path is the file's name.
    FSourcePath->end(false);
}

void TInstallFilesPanel::FileCommentChange(const QString& text) {
    const QModelIndex current = FFilesTree->currentIndex();
    if (InstallTree::IsFile(current))
        InstallTree::SetOwnComment(*FModel, current, text);
}

// Comments typed for single files are never replaced unasked; Return keeps them.
void TInstallFilesPanel::CommentAllClick() {
    const QString text = FFileComment->text();
    bool replaceOwn = true;
    if (InstallTree::HasOtherOwnComment(*FModel, text)) {
        const MessageAnswer answer =
            FInteraction->Ask(MessageKind::Confirmation, FReplaceCommentsQuestion,
                              MessageButtons::YesNoCancel, MessageAnswer::No);
        if (answer == MessageAnswer::Cancel)
            return;
        replaceOwn = answer == MessageAnswer::Yes;
    }
    InstallTree::ClearOwnComments(*FModel, replaceOwn);
    FAllComment = text;
}

void TInstallFilesPanel::ReadmeFilesClick() {
    // The list holds the readmes in their order, one row each.
    const int row = FReadmeFiles->currentRow();
    if (FReadmesShown && row >= 0 && row < FReadmes.size())
        LoadReadme(FReadmes[row].Path);
}

void TInstallFilesPanel::LoadReadme(const QString& path) {
    const std::optional<QStringList> lines = ReadTextFileLines(path);
    if (!lines) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        FReadmeText->clear();
        Q_EMIT ReadmeUnreadable(file.errorString());
        return;
    }
    FReadmeText->setPlainText(lines->join(u'\n'));
}

void TInstallFilesPanel::FilesReadmeSplitterMoved() {
    const int room = FSplitter->width() - PaneGap;
    if (FReadmesShown && room > 0)
        FFilesRatio = static_cast<double>(FSplitter->sizes().value(0)) / room;
}

void TInstallFilesPanel::ApplyFilesRatio() {
    if (!FReadmesShown)
        return;
    const int room = FSplitter->width() - PaneGap;
    const int files = static_cast<int>(room * FFilesRatio);
    FSplitter->setSizes({files, FSplitter->width() - files});
}

void TInstallFilesPanel::UpdateInstallButton() {
    const TickState root = FModel->RootState();
    FInstall->setEnabled(root == TickState::Partly || root == TickState::Ticked);
}
