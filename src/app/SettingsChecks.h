#pragma once

#include <QString>

// The checks the options run before they accept, apply or save a value.

enum class PictureVerdict { Accepted, TooSmall, Unreadable };

// The drop picture must load (see ReadDropPicture) and be at least 256 pixels each way.
PictureVerdict CheckPicture(const QString& path);

// The language file must exist.
bool IsLanguageFile(const QString& path);

// A game folder text with a trailing separator: one is added unless it ends in "\" or "/".
// An empty text stays empty.
QString GameFolderText(const QString& text);

// The game folder must hold the game's program file.
bool IsGameFolder(const QString& folder);
