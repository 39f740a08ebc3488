#include "app/location/TVocksFoundMultiple.h"

#include "common/Placeholders.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TVocksFoundMultiple::TVocksFoundMultiple(QWidget* owner, const TLanguage& language,
                                         const QStringList& folders)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      FMultiLabel(new QLabel(this)), FSelectLabel(new QLabel(this)),
      FResults(new QListWidget(this)), FOk(new QPushButton(this)) {
    setObjectName(QStringLiteral("VocksFoundMultiple"));
    FMultiLabel->setObjectName(QStringLiteral("MultiLabel"));
    FMultiLabel->setWordWrap(true);
    FSelectLabel->setObjectName(QStringLiteral("SelectLabel"));
    FResults->setObjectName(QStringLiteral("Results"));
    FResults->setSelectionMode(QAbstractItemView::SingleSelection);
    FResults->addItems(folders);
    FOk->setObjectName(QStringLiteral("Ok"));
    FOk->setDefault(true);
    FOk->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(FOk);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(FMultiLabel);
    layout->addWidget(FSelectLabel);
    layout->addWidget(FResults, 1);
    layout->addLayout(buttons);
    setFixedSize(281, 241);

    connect(FResults, &QListWidget::itemSelectionChanged, this, &TVocksFoundMultiple::ResultsClick);
    connect(FResults, &QListWidget::itemDoubleClicked, this, &TVocksFoundMultiple::ResultsDblClick);
    connect(FOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(&FLanguage, &TLanguage::OnLanguageLoaded, this,
            &TVocksFoundMultiple::LanguageLanguageLoaded);
    language.CopyTo(FLanguage);
}

QString TVocksFoundMultiple::ChosenFolder() const {
    const QList<QListWidgetItem*> selected = FResults->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QString TVocksFoundMultiple::Choose(QWidget* owner, const TLanguage& language,
                                    const QStringList& folders) {
    TVocksFoundMultiple dialog(owner, language, folders);
    dialog.exec();
    return dialog.ChosenFolder();
}

ChooseVocksFolder TVocksFoundMultiple::Chooser(QWidget* owner, const TLanguage& language) {
    return
        [owner, &language](const QStringList& folders) { return Choose(owner, language, folders); };
}

void TVocksFoundMultiple::LanguageLanguageLoaded() {
    setWindowTitle(FLanguage.GetString(QStringLiteral("MultiVocksSelect")));
    FMultiLabel->setText(ReplacePlaceholder(FLanguage.GetString(QStringLiteral("MultiVocksFound")),
                                            u"FileName", VocksProgramFile.toString()));
    FSelectLabel->setText(FLanguage.GetString(QStringLiteral("MultiVocksRightOne")));
    FOk->setText(FLanguage.GetString(QStringLiteral("OK")));
}

void TVocksFoundMultiple::ResultsClick() {
    FOk->setEnabled(!FResults->selectedItems().isEmpty());
}

void TVocksFoundMultiple::ResultsDblClick(QListWidgetItem* item) {
    if (item != nullptr)
        accept();
}
