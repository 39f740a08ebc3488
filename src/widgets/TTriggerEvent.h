#pragma once

#include <QObject>

// Lets a frame ask its owner window to act without knowing it: the frame calls
// TriggerEvent, the owner connects to OnTriggerEvent. With nothing connected the call
// does nothing.
class TTriggerEvent : public QObject {
    Q_OBJECT

public:
    explicit TTriggerEvent(QObject* owner = nullptr);

    void TriggerEvent(QObject* sender);

Q_SIGNALS:
    void OnTriggerEvent(QObject* sender);
};
