#include "widgets/TTriggerEvent.h"

TTriggerEvent::TTriggerEvent(QObject* owner) : QObject(owner) {}

void TTriggerEvent::TriggerEvent(QObject* sender) {
    Q_EMIT OnTriggerEvent(sender);
}
