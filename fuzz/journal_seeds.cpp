#include "FuzzSeeds.h"
#include "journal/JournalFormat.h"

std::vector<QByteArray> FuzzSeeds() {
    const QByteArray header = HeaderLine({.Kind = OperationKind::Install,
                                          .Time = QDateTime(QDate(2026, 12, 7), QTime(17, 30)),
                                          .Comment = QStringLiteral("tab\there")});
    QByteArray steps;
    int number = 0;
    for (const StepKind kind : {StepKind::Folder, StepKind::Create, StepKind::Replace,
                                StepKind::Remove, StepKind::Rewrite})
        steps += StepLine(
            {.Kind = kind,
             .Number = ++number,
             .Path = QStringLiteral("/game/GameData/UserObjects/caf\u00e9\\%1.iff").arg(number)});
    // A name with a stray byte, as a download unpacked under another code page leaves it.
    steps += StepLine(
        {.Kind = StepKind::Remove,
         .Number = ++number,
         .Path = QStringLiteral("/game/Downloads/caf") + QChar(0xDCE9) + QStringLiteral(".iff")});
    steps += StepLine({.Kind = StepKind::Move,
                       .Number = ++number,
                       .Path = QStringLiteral("/game/Downloads/lamp.iff"),
                       .Target = QStringLiteral("/backup/lamp\tnew.iff")});
    const QByteArray written =
        WrittenLine(2, {.Size = 14, .ModifiedMs = 1733592600123, .Hash = QByteArray(32, '\x5a')});
    return {header + steps + CommitLine(), header + steps.left(steps.size() - 7),
            header + steps + written + CommitLine() + UndoLine(),
            HeaderLine({.Kind = OperationKind::FarPack, .Time = {}, .Comment = {}})};
}
