#include "app/StripStops.h"

bool StripStops::IsMessageStop(int position, int scrollLength) const {
    return position >= FirstStop() && position < scrollLength &&
           (position - FirstStop()) % Pitch() == 0;
}

bool StripStops::InSteppingRange(int position, int scrollLength) const {
    return position >= FirstStop() && position <= scrollLength - FLineHeight;
}
