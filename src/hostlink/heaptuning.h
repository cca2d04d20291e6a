// A heap policy for processes that pass the host link's blocks of data; each program's main chooses it.
#pragma once

// The host link passes blocks of data through the program, several copies per message. By default
// the C library hands the top of the heap back to the system after each and faults it in again,
// zeroed, for the next: most of the time of a large message. This keeps some of it. Called once,
// before the message loop that receives the blocks.
void keepHeapForLinkBlocks();
