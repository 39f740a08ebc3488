#pragma once

#include "common/FileExistsAnswer.h"
#include "farpack/FarCandidates.h"
#include "farpack/FarComments.h"
#include "language/TLanguage.h"

#include <QWidget>

#include <vector>

class Interaction;
struct FarTabSettings;
class QLabel;
class QLineEdit;
class QPushButton;
class TTickTree;
class TickTreeModel;

// The FAR objects tab: the game's object files, ticked to be packed into a FAR archive and
// moved to a backup folder.
class TFARFrame : public QWidget {
    Q_OBJECT

public:
    explicit TFARFrame(Interaction& interaction, QWidget* owner = nullptr);

    TLanguage& Language() { return FFarLanguage; }
    // Lists the object files anew; runs whenever the tab becomes active and after packing.
    void FillList();

    void SetVocksPath(const QString& folder) { FVocksPath = folder; }
    void SetFileExistsDefault(FileExistsAnswer answer) { FFileExistsAnswer = answer; }

private:
    void BuildControls();
    void LayOut();
    FarTabSettings ReadList(Interaction& worker);
    void FillTree();
    void SetFilled(bool filled);
    void LoadComment();
    void UpdateNext();
    std::vector<FarCandidate> TickedCandidates() const;

    void FARNextClick();
    void FARResetClick();
    void BrowseFARFileClick();
    void BrowseIFFDirClick();
    void FarLanguageLanguageLoaded();

    Interaction& FInteraction;
    TLanguage FFarLanguage;
    QString FVocksPath;
    FileExistsAnswer FFileExistsAnswer = FileExistsAnswer::Ask;
    std::vector<FarCandidate> FCandidates;
    FarComments FComments;

    QLabel* FFARLabel;
    TickTreeModel* FTreeModel;
    TTickTree* FFARSelect;
    QLabel* FFARFileLabel;
    QLineEdit* FFARFile;
    QPushButton* FBrowseFARFile;
    QLabel* FIFFDirLabel;
    QLineEdit* FIFFDir;
    QPushButton* FBrowseIFFDir;
    QLabel* FFARCommentLabel;
    QLineEdit* FFARComment;
    QPushButton* FFARReset;
    QPushButton* FFARNext;
};
