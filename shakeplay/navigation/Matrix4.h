// 4 x 4 float matrices in OpenGL's column-major order, computed as the OpenGL matrix stack
// computes them (single precision), so that a matrix built here equals the one the stack holds.
#pragma once

#include <array>

namespace shakeplay {

using Matrix4 = std::array<float, 16>;

Matrix4 identity4();
// a x b: b is applied first to a vertex.
Matrix4 multiply(const Matrix4& a, const Matrix4& b);
// The translation by (x, y, z), as glTranslatef.
Matrix4 translation(float x, float y, float z);
// The rotation by `degrees` about the axis (x, y, z) (normalised here), as glRotatef.
Matrix4 rotation(float degrees, float x, float y, float z);
// The matrix applied to the point (x, y, z, 1).
std::array<float, 3> transformPoint(const Matrix4& m, float x, float y, float z);

}  // namespace shakeplay
