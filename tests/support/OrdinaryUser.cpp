#include "support/OrdinaryUser.h"

#include <QFile>

#include <gtest/gtest.h>

#include <filesystem>
#include <grp.h>
#include <unistd.h>

namespace {
constexpr uid_t Nobody = 65534;

void HandOver(const std::filesystem::path& path) {
    EXPECT_EQ(lchown(path.c_str(), Nobody, Nobody), 0) << path;
}
} // namespace

AsOrdinaryUser::AsOrdinaryUser() : FSwitched(geteuid() == 0 && seteuid(Nobody) == 0) {}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (FSwitched && seteuid(0) != 0)
        ADD_FAILURE() << "could not return to root";
}

void HandToOrdinaryUser(const QString& path) {
    if (geteuid() != 0)
        return;
    const std::filesystem::path root(QFile::encodeName(path).toStdString());
    HandOver(root);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        HandOver(entry.path());
}

// Only calls that are safe in a forked child of a threaded process.
void BecomeOrdinaryUserForGood() {
    if (geteuid() != 0)
        return;
    if (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)
        _exit(126);
}
