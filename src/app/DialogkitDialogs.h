#pragma once

#include "common/Interaction.h"

#include <memory>

class QWidget;
class TDkDialog;

// The Dialogkit dialog a request asks for (open, open several, save or folder), configured
// but not shown; owner is the window it is centred on.
std::unique_ptr<TDkDialog> DialogkitDialogFor(const FileDialogRequest& request, QWidget* owner);
