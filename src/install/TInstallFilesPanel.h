#pragma once

#include "install/FileIntake.h"
#include "install/InstallTreeModel.h"

#include <QWidget>

class Interaction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class TAutoScroll;
class TLanguage;
class TTickTree;
class TickTreeModel;
struct IntakeTreeNode;

// Step 2 of the install tab: the ticked tree of files with its comment panel, the readmes
// beside it, the scrolling help and the Back and Install buttons.
class TInstallFilesPanel : public QWidget {
    Q_OBJECT

public:
    explicit TInstallFilesPanel(QWidget* owner = nullptr);

    // Where the question of the comment's All button goes; set before the panel is used.
    void SetInteraction(Interaction& interaction) { FInteraction = &interaction; }
    void ApplyCaptions(const TLanguage& language);
    // Shows the files and readmes of an intake, every file ticked.
    void ShowFiles(const IntakeTreeNode& tree, const QList<ReadmeFile>& readmes,
                   const TLanguage& language);
    // The single node "No Files Found", tree and Install button disabled.
    void ShowNothingFound(const TLanguage& language);
    // Restarts the scrolling help from its start, or stops it.
    void RunHelp(bool running);

    QList<TickedFile> TickedFiles() const;
    bool ReadmesShown() const { return FReadmesShown; }
    double FilesRatio() const { return FFilesRatio; }
    TTickTree* FilesTree() const { return FFilesTree; }

Q_SIGNALS:
    void BackTo1Click();
    void InstallClick();
    // A readme could not be read; the text says why.
    void ReadmeUnreadable(const QString& message);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowReadmes(const QList<ReadmeFile>& readmes, const TLanguage& language);
    void FilesTreeChange();
    void FileCommentChange(const QString& text);
    void CommentAllClick();
    void ReadmeFilesClick();
    void LoadReadme(const QString& path);
    void FilesReadmeSplitterMoved();
    void ApplyFilesRatio();
    void UpdateInstallButton();

    TickTreeModel* FModel;
    QLabel* FDesc2_2;
    QSplitter* FSplitter;
    QLabel* FFilesText;
    TTickTree* FFilesTree;
    QWidget* FCommentPanel;
    QLabel* FCommentLabel;
    QLineEdit* FSourcePath;
    QLineEdit* FFileComment;
    QPushButton* FCommentAll;
    QWidget* FReadmePane;
    QLabel* FReadmeHelp;
    QListWidget* FReadmeFiles;
    QPlainTextEdit* FReadmeText;
    TAutoScroll* FHelpScroller;
    QPushButton* FBackTo1;
    QPushButton* FInstall;
    Interaction* FInteraction = nullptr;
    QString FReplaceCommentsQuestion;
    QList<ReadmeFile> FReadmes;
    QString FAllComment;
    QString FHelpText2;
    QString FHelpText2Readme;
    bool FReadmesShown = false;
    double FFilesRatio = 0.4;
};
