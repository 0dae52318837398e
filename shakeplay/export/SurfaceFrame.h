// One frame of the animation as a surface for other programs: the points as the model view
// draws them, the shown triangles, and per point the colour value, the displacement and the
// chosen component of the displacement.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace shakeplay {
class CShakeplayDoc;
}

namespace shakeplay::exporting {

struct SurfaceFrame {
  std::vector<std::array<float, 3>> points;            // where the file puts them, moved as drawn
  std::vector<std::array<std::int32_t, 3>> triangles;  // indices into points
  std::vector<float> colourValue;                      // the value that picks the colour, 0 .. 250
  std::vector<std::array<float, 3>> displacement;      // in the model's units, without the coefficient
  std::vector<float> component;                        // X, Y, Z or the magnitude of the displacement
  std::string componentName;                           // "displacement X" .. "displacement magnitude"
};

// Frame `index` (0: the first the animation shows) of a loaded document whose settings are
// made: only the points that triangles use, moved by the document's coefficient when it draws
// the deformed shape. The document's own animation is left as it is; no view is drawn.
SurfaceFrame surfaceAtFrame(const CShakeplayDoc& doc, int index);

}  // namespace shakeplay::exporting
