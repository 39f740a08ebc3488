#pragma once

#include "common/PackwrightError.h"

#include <QDir>
#include <QFileDevice>

// A file that could not be opened, with the system's own reason.
class EFileOpenError : public EPackwrightError {
public:
    explicit EFileOpenError(const QFileDevice& file)
        : EPackwrightError(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.fileName()),
                                                        file.errorString())) {}
};
