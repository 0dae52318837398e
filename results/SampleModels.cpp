#include "results/SampleModels.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace host::results {
namespace {

constexpr double kPi = std::numbers::pi;

// Two triangles per grid cell whose four corners are all among the first `count` points.
void addGridTriangles(int nx, int ny, int count, std::vector<std::int32_t>& triangles) {
  for (int j = 0; j + 1 < ny; ++j) {
    for (int i = 0; i + 1 < nx; ++i) {
      const int a = j * nx + i, b = a + 1, c = a + nx, d = c + 1;
      if (d >= count) continue;
      triangles.insert(triangles.end(), {a, b, d, a, d, c});
    }
  }
}

// Cantilever bending mode with root n (beta L), clamped at u = 0, free at u = 1; 1 at the tip.
double cantileverShape(double betaL, double u) {
  const double sigma = (std::cosh(betaL) + std::cos(betaL)) / (std::sinh(betaL) + std::sin(betaL));
  const auto w = [&](double s) {
    const double b = betaL * s;
    return std::cosh(b) - std::cos(b) - sigma * (std::sinh(b) - std::sin(b));
  };
  return w(u) / w(1.0);
}

}  // namespace

ResultModel makePlateModel() {
  constexpr int nx = 81, ny = 31, steps = 400;
  constexpr double length = 1.0, width = 0.4, dt = 0.0015;
  struct Mode {
    double frequency, damping;
  };
  const Mode modes[] = {{12.0, 0.02}, {45.0, 0.03}, {75.0, 0.03}};
  constexpr int modeCount = 3;

  ResultModel m;
  m.title = "CLAMPED PLATE, IMPACT AT FREE CORNER";
  m.background = {0.0, 0.0, 0.35};
  m.modeCount = modeCount;
  for (auto& shapes : m.modeShapes) shapes.assign(static_cast<std::size_t>(nx) * ny * modeCount, 0.0f);
  for (int j = 0; j < ny; ++j) {
    for (int i = 0; i < nx; ++i) {
      const double u = static_cast<double>(i) / (nx - 1), v = static_cast<double>(j) / (ny - 1);
      m.points.push_back({static_cast<float>(u * length), static_cast<float>(v * width), 0.0f});
      const std::size_t row = static_cast<std::size_t>(j * nx + i) * modeCount;
      const double across = 2.0 * v - 1.0;
      m.modeShapes[2][row + 0] = static_cast<float>(cantileverShape(1.8751, u));
      m.modeShapes[2][row + 1] = static_cast<float>(std::sin(kPi * u / 2.0) * across);
      m.modeShapes[2][row + 2] = static_cast<float>(cantileverShape(4.6941, u));
      // The bending slope moves the mid-plane's points slightly along the plate.
      m.modeShapes[0][row + 0] = static_cast<float>(-0.02 * u * u);
    }
  }
  addGridTriangles(nx, ny, nx * ny, m.triangles);
  std::vector<std::int32_t> outline;
  for (int i = 0; i < nx; ++i) outline.push_back(i);
  for (int j = 1; j < ny; ++j) outline.push_back(j * nx + nx - 1);
  for (int i = nx - 2; i >= 0; --i) outline.push_back((ny - 1) * nx + i);
  for (int j = ny - 2; j >= 0; --j) outline.push_back(j * nx);
  m.polylines.push_back(outline);

  // Struck at the free corner (u = 1, v = 1): each mode starts with its shape's value there.
  const std::size_t corner = static_cast<std::size_t>((ny - 1) * nx + nx - 1) * modeCount;
  for (int s = 0; s < steps; ++s) {
    const double t = s * dt;
    m.stepTimes.push_back(static_cast<float>(t));
    for (int k = 0; k < modeCount; ++k) {
      const double omega = 2.0 * kPi * modes[k].frequency;
      const double damped = omega * std::sqrt(1.0 - modes[k].damping * modes[k].damping);
      const double amplitude = 0.06 * m.modeShapes[2][corner + k] * (2.0 * kPi * modes[0].frequency) / omega;
      m.modalCoords.push_back(
          static_cast<float>(amplitude * std::exp(-modes[k].damping * omega * t) * std::sin(damped * t)));
    }
  }
  m.timeStart = 0.0f;
  m.timeEnd = m.stepTimes.back();
  return m;
}

ResultModel makeSyntheticModel(int points, int modes, int steps) {
  if (points < 1 || modes < 1 || steps < 2) throw std::invalid_argument("points, modes >= 1 and steps >= 2");
  const int nx = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(points))));
  const int ny = (points + nx - 1) / nx;
  ResultModel m;
  m.title = "SYNTHETIC " + std::to_string(points) + " POINTS";
  m.modeCount = modes;
  const auto mc = static_cast<std::size_t>(modes);
  for (auto& shapes : m.modeShapes) shapes.resize(static_cast<std::size_t>(points) * mc);
  // sin and cos of each mode's wave numbers along each grid line, computed once.
  std::vector<double> sinU(static_cast<std::size_t>(nx) * mc), cosU(sinU.size());
  std::vector<double> sinV(static_cast<std::size_t>(ny) * mc), cosV(sinV.size());
  for (int k = 0; k < modes; ++k) {
    const double a = (k % 10 + 1) * kPi, b = (k / 10 % 10 + 1) * kPi;
    for (int i = 0; i < nx; ++i) {
      const double u = nx > 1 ? static_cast<double>(i) / (nx - 1) : 0.0;
      sinU[i * mc + k] = std::sin(a * u);
      cosU[i * mc + k] = std::cos(a * u);
    }
    for (int j = 0; j < ny; ++j) {
      const double v = ny > 1 ? static_cast<double>(j) / (ny - 1) : 0.0;
      sinV[j * mc + k] = std::sin(b * v);
      cosV[j * mc + k] = std::cos(b * v);
    }
  }
  for (int p = 0; p < points; ++p) {
    const int i = p % nx, j = p / nx;
    m.points.push_back(
        {static_cast<float>(i) / std::max(nx - 1, 1), static_cast<float>(j) / std::max(ny - 1, 1), 0.0f});
    for (std::size_t k = 0; k < mc; ++k) {
      const std::size_t at = static_cast<std::size_t>(p) * mc + k;
      m.modeShapes[0][at] = static_cast<float>(0.1 * cosU[i * mc + k] * sinV[j * mc + k]);
      m.modeShapes[1][at] = static_cast<float>(0.1 * sinU[i * mc + k] * cosV[j * mc + k]);
      m.modeShapes[2][at] = static_cast<float>(sinU[i * mc + k] * sinV[j * mc + k]);
    }
  }
  addGridTriangles(nx, ny, points, m.triangles);
  std::vector<std::int32_t> bottom, left;
  for (int i = 0; i < std::min(nx, points); ++i) bottom.push_back(i);
  for (int j = 0; j * nx < points; ++j) left.push_back(j * nx);
  m.polylines = {bottom, left};

  for (int s = 0; s < steps; ++s) {
    const double t = 0.01 * s;
    m.stepTimes.push_back(static_cast<float>(t));
    for (int k = 0; k < modes; ++k) {
      const double omega = 2.0 * kPi * (1.0 + k);
      m.modalCoords.push_back(static_cast<float>(std::exp(-0.5 * t) * std::sin(omega * t + k) / (1.0 + k)));
    }
  }
  m.timeStart = 0.0f;
  m.timeEnd = m.stepTimes.back();
  m.coefBase = 0.1f;
  return m;
}

}  // namespace host::results
