#pragma once
// The day series and its indicators (app/series/day_series.h), under the name other code
// builds against.

#include "app/series/day_series.h"
