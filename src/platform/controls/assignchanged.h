// assignChanged lives in the graphics library, below every setter that uses it.
#pragma once

#include "platform/graphics/assignchanged.h"
