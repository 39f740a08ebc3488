#pragma once

#include <functional>

class Interaction;

// Runs the delivery of one event. An exception that escapes it is shown in an error box and
// the event counts as not handled, so the program goes on.
bool DeliverShowingErrors(const std::function<bool()>& deliver, Interaction& interaction);
