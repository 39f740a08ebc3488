#include "removal/FarItemExtraction.h"

#include "common/PathRules.h"
#include "formats/TFarFile.h"
#include "platform/FileKind.h"

#include <QDir>

QString ExtractFarItem(TFarFile& farFile, const QString& archivePath, const QString& itemName,
                       const QString& tempFolder) {
    const QString folder = WithTrailingSeparator(tempFolder) + BareFileName(archivePath);
    // The bare name: an entry named with folders must not lead out of the folder.
    const QString target = folder + QLatin1Char('/') + BareFileName(itemName);
    bool extracted = false;
    if (IsRegularFile(archivePath) && QDir().mkpath(folder) && farFile.LoadFile(archivePath)) {
        const int index = farFile.IndexOf(itemName);
        extracted = index >= 0 && farFile.Extract(index, target);
    }
    farFile.Close();
    return extracted ? target : QString();
}
