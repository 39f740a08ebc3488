#pragma once

#include <QFileDialog>

// Shaping steps the file and folder dialogs share. Every Dialogkit dialog is Qt's own
// widget dialog rather than the platform's, so it looks and behaves the same everywhere
// and honours every option.

// Points the dialog at path: an existing folder opens there; anything else opens in its
// folder (or the nearest one that exists) with its name filled in.
void OpenAt(QFileDialog& dialog, const QString& path);

// Takes away the places bar, the side list of common folders.
void RemovePlacesBar(QFileDialog& dialog);
