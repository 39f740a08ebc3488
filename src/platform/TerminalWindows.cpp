#include "platform/Terminal.h"

#include <cstdio>
#include <io.h>

bool StandardInputIsTerminal() {
    return _isatty(_fileno(stdin)) != 0;
}
