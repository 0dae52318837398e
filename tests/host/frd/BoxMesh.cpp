#include "tests/host/frd/BoxMesh.h"

#include <algorithm>
#include <map>
#include <sstream>

namespace host::results::test {
namespace {

struct Pair {
  int a, b;  // element-local corners, counted from 0, in ccx's input order
};

// The mid-edge nodes of ccx's quadratic elements, in the order its input lists them.
const std::vector<Pair>& midEdges(Cell cell) {
  static const std::vector<Pair> hex{{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {5, 6},
                                     {6, 7}, {7, 4}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};
  static const std::vector<Pair> wedge{{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5},
                                       {5, 3}, {0, 3}, {1, 4}, {2, 5}};
  static const std::vector<Pair> tet{{0, 1}, {1, 2}, {2, 0}, {0, 3}, {1, 3}, {2, 3}};
  static const std::vector<Pair> quad{{0, 1}, {1, 2}, {2, 3}, {3, 0}};
  static const std::vector<Pair> tri{{0, 1}, {1, 2}, {2, 0}};
  static const std::vector<Pair> none;
  switch (cell) {
    case Cell::Hex20:
      return hex;
    case Cell::Wedge15:
      return wedge;
    case Cell::Tet10:
      return tet;
    case Cell::Quad8:
      return quad;
    case Cell::Tri6:
      return tri;
    default:
      return none;
  }
}

Cell linearOf(Cell cell) {
  switch (cell) {
    case Cell::Hex20:
      return Cell::Hex8;
    case Cell::Wedge15:
      return Cell::Wedge6;
    case Cell::Tet10:
      return Cell::Tet4;
    case Cell::Quad8:
      return Cell::Quad4;
    case Cell::Tri6:
      return Cell::Tri3;
    default:
      return cell;
  }
}

bool isShell(Cell cell) {
  const Cell l = linearOf(cell);
  return l == Cell::Quad4 || l == Cell::Tri3;
}

using Corner = std::array<int, 3>;  // grid position of a corner

double signedVolume(const std::vector<Corner>& c) {
  const auto d = [&](int i, int a) { return static_cast<double>(c[i][a] - c[0][a]); };
  return d(1, 0) * (d(2, 1) * d(3, 2) - d(2, 2) * d(3, 1)) -
         d(1, 1) * (d(2, 0) * d(3, 2) - d(2, 2) * d(3, 0)) +
         d(1, 2) * (d(2, 0) * d(3, 1) - d(2, 1) * d(3, 0));
}

// The linear elements of one grid cell with its lowest corner at (i, j, k), as grid corners.
std::vector<std::vector<Corner>> cellElements(Cell linear, int i, int j, int k) {
  const auto at = [&](int x, int y, int z) { return Corner{i + x, j + y, k + z}; };
  switch (linear) {
    case Cell::Hex8:
      return {{at(0, 0, 0), at(1, 0, 0), at(1, 1, 0), at(0, 1, 0), at(0, 0, 1), at(1, 0, 1), at(1, 1, 1),
               at(0, 1, 1)}};
    case Cell::Wedge6:  // the cell cut along its diagonal from (0, 0) to (1, 1)
      return {{at(0, 0, 0), at(1, 0, 0), at(1, 1, 0), at(0, 0, 1), at(1, 0, 1), at(1, 1, 1)},
              {at(0, 0, 0), at(1, 1, 0), at(0, 1, 0), at(0, 0, 1), at(1, 1, 1), at(0, 1, 1)}};
    case Cell::Tet4: {  // six tetrahedra around the diagonal from (0, 0, 0) to (1, 1, 1)
      std::vector<std::vector<Corner>> tets;
      std::array<int, 3> axes{0, 1, 2};
      do {
        Corner first{}, second{};
        first[axes[0]] = 1;
        second[axes[0]] = second[axes[1]] = 1;
        std::vector<Corner> t{at(0, 0, 0), at(first[0], first[1], first[2]),
                              at(second[0], second[1], second[2]), at(1, 1, 1)};
        if (signedVolume(t) < 0) std::swap(t[1], t[2]);
        tets.push_back(t);
      } while (std::next_permutation(axes.begin(), axes.end()));
      return tets;
    }
    case Cell::Quad4:
      return {{at(0, 0, 0), at(1, 0, 0), at(1, 1, 0), at(0, 1, 0)}};
    case Cell::Tri3:
      return {{at(0, 0, 0), at(1, 0, 0), at(1, 1, 0)}, {at(0, 0, 0), at(1, 1, 0), at(0, 1, 0)}};
    default:
      return {};
  }
}

}  // namespace

const char* ccxName(Cell cell) {
  static const char* const names[] = {"C3D8",  "C3D20", "C3D6", "C3D15", "C3D4",
                                      "C3D10", "S4",    "S8",   "S3",    "S6"};
  return names[static_cast<int>(cell)];
}

int frdType(Cell cell) {
  static const int types[] = {1, 4, 2, 5, 3, 6, 9, 10, 7, 8};
  return types[static_cast<int>(cell)];
}

BoxMesh boxMesh(Cell cell, std::array<int, 3> cells, std::array<double, 3> size, bool sheared) {
  BoxMesh mesh{cell, {}, {}, {}, size};
  if (isShell(cell)) cells[2] = 0;
  // Nodes are kept at twice the grid resolution so that mid-edge nodes have whole positions.
  std::map<std::array<int, 3>, int> nodeAt;
  const auto node = [&](std::array<int, 3> twice) {
    const auto [found, added] = nodeAt.emplace(twice, static_cast<int>(mesh.nodes.size()));
    if (added) {
      std::array<double, 3> p{};
      for (int a = 0; a < 3; ++a) p[a] = cells[a] > 0 ? size[a] * twice[a] / (2.0 * cells[a]) : 0.0;
      mesh.unsheared.push_back(p);
      mesh.nodes.push_back(sheared ? std::array<double, 3>{p[0] + 0.2 * p[1], p[1] + 0.1 * p[2], p[2]} : p);
    }
    return found->second;
  };
  for (int k = 0; k < std::max(cells[2], 1); ++k) {
    for (int j = 0; j < cells[1]; ++j) {
      for (int i = 0; i < cells[0]; ++i) {
        for (const auto& corners : cellElements(linearOf(cell), i, j, k)) {
          std::vector<int> element;
          for (const Corner& c : corners) element.push_back(node({2 * c[0], 2 * c[1], 2 * c[2]}));
          for (const Pair& e : midEdges(cell)) {
            element.push_back(node({corners[e.a][0] + corners[e.b][0], corners[e.a][1] + corners[e.b][1],
                                    corners[e.a][2] + corners[e.b][2]}));
          }
          mesh.elements.push_back(element);
        }
      }
    }
  }
  return mesh;
}

FrdFile asFrdFile(const BoxMesh& mesh) {
  FrdFile file;
  file.name = "box.frd";
  file.nodes = mesh.nodes;
  for (std::size_t n = 0; n < mesh.nodes.size(); ++n) file.nodeIds.push_back(static_cast<int>(n) + 1);
  for (const std::vector<int>& input : mesh.elements) {
    FrdElement e;
    e.type = frdType(mesh.cell);
    e.nodes = input;
    // A .frd file lists the 20-node brick's edges between bottom and top (input 17-20) before
    // its top edges (input 13-16), and the 15-node wedge's likewise (13-15 before 10-12).
    if (mesh.cell == Cell::Hex20) std::rotate(e.nodes.begin() + 12, e.nodes.begin() + 16, e.nodes.end());
    if (mesh.cell == Cell::Wedge15) std::rotate(e.nodes.begin() + 9, e.nodes.begin() + 12, e.nodes.end());
    file.elements.push_back(e);
  }
  return file;
}

std::string frequencyDeck(const BoxMesh& mesh, int modes, bool shellsAsShells) {
  std::ostringstream deck;
  deck.precision(12);
  deck << "*HEADING\nBOX OF " << ccxName(mesh.cell) << "\n*NODE, NSET=NALL\n";
  for (std::size_t n = 0; n < mesh.nodes.size(); ++n) {
    deck << n + 1 << ", " << mesh.nodes[n][0] << ", " << mesh.nodes[n][1] << ", " << mesh.nodes[n][2] << "\n";
  }
  deck << "*ELEMENT, TYPE=" << ccxName(mesh.cell) << ", ELSET=EALL\n";
  for (std::size_t e = 0; e < mesh.elements.size(); ++e) {
    deck << e + 1;
    for (std::size_t i = 0; i < mesh.elements[e].size(); ++i)
      deck << (i == 15 ? ",\n" : ", ") << mesh.elements[e][i] + 1;
    deck << "\n";
  }
  deck << "*NSET, NSET=ROOT\n";
  for (std::size_t n = 0; n < mesh.nodes.size(); ++n) {
    if (mesh.unsheared[n][0] == 0.0) deck << n + 1 << "\n";
  }
  const bool shell = isShell(mesh.cell);
  deck << "*BOUNDARY\nROOT, 1, " << (shell ? 6 : 3)
       << "\n*MATERIAL, NAME=STEEL\n*ELASTIC\n210000E6, 0.3\n*DENSITY\n7850\n"
       << (shell ? "*SHELL SECTION, ELSET=EALL, MATERIAL=STEEL\n0.02\n"
                 : "*SOLID SECTION, ELSET=EALL, MATERIAL=STEEL\n")
       << "*STEP\n*FREQUENCY\n"
       << modes << "\n*NODE FILE" << (shellsAsShells ? ", OUTPUT=2D" : "") << "\nU\n*END STEP\n";
  return deck.str();
}

}  // namespace host::results::test
