#pragma once

// Whether standard input is a terminal that a person can answer questions on.
bool StandardInputIsTerminal();
