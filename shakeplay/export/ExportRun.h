// An export from start to end: the document read and set up, the frames drawn by its ticks on
// a pbuffer and written on a second thread, or one frame written as a .vtu file. Messages go
// to standard error, the summary to standard output; the exit code is 0 or 1.
#pragma once

#include "shakeplay/export/ExportOptions.h"

namespace shakeplay::exporting {

int runExport(const ExportOptions& options);

}  // namespace shakeplay::exporting
