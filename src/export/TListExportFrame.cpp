#include "export/TListExportFrame.h"

#include "common/Interaction.h"
#include "common/ProgramIdentity.h"
#include "export/ExportChoices.h"
#include "export/ExportDialogs.h"
#include "export/ExportListKinds.h"
#include "export/ExportRun.h"
#include "export/GameContentLists.h"
#include "export/ListOrderMoves.h"
#include "export/MarkupEscape.h"
#include "platform/ProgramPlaces.h"
#include "widgets/WorkerJob.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QToolButton>

#include <cmath>

namespace {
constexpr int Gap = 8;
constexpr int RowHeight = 24;
constexpr int LabelWidth = 130;
constexpr int ButtonPanelWidth = 96;
constexpr int CenterTop = 200;
constexpr int ExportButtonWidth = 120;
constexpr int ListButtonWidth = 130;
constexpr int OrderWidth = 28;
constexpr int KindRole = Qt::UserRole + 1;

struct Caption {
    QStringView CaptionKey;
    QWidget* Control;
};

template <typename Control> Control* Named(QWidget* parent, QStringView name) {
    auto* control = new Control(parent);
    control->setObjectName(name.toString());
    return control;
}

QList<QListWidgetItem*> TakeSelected(QListWidget* list) {
    QList<QListWidgetItem*> taken;
    for (int row = list->count() - 1; row >= 0; --row)
        if (list->item(row)->isSelected())
            taken.prepend(list->takeItem(row));
    return taken;
}

void MoveSelected(QListWidget* from, QListWidget* to) {
    to->clearSelection();
    for (QListWidgetItem* item : TakeSelected(from)) {
        to->addItem(item);
        item->setSelected(true);
    }
}

ContentKind KindOf(const QListWidgetItem* item) {
    return static_cast<ContentKind>(item->data(KindRole).toInt());
}

QList<OrderedList> Ordered(const QListWidget* list) {
    QList<OrderedList> entries;
    for (int row = 0; row < list->count(); ++row)
        entries.append(
            {.Kind = KindOf(list->item(row)), .Selected = list->item(row)->isSelected()});
    return entries;
}

void Reorder(QListWidget* list, const QList<OrderedList>& order) {
    QList<QListWidgetItem*> items;
    while (list->count() > 0)
        items.append(list->takeItem(0));
    for (const OrderedList& entry : order)
        for (QListWidgetItem* item : items)
            if (KindOf(item) == entry.Kind) {
                list->addItem(item);
                item->setSelected(entry.Selected);
            }
}

int Centred(int width, int childWidth) {
    return int(std::lround(width / 2.0 - childWidth / 2.0));
}
} // namespace

TListExportFrame::TListExportFrame(Interaction& interaction, QWidget* owner)
    : QWidget(owner), FInteraction(interaction), FExportLanguage(this) {
    setObjectName(QStringLiteral("ExportFrame"));
    BuildControls();
    ConnectControls();
    FillLists(ReadExportChoices(FExportLanguage, CurrentProgramPlaces()).Exported);
    connect(&FExportLanguage, &TLanguage::OnLanguageLoaded, this,
            &TListExportFrame::ExportLanguageLanguageLoaded);
    resize(640, 420);
}

void TListExportFrame::BuildControls() {
    FFileLabel = Named<QLabel>(this, u"LblFileName");
    FTemplateLabel = Named<QLabel>(this, u"LblTemplate");
    FTitleLabel = Named<QLabel>(this, u"LblListTitle");
    FLinksLabel = Named<QLabel>(this, u"LblMakeLinks");
    FDateLabel = Named<QLabel>(this, u"LblDateFormat");
    FSelectListsLabel = Named<QLabel>(this, u"SelectListsLabel");
    FEditPanel = Named<QWidget>(this, u"EditPanel");
    FFileName = Named<QLineEdit>(FEditPanel, u"FileName");
    FTemplate = Named<QLineEdit>(FEditPanel, u"Template");
    FButtonPanel = Named<QWidget>(this, u"ButtonPanel");
    FFileBrowse = Named<QPushButton>(FButtonPanel, u"FileBrowse");
    FTemplBrowse = Named<QPushButton>(FButtonPanel, u"TemplBrowse");
    FBoxPanel = Named<QWidget>(this, u"BoxPanel");
    FListName = Named<QLineEdit>(FBoxPanel, u"ListName");
    FMakeLinks = Named<QCheckBox>(FBoxPanel, u"MakeLinks");
    FShortDate = Named<QRadioButton>(FBoxPanel, u"ShortDate");
    FLongDate = Named<QRadioButton>(FBoxPanel, u"LongDate");
    FListExport = Named<QPushButton>(this, u"ListExport");
    BuildCenterPanel();

    const int rows[] = {0, 1, 2, 3, 4};
    QLabel* labels[] = {FFileLabel, FTemplateLabel, FTitleLabel, FLinksLabel, FDateLabel};
    for (const int row : rows)
        labels[row]->setGeometry(Gap, Gap + row * (RowHeight + 4), LabelWidth, RowHeight);
    FEditPanel->setGeometry(LabelWidth + Gap, Gap, 200, 2 * RowHeight + 4);
    FFileName->setGeometry(1, 0, 198, RowHeight);
    FTemplate->setGeometry(1, RowHeight + 4, 198, RowHeight);
    FButtonPanel->resize(ButtonPanelWidth, 2 * RowHeight + 4);
    FButtonPanel->move(0, Gap);
    FFileBrowse->setGeometry(0, 0, ButtonPanelWidth, RowHeight);
    FTemplBrowse->setGeometry(0, RowHeight + 4, ButtonPanelWidth, RowHeight);
    FBoxPanel->setGeometry(LabelWidth + Gap, Gap + 2 * (RowHeight + 4), 200, 4 * RowHeight + 12);
    FListName->setGeometry(1, 0, 198, RowHeight);
    FMakeLinks->setGeometry(0, RowHeight + 4, 200, RowHeight);
    FShortDate->setGeometry(0, 2 * (RowHeight + 4), 200, RowHeight);
    FLongDate->setGeometry(0, 3 * (RowHeight + 4), 200, RowHeight);
    FSelectListsLabel->setGeometry(Gap, CenterTop - RowHeight, 300, RowHeight);
    FListExport->resize(ExportButtonWidth, RowHeight + 4);
    FMakeLinks->setChecked(true);
    FLongDate->setChecked(true);
}

void TListExportFrame::BuildCenterPanel() {
    FCenterPanel = Named<QWidget>(this, u"CenterPanel");
    FLblAvailable = Named<QLabel>(FCenterPanel, u"LblAvailable");
    FLblSelected = Named<QLabel>(FCenterPanel, u"LblSelected");
    FAvailableList = Named<QListWidget>(FCenterPanel, u"AvailableList");
    FExportList = Named<QListWidget>(FCenterPanel, u"ExportList");
    for (QListWidget* list : {FAvailableList, FExportList})
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FListSelect = Named<QPushButton>(FCenterPanel, u"ListSelect");
    FListDeselect = Named<QPushButton>(FCenterPanel, u"ListDeselect");
    FSelAll = Named<QPushButton>(FCenterPanel, u"SelAll");
    FDeselAll = Named<QPushButton>(FCenterPanel, u"DeselAll");
    FListOrder = Named<QWidget>(FCenterPanel, u"ListOrder");
    FListOrderUp = Named<QToolButton>(FListOrder, u"ListOrderUp");
    FListOrderDown = Named<QToolButton>(FListOrder, u"ListOrderDown");
    FListOrderUp->setArrowType(Qt::UpArrow);
    FListOrderDown->setArrowType(Qt::DownArrow);
    FListOrder->move(0, RowHeight);
    FListOrderUp->setGeometry(0, 0, OrderWidth, RowHeight + 8);
    FListOrderDown->setGeometry(0, RowHeight + 12, OrderWidth, RowHeight + 8);
    FLblAvailable->setGeometry(Gap, 0, 200, RowHeight);
    FLblSelected->resize(200, RowHeight);
    FAvailableList->move(Gap, RowHeight);
    FExportList->move(0, RowHeight);
    FListOrder->resize(OrderWidth, 100);
    int top = RowHeight;
    for (QPushButton* button : {FListSelect, FListDeselect, FSelAll, FDeselAll}) {
        button->setGeometry(0, top, ListButtonWidth, RowHeight + 4);
        top += RowHeight + 4 + Gap;
    }
}

void TListExportFrame::ConnectControls() {
    connect(FListSelect, &QPushButton::clicked, this, &TListExportFrame::ListSelectClick);
    connect(FListDeselect, &QPushButton::clicked, this, &TListExportFrame::ListDeselectClick);
    connect(FSelAll, &QPushButton::clicked, this, &TListExportFrame::SelAllClick);
    connect(FDeselAll, &QPushButton::clicked, this, &TListExportFrame::DeselAllClick);
    connect(FListOrderUp, &QToolButton::clicked, this, &TListExportFrame::ListOrderUpClick);
    connect(FListOrderDown, &QToolButton::clicked, this, &TListExportFrame::ListOrderDownClick);
    connect(FFileBrowse, &QPushButton::clicked, this, &TListExportFrame::FileBrowseClick);
    connect(FTemplBrowse, &QPushButton::clicked, this, &TListExportFrame::TemplBrowseClick);
    connect(FListExport, &QPushButton::clicked, this, &TListExportFrame::ListExportClick);
    for (QLineEdit* edit : {FFileName, FTemplate})
        connect(edit, &QLineEdit::textChanged, this, &TListExportFrame::UpdateExportControls);
}

void TListExportFrame::FillLists(const QList<ContentKind>& exported) {
    const auto add = [](QListWidget* list, ContentKind kind) {
        auto* item = new QListWidgetItem(list);
        item->setData(KindRole, ContentKindValue(kind));
    };
    for (const ContentKind kind : exported)
        add(FExportList, kind);
    for (const ContentKind kind : AvailableListKinds(exported))
        add(FAvailableList, kind);
}

void TListExportFrame::ExportLanguageLanguageLoaded() {
    const Caption captions[] = {
        {.CaptionKey = u"Filename", .Control = FFileLabel},
        {.CaptionKey = u"Template", .Control = FTemplateLabel},
        {.CaptionKey = u"ListTitle", .Control = FTitleLabel},
        {.CaptionKey = u"MakeLinks", .Control = FLinksLabel},
        {.CaptionKey = u"MakeLinksYes", .Control = FMakeLinks},
        {.CaptionKey = u"DateFormat", .Control = FDateLabel},
        {.CaptionKey = u"DateShort", .Control = FShortDate},
        {.CaptionKey = u"DateLong", .Control = FLongDate},
        {.CaptionKey = u"Browse", .Control = FFileBrowse},
        {.CaptionKey = u"Browse", .Control = FTemplBrowse},
        {.CaptionKey = u"SelectLists", .Control = FSelectListsLabel},
        {.CaptionKey = u"ListsAvailable", .Control = FLblAvailable},
        {.CaptionKey = u"ListsSelected", .Control = FLblSelected},
        {.CaptionKey = u"ListSelect", .Control = FListSelect},
        {.CaptionKey = u"ListDeselect", .Control = FListDeselect},
        {.CaptionKey = u"ListSelectAll", .Control = FSelAll},
        {.CaptionKey = u"ListDeselectAll", .Control = FDeselAll},
        {.CaptionKey = u"ExportList", .Control = FListExport},
    };
    for (const Caption& caption : captions)
        caption.Control->setProperty("text",
                                     FExportLanguage.GetString(caption.CaptionKey.toString()));
    for (QListWidget* list : {FAvailableList, FExportList})
        for (int row = 0; row < list->count(); ++row)
            for (const ExportListKind& known : ExportListKinds())
                if (known.Kind == KindOf(list->item(row)))
                    list->item(row)->setText(
                        FExportLanguage.GetString(QString::fromUtf16(known.TitleKey)));
    ApplyStoredChoices();
}

void TListExportFrame::ApplyStoredChoices() {
    const ExportChoices choices = ReadExportChoices(FExportLanguage, CurrentProgramPlaces());
    FFileName->setText(QDir::toNativeSeparators(choices.OutputFile));
    FTemplate->setText(QDir::toNativeSeparators(choices.TemplateFile));
    FListName->setText(choices.Title);
    FMakeLinks->setChecked(choices.Links);
    FLongDate->setChecked(choices.LongDate);
    FShortDate->setChecked(!choices.LongDate);
    UpdateExportControls();
}

void TListExportFrame::UpdateExportControls() {
    const QString templateFile = QDir(ProgramFilesFolder()).absoluteFilePath(FTemplate->text());
    FListExport->setEnabled(!FFileName->text().isEmpty() && !FTemplate->text().isEmpty() &&
                            QFileInfo(templateFile).isFile() && FExportList->count() > 0);
    FMakeLinks->setEnabled(IsMarkupFile(FFileName->text()));
}

void TListExportFrame::ListSelectClick() {
    MoveSelected(FAvailableList, FExportList);
    UpdateExportControls();
}

void TListExportFrame::ListDeselectClick() {
    MoveSelected(FExportList, FAvailableList);
    UpdateExportControls();
}

void TListExportFrame::SelAllClick() {
    FAvailableList->selectAll();
    ListSelectClick();
}

void TListExportFrame::DeselAllClick() {
    FExportList->selectAll();
    ListDeselectClick();
}

void TListExportFrame::ListOrderUpClick() {
    QList<OrderedList> order = Ordered(FExportList);
    MoveSelectedUp(order);
    Reorder(FExportList, order);
}

void TListExportFrame::ListOrderDownClick() {
    QList<OrderedList> order = Ordered(FExportList);
    MoveSelectedDown(order);
    Reorder(FExportList, order);
}

void TListExportFrame::FileBrowseClick() {
    const FileDialogAnswer answer =
        FInteraction.AskForPaths(ListFileDialog(FExportLanguage, FFileName->text()));
    if (answer.Confirmed && !answer.Paths.isEmpty())
        FFileName->setText(QDir::toNativeSeparators(answer.Paths.first()));
}

void TListExportFrame::TemplBrowseClick() {
    const FileDialogAnswer answer =
        FInteraction.AskForPaths(TemplateFileDialog(FExportLanguage, FTemplate->text()));
    if (answer.Confirmed && !answer.Paths.isEmpty())
        FTemplate->setText(QDir::toNativeSeparators(answer.Paths.first()));
}

QList<ContentKind> TListExportFrame::ExportedKinds() const {
    QList<ContentKind> kinds;
    for (int row = 0; row < FExportList->count(); ++row)
        kinds.append(KindOf(FExportList->item(row)));
    return kinds;
}

void TListExportFrame::ListExportClick() {
    const ExportJob job{.Choices = {.Exported = ExportedKinds(),
                                    .OutputFile = FFileName->text(),
                                    .TemplateFile = FTemplate->text(),
                                    .Title = FListName->text(),
                                    .Links = FMakeLinks->isChecked(),
                                    .LongDate = FLongDate->isChecked()},
                        .Places = CurrentProgramPlaces(),
                        .ProdVersion = FProdVersion,
                        .Website = ProgramWebsite.toString(),
                        .Confirmed = false};
    const GameContentPlaces places{
        .GameFolder = FVocksPath, .DataFolder = DataFolder(), .TempFolder = FTempFolder};
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    RunWorkerJob(
        *this, FInteraction,
        [this, job, places](Interaction& worker) {
            GameContentLists lists(places, worker, FExportLanguage);
            RunExport(job, lists, worker, FExportLanguage);
        },
        [](bool) { QGuiApplication::restoreOverrideCursor(); });
}

void TListExportFrame::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FrameResize();
}

void TListExportFrame::FrameResize() {
    FButtonPanel->move(width() - FButtonPanel->width(), FButtonPanel->y());
    FListExport->move(width() - FListExport->width(), height() - FListExport->height() - 4);
    FEditPanel->resize(FButtonPanel->x() - FEditPanel->x() - 4, FEditPanel->height());
    FBoxPanel->resize(width() - FBoxPanel->x() - Gap, FBoxPanel->height());
    FCenterPanel->setGeometry(0, CenterTop, width(), FListExport->y() - CenterTop - 4);
    FFileName->resize(FEditPanel->width() - 2, FFileName->height());
    FTemplate->resize(FEditPanel->width() - 2, FTemplate->height());
    FListName->resize(FBoxPanel->width() - 2, FListName->height());
    for (QWidget* box : std::initializer_list<QWidget*>{FMakeLinks, FShortDate, FLongDate})
        box->resize(FBoxPanel->width(), box->height());

    const int clientWidth = FCenterPanel->width();
    const int clientHeight = FCenterPanel->height();
    FListOrder->move(clientWidth - Gap - FListOrder->width(), FListOrder->y());
    for (QPushButton* button : {FSelAll, FListSelect, FListDeselect, FDeselAll})
        button->move(Centred(clientWidth, button->width()), button->y());
    FAvailableList->resize(FSelAll->x() - FAvailableList->x() - Gap, FAvailableList->height());
    FExportList->move(FSelAll->x() + FSelAll->width() + Gap, FExportList->y());
    FExportList->resize(FListOrder->x() - FExportList->x() - Gap, FExportList->height());
    FLblSelected->move(FExportList->x(), FLblSelected->y());
    for (QWidget* tall : std::initializer_list<QWidget*>{FAvailableList, FExportList, FListOrder})
        tall->resize(tall->width(), clientHeight - tall->y());
    const int selAllTop = std::max(clientHeight - FDeselAll->height() - Gap - FSelAll->height(),
                                   FListDeselect->y() + FListDeselect->height() + Gap);
    FSelAll->move(FSelAll->x(), selAllTop);
    FDeselAll->move(FDeselAll->x(), selAllTop + FSelAll->height() + Gap);
}
