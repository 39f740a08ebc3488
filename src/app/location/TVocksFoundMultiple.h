#pragma once

#include "app/location/VocksLocation.h"
#include "language/TLanguage.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The choice among several copies of the game found by the drive search. Ok is enabled
// once an entry is selected; a double click on an entry acts as Ok. The chosen entry is
// the one selected when the dialog closes, however it is closed; none when nothing is.
class TVocksFoundMultiple : public QDialog {
    Q_OBJECT

public:
    TVocksFoundMultiple(QWidget* owner, const TLanguage& language, const QStringList& folders);

    // The selected folder, or an empty text.
    QString ChosenFolder() const;

    // Shows the dialog modally, centred on owner; the chosen folder or an empty text.
    static QString Choose(QWidget* owner, const TLanguage& language, const QStringList& folders);
    // A chooser for FindVocksFolder that shows this dialog over owner; language must
    // outlive it.
    static ChooseVocksFolder Chooser(QWidget* owner, const TLanguage& language);

private:
    void LanguageLanguageLoaded();
    void ResultsClick();
    void ResultsDblClick(QListWidgetItem* item);

    TLanguage FLanguage;
    QLabel* FMultiLabel;
    QLabel* FSelectLabel;
    QListWidget* FResults;
    QPushButton* FOk;
};
