#include "app/TMainForm.h"

#include "language/BuiltInEnglish.h"

#include <QTabWidget>

namespace {
struct Page {
    const char* ObjectName;
    const char* CaptionKey;
};

constexpr Page PageTable[] = {
    {.ObjectName = "InstallTab", .CaptionKey = "Install"},
    {.ObjectName = "ExportTab", .CaptionKey = "Export"},
    {.ObjectName = "FARTab", .CaptionKey = "FAR"},
    {.ObjectName = "DeleteTab", .CaptionKey = "Delete"},
    {.ObjectName = "OptionsTab", .CaptionKey = "Options"},
    {.ObjectName = "ReadmeTab", .CaptionKey = "Readme"},
};
} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent), FLanguage(this), FPages(new QTabWidget(this)) {
    setObjectName(QStringLiteral("MainForm"));
    FPages->setObjectName(QStringLiteral("Pages"));
    for (const Page& page : PageTable) {
        auto* widget = new QWidget(FPages);
        widget->setObjectName(QLatin1String(page.ObjectName));
        FPages->addTab(widget, QString());
    }
    setCentralWidget(FPages);
    resize(770, 746);
    setMinimumSize(264, 264);
    connect(&FLanguage, &TLanguage::OnLanguageLoaded, this, &TMainForm::LanguageLanguageLoaded);
    FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
}

void TMainForm::LanguageLanguageLoaded() {
    setWindowTitle(FLanguage.GetString(QStringLiteral("ProdFullName")));
    for (int i = 0; i < FPages->count(); ++i)
        FPages->setTabText(i, FLanguage.GetString(QLatin1String(PageTable[i].CaptionKey)));
}
