#include "fileutil/PartialFile.h"

#include "fileutil/FileIdentity.h"

#include <QFileInfo>
#include <QRandomGenerator>

PartialFile::~PartialFile() {
    if (FCommitted || FFile.fileName().isEmpty())
        return;
    FFile.close();
    // The partial file may already carry a source's read-only attribute, which Windows
    // refuses to delete: it gets write permission back first.
    FFile.setPermissions(FFile.permissions() | QFileDevice::WriteOwner);
    FFile.remove();
}

// A named file rather than a QTemporaryFile: that one starts unnamed on Linux and costs
// three more file-system operations to be given a name, which doubled the time of writing
// thousands of small files.
bool PartialFile::Open() {
    constexpr int Attempts = 16;
    const QString folder = QFileInfo(FTarget).absolutePath();
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        FFile.setFileName(
            QStringLiteral("%1/.packwright-%2.part")
                .arg(folder)
                .arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
        if (FFile.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        if (!FFile.exists())
            break;
    }
    FError = FFile.errorString();
    FFile.setFileName(QString());
    return false;
}

bool PartialFile::Commit() {
    FFile.close();
    FCommitted = RenameOver(FFile.fileName(), FTarget, &FError);
    return FCommitted;
}
