#include "shakeplay/export/VtuFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "shakeplay/export/FrameWriter.h"

namespace shakeplay::exporting {
namespace {

constexpr int kVtkTriangle = 5;

// Floats with enough digits to read back the same float.
class FloatText {
 public:
  explicit FloatText(std::ostream& out) : out_(out), precision_(out.precision(9)) {}
  ~FloatText() { out_.precision(precision_); }
  FloatText(const FloatText&) = delete;
  FloatText& operator=(const FloatText&) = delete;

 private:
  std::ostream& out_;
  std::streamsize precision_;
};

template <class Values, class Write>
void dataArray(std::ostream& out, const char* type, const std::string& name, int components,
               const Values& values, Write write) {
  out << "        <DataArray type=\"" << type << "\"";
  if (!name.empty()) out << " Name=\"" << name << "\"";
  if (components > 1) out << " NumberOfComponents=\"" << components << "\"";
  out << " format=\"ascii\">\n";
  for (const auto& value : values) {
    out << "          ";
    write(value);
    out << '\n';
  }
  out << "        </DataArray>\n";
}

}  // namespace

void writeVtu(std::ostream& out, const SurfaceFrame& surface) {
  const FloatText precision(out);
  const auto triple = [&out](const auto& v) { out << v[0] << ' ' << v[1] << ' ' << v[2]; };
  const auto single = [&out](const auto& v) { out << v; };
  out << "<?xml version=\"1.0\"?>\n"
      << "<VTKFile type=\"UnstructuredGrid\" version=\"1.0\" byte_order=\"LittleEndian\" "
         "header_type=\"UInt64\">\n"
      << "  <UnstructuredGrid>\n"
      << "    <Piece NumberOfPoints=\"" << surface.points.size() << "\" NumberOfCells=\""
      << surface.triangles.size() << "\">\n"
      << "      <PointData Scalars=\"colour value\" Vectors=\"displacement\">\n";
  dataArray(out, "Float32", "colour value", 1, surface.colourValue, single);
  dataArray(out, "Float32", "displacement", 3, surface.displacement, triple);
  dataArray(out, "Float32", surface.componentName, 1, surface.component, single);
  out << "      </PointData>\n      <Points>\n";
  dataArray(out, "Float32", "", 3, surface.points, triple);
  out << "      </Points>\n      <Cells>\n";
  dataArray(out, "Int32", "connectivity", 1, surface.triangles, triple);
  std::vector<std::int64_t> offsets(surface.triangles.size());
  for (std::size_t i = 0; i < offsets.size(); ++i) offsets[i] = 3 * static_cast<std::int64_t>(i + 1);
  dataArray(out, "Int64", "offsets", 1, offsets, single);
  const std::vector<int> types(surface.triangles.size(), kVtkTriangle);
  dataArray(out, "UInt8", "types", 1, types, single);
  out << "      </Cells>\n    </Piece>\n  </UnstructuredGrid>\n</VTKFile>\n";
}

void writeVtuFile(const std::string& path, const SurfaceFrame& surface) {
  std::ofstream out(path);
  if (!out) throw ExportError("cannot write " + path + ": " + std::strerror(errno));
  writeVtu(out, surface);
  out.flush();
  if (!out) throw ExportError("cannot write " + path + ": " + std::strerror(errno));
}

}  // namespace shakeplay::exporting
