#pragma once

#include <QString>

// Root passes every permission check, so a test of permissions that runs as root hands its
// files to nobody and acts as nobody. Run as anybody else, both do nothing.
class AsOrdinaryUser {
public:
    AsOrdinaryUser();
    ~AsOrdinaryUser();
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    bool FSwitched;
};

// Makes nobody the owner of path and everything in it; links themselves, never their targets.
void HandToOrdinaryUser(const QString& path);

// For a child process between fork and exec: run by root, it becomes nobody for good, since
// programs refuse to run with an effective user other than the real one.
void BecomeOrdinaryUserForGood();
