#include "app/EventErrorGuard.h"

#include "common/Interaction.h"
#include "common/PackwrightError.h"

#include <exception>

bool DeliverShowingErrors(const std::function<bool()>& deliver, Interaction& interaction) {
    try {
        return deliver();
    } catch (const EPackwrightError& error) {
        interaction.Fail(error.Text());
    } catch (const std::exception& error) {
        interaction.Fail(QString::fromLocal8Bit(error.what()));
    }
    return false;
}
