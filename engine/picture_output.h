// Picking pictures from a read MP index and handing them back or saving them.
#pragma once

#include "mpo_index.h"

// Walks the entries of `index`, calling `callback` for each, and by `mode`
// hands one picture back through `outBuffer` and `outSize` (0), saves one
// (1) or saves all (2) into `saveFolder`. Returns 0 or a result code;
// `report`, when given, hears what was written and passed over.
int outputPictures(MPIndex &index, int mode, int selectNum, unsigned char **outBuffer, int *outSize,
                   const char *saveFolder, MPOStatusCallback callback, void *context, MPOSplitReport *report);
