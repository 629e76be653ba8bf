// Memory for pictures that the viewer loads again and again.
#pragma once

// Pictures of several megabytes are loaded one after another as the user
// steps through a file. By default the C library maps each such block fresh
// from the kernel (a page fault for every 4 KiB as it fills) and unmaps it on
// release; keeping large blocks in the heap lets the next picture reuse
// memory that is already mapped. Called once at start-up.
void keepPictureMemoryForReuse();
