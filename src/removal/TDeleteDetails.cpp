#include "removal/TDeleteDetails.h"

#include "common/DateTimePatterns.h"
#include "common/DayCountDate.h"
#include "formats/InstalledFileRecord.h"
#include "language/TLanguage.h"
#include "removal/ContentPreview.h"

#include <QCursor>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolTip>

namespace {
constexpr int HintDelayMs = 125;
// Space between the captions and the values.
constexpr int CaptionGap = 16;

// A path has no spaces to wrap at: an invisible break after each separator lets a narrow
// panel show it on several lines instead of cutting it off.
QString WithBreaksAfterSeparators(const QString& path) {
    constexpr QChar ZeroWidthSpace(0x200B);
    QString shown;
    shown.reserve(path.size() * 2);
    for (const QChar character : path) {
        shown += character;
        if (character == u'/' || character == u'\\')
            shown += ZeroWidthSpace;
    }
    return shown;
}
} // namespace

TDeleteDetails::TDeleteDetails(QWidget* owner)
    : QWidget(owner), FFileLbl(AddLabel(u"FileLbl")), FDateLbl(AddLabel(u"DateLbl")),
      FCommentLbl(AddLabel(u"CommentLbl")), FDescLbl(AddLabel(u"DescLbl")),
      FFilename(AddLabel(u"Filename")), FInstdate(AddLabel(u"Instdate")),
      FComment(AddLabel(u"Comment")), FDescription(new QPlainTextEdit(this)),
      FPreviewLbl(AddLabel(u"PreviewLbl")), FPreview(AddLabel(u"Preview")) {
    setObjectName(QStringLiteral("DetailsPanel"));
    FDescription->setObjectName(QStringLiteral("Description"));
    FDescription->setReadOnly(true);
    auto* layout = new QGridLayout(this);
    layout->setHorizontalSpacing(CaptionGap);
    const std::array<std::pair<QLabel*, QWidget*>, 4> rows{{{FFileLbl, FFilename},
                                                            {FDateLbl, FInstdate},
                                                            {FCommentLbl, FComment},
                                                            {FDescLbl, FDescription}}};
    for (int row = 0; row < int(rows.size()); ++row) {
        layout->addWidget(rows[row].first, row, 0, Qt::AlignTop);
        layout->addWidget(rows[row].second, row, 1);
    }
    layout->addWidget(FPreviewLbl, 4, 0, 1, 2);
    layout->addWidget(FPreview, 5, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    layout->setRowStretch(5, 1);
    FValueLabels = {FFilename, FInstdate, FComment};
    for (QLabel* label : FValueLabels) {
        // A long path or date takes more lines rather than losing its end.
        label->setWordWrap(true);
        label->installEventFilter(this);
    }
    FHintTimer.setInterval(HintDelayMs);
    FHintTimer.setSingleShot(true);
    connect(&FHintTimer, &QTimer::timeout, this, &TDeleteDetails::HintTimerTimer);
    HideDetails();
}

QLabel* TDeleteDetails::AddLabel(const char16_t* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromUtf16(name));
    return label;
}

void TDeleteDetails::SetCaptions(const TLanguage& language) {
    FFileLbl->setText(language.GetString(QStringLiteral("Filename")));
    FDateLbl->setText(language.GetString(QStringLiteral("InstalledAt")));
    FCommentLbl->setText(language.GetString(QStringLiteral("Comment")));
    FDescLbl->setText(language.GetString(QStringLiteral("Description")));
    FPreviewLbl->setText(language.GetString(QStringLiteral("Preview")));
}

void TDeleteDetails::ShowDetails(const InstalledFileRecord& record, const ContentPreview& preview,
                                 const TLanguage& language) {
    FFilename->setText(WithBreaksAfterSeparators(record.FileName));
    FInstdate->setText(FormatDateTimePattern(u"dddddd', 'tt", FromDayCount(record.InstalledAt)));
    FComment->setText(record.Comment.isEmpty() ? language.GetString(QStringLiteral("EmptyComment"))
                                               : record.Comment);
    for (QLabel* label : {FFileLbl, FDateLbl, FCommentLbl, FFilename, FInstdate, FComment})
        label->show();
    ShowPreview(preview);
}

void TDeleteDetails::ShowPreview(const ContentPreview& preview) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{FDescLbl, FDescription, FPreviewLbl, FPreview})
        control->setVisible(preview.Shown);
    FDescription->setPlainText(preview.Description);
    const QSize size = preview.Picture.size() * (preview.DoubleSize ? 2 : 1);
    FPreview->setPixmap(
        preview.Picture.isNull() ? QPixmap() : QPixmap::fromImage(preview.Picture.scaled(size)));
}

void TDeleteDetails::HideDetails() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{FFileLbl, FDateLbl, FCommentLbl, FDescLbl, FFilename,
                                         FInstdate, FComment, FDescription, FPreviewLbl, FPreview})
        control->hide();
}

bool TDeleteDetails::eventFilter(QObject* watched, QEvent* event) {
    const auto label = std::ranges::find(FValueLabels, watched);
    if (label == FValueLabels.end())
        return QWidget::eventFilter(watched, event);
    const size_t index = size_t(label - FValueLabels.begin());
    if (event->type() == QEvent::Enter) {
        if (!FHintTimer.isActive() && !FHintStarted[index])
            FHintTimer.start();
        FHintStarted = {};
        FHintStarted[index] = true;
    } else if (event->type() == QEvent::Leave) {
        FHintStarted[index] = false;
    }
    return QWidget::eventFilter(watched, event);
}

void TDeleteDetails::HintTimerTimer() {
    for (size_t i = 0; i < FValueLabels.size(); ++i) {
        if (FHintStarted[i])
            QToolTip::showText(QCursor::pos(), FValueLabels[i]->text(), FValueLabels[i]);
    }
}
