#pragma once

// The result row moved beside the state it is taken from.
#include "monitor/leg_result.h"
