#pragma once

#include "common/Interaction.h"

class TLanguage;

// The save dialog of the output file: HTML, XML and text lists.
FileDialogRequest ListFileDialog(const TLanguage& language, const QString& current);

// The open dialog of the template: the same types without the XML entry.
FileDialogRequest TemplateFileDialog(const TLanguage& language, const QString& current);
