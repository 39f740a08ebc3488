#pragma once

#include "common/Interaction.h"

#include <memory>

class QWidget;
class TDkDialog;

// The Dialogkit dialog a request asks for (open, open several, save or folder), configured
// but not shown; owner is the window it is centred on. A file dialog that refuses a name in
// a missing folder says so with pathNotFoundText (Dialogkit's English text when empty).
std::unique_ptr<TDkDialog> DialogkitDialogFor(const FileDialogRequest& request, QWidget* owner,
                                              const QString& pathNotFoundText);
