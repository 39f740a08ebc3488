#pragma once

#include <QString>

// The program's own version.
inline constexpr QStringView ProdVersion = u"0.4.0b";

// The day of the latest update in the user's long date format, first letter capital.
QString LastUpdateText();
