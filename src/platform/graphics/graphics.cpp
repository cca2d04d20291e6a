// The meta-object data of the drawing enums is generated from graphics.h; nothing else lives here.
#include "platform/graphics/graphics.h"
