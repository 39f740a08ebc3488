#pragma once

#include "widgets/TickState.h"

#include <QPixmap>

// The state images of content trees: a red cross, a grey tick and a green tick; a null
// pixmap for None.
QPixmap TickStateImage(TickState state);
