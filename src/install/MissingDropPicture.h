#pragma once

#include <QImage>
#include <QString>

class TLanguage;

// What the install tab shows when its drop picture is missing or unreadable: a 512 × 384
// navy picture that names the program and asks the user to check the options.
QImage MissingDropPicture(const TLanguage& language, const QString& prodVersion);
