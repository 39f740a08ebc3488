#pragma once

#include "language/TLanguage.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TAutoScroll;

// The modal box naming the program, its version and date, with the credits scrolling
// slowly below. The main window creates it once, hands it the version and the date text,
// copies its master language into AboutLanguage() after every load (which re-captions the
// box), and shows it with exec() when asked. Until a language is copied in, the box
// shows the built-in English texts.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner = nullptr);

    TLanguage& AboutLanguage() { return FAboutLanguage; }
    // The version shown after the product name, such as "0.4.0b".
    void SetProdVersion(const QString& version);
    // The already formatted date of the latest update.
    void SetLastUpdate(const QString& date);

    TAutoScroll* Credits() const { return FCredits; }

protected:
    // Each showing starts the credits from the beginning; they rest while hidden.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void LayOut();
    void AboutLanguageLanguageLoaded();
    void CreditsCanChange(TAutoScroll* sender, int newPosition, bool& allowChange);
    void CreditsContinue(TAutoScroll* sender);

    TLanguage FAboutLanguage;
    QString FVersion;
    QString FDate;
    QLabel* FNameLbl;
    QLabel* FDateLbl;
    QLabel* FSiteLbl;
    // Where this run keeps files.iff and what else it writes.
    QLabel* FDataLbl;
    QLabel* FImage1;
    QPushButton* FOK;
    TAutoScroll* FCredits;
};
