#include "hood/THoodDetails.h"

#include "common/DateTimePatterns.h"
#include "common/DayCountDate.h"
#include "language/TLanguage.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
// The items in the order of FItems: object name and caption key.
struct ItemInfo {
    const char* Name;
    const char* CaptionKey;
};
constexpr ItemInfo Items[] = {
    {.Name = "Occupied", .CaptionKey = "HoodOccupied"},
    {.Name = "Location", .CaptionKey = "HoodLocation"},
    {.Name = "Name", .CaptionKey = "HoodName"},
    {.Name = "Downtown", .CaptionKey = "HasDowntown"},
    {.Name = "Island", .CaptionKey = "HasIsland"},
    {.Name = "Community", .CaptionKey = "HasCommunity"},
    {.Name = "Studios", .CaptionKey = "HasStudios"},
    {.Name = "Magic", .CaptionKey = "HasMagic"},
    {.Name = "Date", .CaptionKey = "HoodDate"},
    {.Name = "Time", .CaptionKey = "HoodTime"},
};
constexpr int FirstArea = 3;
constexpr int DateItem = 8;
constexpr int TimeItem = 9;
constexpr int DefaultMarkMilliseconds = 1000;

// The system's window-text colour behind the system's button-face colour.
QPalette MarkedPalette() {
    const QPalette system = QApplication::palette();
    QPalette marked = system;
    marked.setColor(QPalette::Window, system.color(QPalette::WindowText));
    marked.setColor(QPalette::WindowText, system.color(QPalette::Button));
    return marked;
}
} // namespace

THoodDetails::THoodDetails(QWidget* owner)
    : QWidget(owner), FCommentsCaption(new QLabel(this)), FComments(new QPlainTextEdit(this)),
      FMarkTimer(new QTimer(this)) {
    setObjectName(QStringLiteral("HoodDetails"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    for (int i = 0; i < static_cast<int>(FItems.size()); ++i) {
        FItems[i] = {new QLabel(this), new QLabel(this)};
        FItems[i].Value->setObjectName(QLatin1String(Items[i].Name) + QStringLiteral("Value"));
        grid->addWidget(FItems[i].Caption, i, 0);
        grid->addWidget(FItems[i].Value, i, 1);
    }
    FComments->setObjectName(QStringLiteral("Comments"));
    FComments->setReadOnly(true);
    grid->addWidget(FCommentsCaption, static_cast<int>(FItems.size()), 0, Qt::AlignTop);
    grid->addWidget(FComments, static_cast<int>(FItems.size()), 1);
    grid->setColumnStretch(1, 1);
    FMarkTimer->setSingleShot(true);
    FMarkTimer->setInterval(DefaultMarkMilliseconds);
    connect(FMarkTimer, &QTimer::timeout, this, [this] { SetMarkLabels(false); });
}

QList<QLabel*> THoodDetails::Labels() const {
    QList<QLabel*> labels{FCommentsCaption};
    for (const Item& item : FItems)
        labels << item.Caption << item.Value;
    return labels;
}

void THoodDetails::SetMarkLabels(bool mark) {
    FMarked = mark;
    for (QLabel* label : Labels()) {
        label->setAutoFillBackground(mark);
        label->setPalette(mark ? MarkedPalette() : QPalette());
    }
    if (mark)
        FMarkTimer->start();
    else
        FMarkTimer->stop();
}

void THoodDetails::SetMarkLabelTime(double seconds) {
    if (seconds >= 0)
        FMarkTimer->setInterval(static_cast<int>(seconds * 1000));
}

void THoodDetails::SetTexts(const TLanguage& language) {
    for (std::size_t i = 0; i < FItems.size(); ++i)
        FItems[i].Caption->setText(language.GetString(QLatin1String(Items[i].CaptionKey)));
    FCommentsCaption->setText(language.GetString(QStringLiteral("HoodComments")));
    FYes = language.GetString(QStringLiteral("HoodYes"));
    FNo = language.GetString(QStringLiteral("HoodNo"));
    FNotAvailable = language.GetString(QStringLiteral("HoodNotAvailable"));
    FNotSet = language.GetString(QStringLiteral("HoodNotSet"));
    ShowHood(FHood);
}

QString THoodDetails::AreaWord(AreaPresence presence) const {
    switch (presence) {
    case AreaPresence::Yes:
        return FYes;
    case AreaPresence::No:
        return FNo;
    case AreaPresence::NotAvailable:
        break;
    }
    return FNotAvailable;
}

void THoodDetails::ShowHood(const HoodDetails& hood) {
    FHood = hood;
    FItems[0].Value->setText(hood.Available ? FYes : FNo);
    FItems[1].Value->setText(QDir::toNativeSeparators(hood.HoodPath));
    FItems[2].Value->setText(hood.Notes.Name);
    for (int area = 0; area < HoodAreaCount; ++area)
        FItems[FirstArea + area].Value->setText(AreaWord(hood.Areas[area]));
    const QDateTime date = hood.Notes.Date ? FromDayCount(*hood.Notes.Date) : QDateTime();
    FItems[DateItem].Value->setText(date.isValid() ? FormatDateTimePattern(FDateFormat, date)
                                                   : FNotSet);
    FItems[TimeItem].Value->setText(date.isValid() ? FormatDateTimePattern(FTimeFormat, date)
                                                   : FNotSet);
    FComments->setPlainText(hood.Notes.Comments.join(QLatin1Char('\n')));
    // Only whether it is occupied means anything for a neighbourhood that is not there.
    for (std::size_t i = 1; i < FItems.size(); ++i) {
        FItems[i].Caption->setVisible(hood.Available);
        FItems[i].Value->setVisible(hood.Available);
    }
    FCommentsCaption->setVisible(hood.Available);
    FComments->setVisible(hood.Available);
}
