#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

// Root may read, write and delete anything, so while this lives a test run as root acts as
// nobody; an ordinary user stays who they are.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : FSwitched(geteuid() == 0 && seteuid(65534) == 0) {}
    ~AsOrdinaryUser() {
        if (FSwitched && seteuid(0) != 0)
            ADD_FAILURE() << "could not return to root";
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    bool FSwitched;
};
