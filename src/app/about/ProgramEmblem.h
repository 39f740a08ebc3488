#pragma once

#include <QPixmap>

// The program's emblem, a parcel, drawn at the given size in pixels (square).
QPixmap ProgramEmblem(int size);
