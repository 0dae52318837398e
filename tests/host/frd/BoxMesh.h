// Box-shaped test meshes of every element kind, built from a grid of cells and sheared so that
// no face lies along an axis; written as ccx input decks or handed over as a read .frd file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "results/frd/FrdFile.h"

namespace host::results::test {

enum class Cell { Hex8, Hex20, Wedge6, Wedge15, Tet4, Tet10, Quad4, Quad8, Tri3, Tri6 };

struct BoxMesh {
  Cell cell;
  std::vector<std::array<double, 3>> nodes;      // node i has the number i + 1
  std::vector<std::array<double, 3>> unsheared;  // the same before the shear
  std::vector<std::vector<int>> elements;        // node indices in ccx's input order
  std::array<double, 3> size;
};

// cells[2] is ignored for the shell kinds, which lie in the plane z = 0. The shear
// (x + 0.2 y, y + 0.1 z, z) keeps every volume and the plane's area.
BoxMesh boxMesh(Cell cell, std::array<int, 3> cells, std::array<double, 3> size, bool sheared = true);

const char* ccxName(Cell cell);
int frdType(Cell cell);

// The mesh as the reader would give it: element nodes in the order a .frd file lists them.
FrdFile asFrdFile(const BoxMesh& mesh);

// A ccx deck: steel, the face (or, for shells 0.02 thick, the edge) at x = 0 clamped, `modes` modes
// of a *FREQUENCY step written to the .frd file; shells as ccx's thin volumes or, with
// `shellsAsShells`, as themselves.
std::string frequencyDeck(const BoxMesh& mesh, int modes, bool shellsAsShells = false);

}  // namespace host::results::test
