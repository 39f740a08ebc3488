#pragma once

#include <QTimer>
#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class TLanguage;
struct ContentPreview;
struct InstalledFileRecord;

// The delete tab's details of the selected file: its name, install date and comment (each
// label shows its full text as a hint after a short rest of the mouse), a description and
// a preview picture.
class TDeleteDetails : public QWidget {
    Q_OBJECT

public:
    explicit TDeleteDetails(QWidget* owner = nullptr);

    void SetCaptions(const TLanguage& language);
    void ShowDetails(const InstalledFileRecord& record, const ContentPreview& preview,
                     const TLanguage& language);
    // Hides the ten detail controls.
    void HideDetails();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* AddLabel(const char16_t* name);
    void ShowPreview(const ContentPreview& preview);
    void HintTimerTimer();

    QLabel* FFileLbl;
    QLabel* FDateLbl;
    QLabel* FCommentLbl;
    QLabel* FDescLbl;
    QLabel* FFilename;
    QLabel* FInstdate;
    QLabel* FComment;
    QPlainTextEdit* FDescription;
    QLabel* FPreviewLbl;
    QLabel* FPreview;
    QTimer FHintTimer;
    // The value labels, and whether the hint timer was started for the one under the mouse.
    std::array<QLabel*, 3> FValueLabels{};
    std::array<bool, 3> FHintStarted{};
};
