#include "platform/DriveRoots.h"

std::optional<QStringList> SystemDriveRoots() {
    return std::nullopt;
}
