// The stored layouts, language file and glyphs compiled into the program's static library.
#pragma once

// Makes them reachable under ":/layouts"; without a call the linker would drop them. Idempotent.
void initLayoutResources();
