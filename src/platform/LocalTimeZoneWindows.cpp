#include "platform/LocalTimeZone.h"

void ReadLocalTimeZoneOnce() {}
