#pragma once

#include "formats/TFarFile.h"
#include "support/FarFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

// An archive component in a temporary folder, reporting to a ScriptedInteraction.
class FarFileTest : public ::testing::Test {
protected:
    static QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

    TempFolder FFolder;
    ScriptedInteraction FUser;
    TFarFile FFar{FUser};
};

inline const QByteArray LampData("lamp bytes");
inline const QByteArray ChairData("chair, a little longer");
inline const QByteArray TableData(3000, 't');
