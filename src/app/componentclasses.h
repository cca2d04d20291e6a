// Makes the component classes of the program's stored layouts known to the layout reader.
#pragma once

void registerKyveloComponents();
