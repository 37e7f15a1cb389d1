#pragma once
// Start-up's settings and data-file tables (app/files/startup.h), under the name other code
// builds against.

#include "app/files/startup.h"
