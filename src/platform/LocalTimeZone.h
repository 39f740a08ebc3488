#pragma once

// Lets the system read the local time zone once for the life of the process. Where no zone
// is named in the environment, the C library looks at the zone file again on every
// conversion to local time, which a listing of many dated files does thousands of times;
// naming the system's zone file keeps the same zone and reads it once. A zone the user
// named is left as it is; where the system has no such cost this does nothing.
void ReadLocalTimeZoneOnce();
