#pragma once

// Where the build was configured to be installed, filled in by CMake.
extern const char* const InstallPrefix;
// The folder of the shipped program files, relative to the installed executables' folder.
extern const char* const SharedFilesFromExecutable;
