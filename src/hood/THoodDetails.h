#pragma once

#include "hood/HoodDetails.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTimer;
class TLanguage;

// A neighbourhood's details as caption and value labels and a comments box: whether it is
// occupied, its folder, name, areas, date and time of the notes, and the comments. A
// neighbourhood whose folder does not exist shows only that it is not occupied.
class THoodDetails : public QWidget {
    Q_OBJECT

public:
    explicit THoodDetails(QWidget* owner = nullptr);

    // The captions and value words; shown again with the current neighbourhood.
    void SetTexts(const TLanguage& language);
    void ShowHood(const HoodDetails& hood);
    const HoodDetails& Hood() const { return FHood; }
    // Date-time patterns for the notes' date and time.
    void SetDateFormat(const QString& pattern) { FDateFormat = pattern; }
    void SetTimeFormat(const QString& pattern) { FTimeFormat = pattern; }
    // Draws the visible labels in reversed system colours, to catch the eye, for the marking
    // time; false restores them at once.
    void SetMarkLabels(bool mark);
    bool MarkLabels() const { return FMarked; }
    // Seconds that marking lasts; a negative time is ignored.
    void SetMarkLabelTime(double seconds);

private:
    struct Item {
        QLabel* Caption;
        QLabel* Value;
    };
    QString AreaWord(AreaPresence presence) const;
    QList<QLabel*> Labels() const;

    HoodDetails FHood;
    QString FDateFormat = QStringLiteral("ddddd");
    QString FTimeFormat = QStringLiteral("t");
    QString FYes, FNo, FNotAvailable, FNotSet;
    // Occupied, location, name, the five areas, date, time.
    std::array<Item, 10> FItems;
    QLabel* FCommentsCaption;
    QPlainTextEdit* FComments;
    bool FMarked = false;
    QTimer* FMarkTimer;
};
