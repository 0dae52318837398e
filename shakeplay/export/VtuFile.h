// A surface frame as a VTK XML unstructured grid (.vtu, ASCII): triangles, with the colour
// value, the displacement vector and the chosen component as point data, for ParaView.
#pragma once

#include <ostream>
#include <string>

#include "shakeplay/export/SurfaceFrame.h"

namespace shakeplay::exporting {

void writeVtu(std::ostream& out, const SurfaceFrame& surface);
// Throws ExportError naming the file when it cannot be written.
void writeVtuFile(const std::string& path, const SurfaceFrame& surface);

}  // namespace shakeplay::exporting
