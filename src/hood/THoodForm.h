#pragma once

#include "common/Interaction.h"
#include "language/TLanguage.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class TAutoScroll;
class THoodDetails;

// The choice of the neighbourhood that receives houses and areas: the neighbourhood
// folders of the game, the details of the one picked, a warning that its houses will be
// replaced, and Continue, Don't install houses and areas, or Cancel. Closing the window
// leaves the houses out.
class THoodForm : public QDialog {
    Q_OBJECT

public:
    THoodForm(QWidget* owner, const TLanguage& language, const QString& gameFolder,
              const ExpansionFlags& packs);

    // The answer given; DontInstall until one is.
    HoodChoice Choice() const;

    // Shows the dialog modally, centred on owner, and returns the choice.
    static HoodChoice Choose(QWidget* owner, const TLanguage& language, const QString& gameFolder,
                             const ExpansionFlags& packs);

    void reject() override;

private:
    QPushButton* MakeButton(const char* name, HoodChoiceAnswer answer);
    void HoodLanguageLanguageLoaded();
    void HoodNoChange(const QString& text);

    TLanguage FHoodLanguage;
    QString FGameFolder;
    ExpansionFlags FPacks;
    HoodChoiceAnswer FAnswer = HoodChoiceAnswer::DontInstall;
    QLabel* FHeading;
    THoodDetails* FHoodDetails;
    QLabel* FHoodNoLabel;
    QComboBox* FHoodNo;
    QLabel* FWarningLabel;
    TAutoScroll* FDetailsScroll;
    QPushButton* FContinue;
    QPushButton* FDontInstall;
    QPushButton* FCancel;
};
