#include "removal/ContentNameOrder.h"

bool ComesBeforeByName(QStringView name, QStringView other) {
    return name.compare(other, Qt::CaseInsensitive) < 0;
}
