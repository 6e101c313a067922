#pragma once

// Has the allocator keep freed blocks as large as a decoded page for reuse,
// instead of handing them back to the system and mapping fresh ones later.
//
// A reader turning pages reuses the memory of the page it dropped, so its
// turns touch no fresh memory. A benchmark that takes turns between the engine
// and a bare decoder breaks that pattern: with the allocator's defaults the
// page-sized blocks go back to the system and come back fresh at every switch,
// and on a virtual machine faulting in 19 MB can cost several decodes. Call it
// first thing in main, before anything large is allocated.
void KeepFreedPageSizedBlocks();
