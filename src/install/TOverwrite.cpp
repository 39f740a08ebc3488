#include "install/TOverwrite.h"

#include "common/DateTimePatterns.h"
#include "common/PathRules.h"
#include "common/Placeholders.h"
#include "install/FileSizeText.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {
// How many average characters of a folder the dialog shows before it shortens it.
constexpr int MaxFolderChars = 60;
} // namespace

TOverwrite::TOverwrite(QWidget* owner, const TLanguage& language,
                       const FileExistsQuestion& question)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      FQuestion(question), FQuestionLabel(new QLabel(this)), FSource(MakeFileBox("Source")),
      FDestination(MakeFileBox("Destination")), FRenameTo(new QLabel(this)),
      FNewName(new QLineEdit(this)), FRename(MakeButton("Rename", FileExistsAnswer::Rename)),
      FSkip(MakeButton("Skip", FileExistsAnswer::Skip)),
      FSkipAll(MakeButton("SkipAll", FileExistsAnswer::SkipAll)),
      FOverwrite(MakeButton("Overwrite", FileExistsAnswer::Overwrite)),
      FOverwriteAll(MakeButton("OverwriteAll", FileExistsAnswer::OverwriteAll)) {
    setObjectName(QStringLiteral("Overwrite"));
    FQuestionLabel->setObjectName(QStringLiteral("Question"));
    FQuestionLabel->setWordWrap(true);
    FNewName->setObjectName(QStringLiteral("NewName"));
    FSkip->setDefault(true);

    auto* files = new QHBoxLayout;
    files->addWidget(FSource.Box);
    files->addWidget(FDestination.Box);
    auto* rename = new QHBoxLayout;
    rename->addWidget(FRenameTo);
    rename->addWidget(FNewName, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {FRename, FSkip, FSkipAll, FOverwrite, FOverwriteAll})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(FQuestionLabel);
    layout->addLayout(files, 1);
    layout->addLayout(rename);
    layout->addLayout(buttons);
    // As large as the dates, paths and captions need, and no larger: nothing is cut off.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowFile(FSource, question.ExistingPath, question.ExistingPath);
    ShowFile(FDestination, question.NewPath,
             question.NewShownPath.isEmpty() ? question.NewPath : question.NewShownPath);
    FNewName->setText(BareFileName(question.ExistingPath));
    NewNameChange();
    connect(FNewName, &QLineEdit::textChanged, this, &TOverwrite::NewNameChange);
    connect(&FLanguage, &TLanguage::OnLanguageLoaded, this,
            &TOverwrite::OverwriteLanguageLanguageLoaded);
    language.CopyTo(FLanguage);
}

TOverwrite::FileBox TOverwrite::MakeFileBox(const char* name) {
    FileBox box{new QGroupBox(this), new QLabel, new QLabel, new QLabel, new QLabel,
                new QLabel,          new QLabel, new QLabel, new QLabel};
    box.Box->setObjectName(QLatin1String(name));
    const QString prefix = QLatin1String(name);
    box.Name->setObjectName(prefix + QStringLiteral("Name"));
    box.Folder->setObjectName(prefix + QStringLiteral("Folder"));
    box.Date->setObjectName(prefix + QStringLiteral("Date"));
    box.Size->setObjectName(prefix + QStringLiteral("Size"));
    auto* grid = new QGridLayout(box.Box);
    grid->setHorizontalSpacing(8);
    grid->addWidget(box.Icon, 0, 0);
    grid->addWidget(box.Name, 0, 1);
    grid->addWidget(box.FolderCaption, 1, 0);
    grid->addWidget(box.Folder, 1, 1);
    grid->addWidget(box.DateCaption, 2, 0);
    grid->addWidget(box.Date, 2, 1);
    grid->addWidget(box.SizeCaption, 3, 0);
    grid->addWidget(box.Size, 3, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

// Missing file data shows empty values. A long folder loses its middle, never its ends; the
// tooltip holds it whole.
void TOverwrite::ShowFile(const FileBox& box, const QString& path, const QString& shownPath) {
    const QFileInfo info(path);
    const QString name = BareFileName(shownPath);
    const QString folder =
        shownPath.left(std::max<qsizetype>(shownPath.size() - name.size() - 1, 0));
    box.Name->setText(name);
    box.Folder->setText(box.Folder->fontMetrics().elidedText(
        folder, Qt::ElideMiddle, MaxFolderChars * box.Folder->fontMetrics().averageCharWidth()));
    box.Folder->setToolTip(folder);
    if (!info.exists())
        return;
    box.Icon->setPixmap(QFileIconProvider().icon(info).pixmap(32, 32));
    box.Date->setText(FormatDateTimePattern(u"dddddd',' tt", info.lastModified()));
}

QPushButton* TOverwrite::MakeButton(const char* name, FileExistsAnswer answer) {
    auto* button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        FAnswer = answer;
        accept();
    });
    return button;
}

QString TOverwrite::NewName() const {
    return FNewName->text();
}

FileExistsReply TOverwrite::Ask(QWidget* owner, const TLanguage& language,
                                const FileExistsQuestion& question) {
    TOverwrite dialog(owner, language, question);
    dialog.exec();
    FileExistsReply reply{.Answer = dialog.Answer(), .NewName = {}};
    if (reply.Answer == FileExistsAnswer::Rename)
        reply.NewName = dialog.NewName();
    return reply;
}

// Escape and the window menu answer as the default button does: this file is skipped.
void TOverwrite::reject() {
    if (FAnswer == FileExistsAnswer::Ask)
        FAnswer = FileExistsAnswer::Skip;
    QDialog::reject();
}

void TOverwrite::OverwriteLanguageLanguageLoaded() {
    setWindowTitle(FLanguage.GetString(QStringLiteral("FileExistsCaption")));
    const QString message = FQuestion.Message.isEmpty()
                                ? FLanguage.GetString(QStringLiteral("FileExists"))
                                : FQuestion.Message;
    FQuestionLabel->setText(
        ReplacePlaceholder(message, u"FileName", BareFileName(FQuestion.ExistingPath)));
    FSource.Box->setTitle(FLanguage.GetString(QStringLiteral("ExistingFile")));
    FDestination.Box->setTitle(FLanguage.GetString(QStringLiteral("NewFile")));
    for (const FileBox* box : {&FSource, &FDestination}) {
        box->FolderCaption->setText(FLanguage.GetString(QStringLiteral("FileFolder")));
        box->DateCaption->setText(FLanguage.GetString(QStringLiteral("LastModified")));
        box->SizeCaption->setText(FLanguage.GetString(QStringLiteral("FileSize")));
    }
    for (const auto& [box, path, size] :
         {std::tuple{&FSource, FQuestion.ExistingPath, FQuestion.ExistingSize},
          std::tuple{&FDestination, FQuestion.NewPath, std::optional<qint64>()}}) {
        const QFileInfo info(path);
        const std::optional<qint64> shown = size ? size : info.exists() ? info.size() : size;
        box->Size->setText(shown ? FileSizeText(*shown, FLanguage) : QString());
    }
    FRenameTo->setText(FLanguage.GetString(QStringLiteral("RenameTo")));
    FRename->setText(FLanguage.GetString(QStringLiteral("Rename")));
    FSkip->setText(FLanguage.GetString(QStringLiteral("Skip")));
    FSkipAll->setText(FLanguage.GetString(QStringLiteral("SkipAll")));
    FOverwrite->setText(FLanguage.GetString(QStringLiteral("Overwrite")));
    FOverwriteAll->setText(FLanguage.GetString(QStringLiteral("OverwriteAll")));
    FRename->setToolTip(FLanguage.GetString(QStringLiteral("RenameHint")));
    FSkip->setToolTip(FLanguage.GetString(QStringLiteral("SkipHint")));
    FSkipAll->setToolTip(FLanguage.GetString(QStringLiteral("SkipAllHint")));
    FOverwrite->setToolTip(FLanguage.GetString(QStringLiteral("OverwriteHint")));
    FOverwriteAll->setToolTip(FLanguage.GetString(QStringLiteral("OverwriteAllHint")));
}

// A new name is a bare file name that no file beside the existing one has in any case.
void TOverwrite::NewNameChange() {
    const QString name = FNewName->text();
    const QString folder = QFileInfo(FQuestion.ExistingPath).absolutePath();
    FRename->setEnabled(!name.isEmpty() && !name.contains(QLatin1Char('/')) &&
                        !name.contains(QLatin1Char('\\')) &&
                        FindExistingCaseInsensitive(folder + QLatin1Char('/') + name).isEmpty());
}
