#include "farpack/PackSteps.h"

#include "farpack/BackupMove.h"
#include "fileutil/FileCopy.h"
#include "fileutil/FileIdentity.h"

#include <QFileInfo>
#include <QRandomGenerator>

namespace {
// A fresh hidden name beside path that no file search for objects lists.
QString KeepPathBeside(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    QString kept;
    do {
        kept = QStringLiteral("%1/.packwright-%2.keep")
                   .arg(folder)
                   .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    } while (QFileInfo::exists(kept));
    return kept;
}
} // namespace

bool PackSteps::KeepOldBytes(const QString& file) {
    if (!QFileInfo::exists(file)) {
        FDone.push_back({StepKind::Created, file, {}});
        return true;
    }
    const QString kept = KeepPathBeside(file);
    if (CopyFileReplacing(file, kept) == QFileInfo(file).size()) {
        FDone.push_back({StepKind::Copied, file, kept});
        return true;
    }
    RemoveWritable(kept);
    return false;
}

bool PackSteps::Move(const QString& source, const QString& target) {
    const size_t before = FDone.size();
    if (!SetAside(target))
        return false;
    if (MoveToBackup(source, target)) {
        FDone.push_back({StepKind::Moved, target, source});
        return true;
    }
    if (FDone.size() > before) {
        Undo(FDone.back());
        FDone.pop_back();
    }
    return false;
}

bool PackSteps::SetAside(const QString& target) {
    const QFileInfo info(target);
    if (!info.exists() && !info.isSymLink())
        return true;
    if (!info.isFile() && !info.isSymLink())
        return false;
    const QString kept = KeepPathBeside(target);
    if (!RenameOver(target, kept))
        return false;
    FDone.push_back({StepKind::SetAside, target, kept});
    return true;
}

void PackSteps::UndoAll() {
    for (auto step = FDone.rbegin(); step != FDone.rend(); ++step)
        Undo(*step);
    FDone.clear();
}

// A file set aside returns only to a free place: what stands there may be the only copy
// of a file that could not be moved back.
void PackSteps::Undo(const Step& step) {
    switch (step.Kind) {
    case StepKind::Created:
        RemoveWritable(step.Path);
        break;
    case StepKind::Copied:
        RenameOver(step.Other, step.Path);
        break;
    case StepKind::SetAside:
        if (!QFileInfo::exists(step.Path))
            RenameOver(step.Other, step.Path);
        break;
    case StepKind::Moved:
        MoveToBackup(step.Path, step.Other);
        break;
    }
}

void PackSteps::Commit() {
    for (const Step& step : FDone) {
        if (step.Kind == StepKind::Copied || step.Kind == StepKind::SetAside)
            RemoveWritable(step.Other);
    }
    FDone.clear();
}
