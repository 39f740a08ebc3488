#pragma once

#include <QString>

class TFarFile;

// Extracts an entry of the archive into a folder named after the archive inside tempFolder,
// for its preview; the path of the extracted copy, or an empty text when it could not be
// extracted (the archive component has shown why).
QString ExtractFarItem(TFarFile& farFile, const QString& archivePath, const QString& itemName,
                       const QString& tempFolder);
