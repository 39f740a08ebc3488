#include "platform/Terminal.h"

#include <unistd.h>

bool StandardInputIsTerminal() {
    return isatty(STDIN_FILENO) != 0;
}
