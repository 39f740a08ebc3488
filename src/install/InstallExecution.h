#pragma once

#include "install/InstallRequest.h"

class Interaction;
class TLanguage;

// Installs the ticked files: asks for the neighbourhood when houses or areas are among
// them, copies each file into the game folder where the game looks for its kind, resolving
// files already there by the file-exists default or by asking, records every file it
// installed in the database, and tells the user how many it copied. Texts come from
// language. A copy that fails leaves no partial target, is named in a warning and is
// neither counted nor recorded; the other files go on.
InstallResult InstallTickedFiles(const InstallRequest& request, const TLanguage& language,
                                 Interaction& interaction);
