#pragma once

#include <QString>

class TMainForm;

// Saves a picture of every tab and of the about box into folder as PNG files, then closes
// the window: a way to look at the program without a desktop.
void RunScreenshotTour(TMainForm& form, const QString& folder);
