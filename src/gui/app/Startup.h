#pragma once

#include "platform/Services.h"

// The program's start: fixed formats, the title, the splash window unless the
// command line has more than two parameters, then the main window. Answers the
// exit status; a missing required file ends the run with status 0 before the
// main window shows.
int RunQuillroute(Services& services, int splashMs = 3000);
