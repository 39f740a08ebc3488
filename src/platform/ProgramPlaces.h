#pragma once

#include <QString>

// Where the program's files live. Both folders end in a separator.
struct ProgramPlaces {
    // Read-only files the program ships: language files, templates, Readme.txt, the picture.
    QString Files;
    // What the program writes: files.iff, QuarnFiles.iff, operations/, default exports.
    QString Data;

    bool operator==(const ProgramPlaces&) const = default;
};

// What the layout is decided from.
struct ProgramSurroundings {
    // PACKWRIGHT_HOME; empty when unset.
    QString HomeOverride;
    QString ExecutableFolder;
    // The prefix the program was built to be installed below.
    QString InstallPrefix;
    // The shipped files' folder relative to the executable's once installed.
    QString FilesFromExecutable;
    // $XDG_DATA_HOME, or ~/.local/share.
    QString UserDataFolder;
};

// PACKWRIGHT_HOME holds everything when set. Otherwise the executable's folder does (the
// portable layout) when it already holds files.iff, so that records are never left behind,
// or when it is writable and not below the install prefix. Otherwise the program is
// installed: shipped files beside the prefix's share/, written data in the user's data
// folder, made when missing.
ProgramPlaces ResolveProgramPlaces(const ProgramSurroundings& surroundings);

// This run's places: the layout is decided once; PACKWRIGHT_HOME is read on every call so
// that tests can point each case at a folder of its own.
ProgramPlaces CurrentProgramPlaces();
QString ProgramFilesFolder();
QString DataFolder();
