// The document base: the view state that the model view reads.
#pragma once

#include <array>
#include <string>

namespace shakeplay {

class PrimitiveSink;

class CHmDoc {
 public:
  CHmDoc();
  virtual ~CHmDoc() = default;
  CHmDoc(const CHmDoc&) = delete;
  CHmDoc& operator=(const CHmDoc&) = delete;

  // Sets litMode from the kind of data loaded; this program's documents hold no lit data.
  virtual void ChooseDisplayMode();
  virtual void ParseCommandLine() = 0;
  // Hook between parsing and reading.
  virtual void OpenSources() {}
  // A lit surface model; never drawn by this program (litMode stays 0).
  virtual void DrawLitModel(PrimitiveSink&) {}
  virtual void DrawModel(int edgesOnly, PrimitiveSink& sink) = 0;
  // 0 on success, -1 on any failure.
  virtual int ReadModel(const std::string& path) = 0;

  std::array<double, 16> viewMatrix;  // column-major
  std::array<float, 16> rotation;     // column-major; written by the model view at each render
  float radius = 0.0f;
  float radiusBase = 0.0f;
  int litMode = 0;
  std::array<float, 3> initialClearColour{0.0f, 0.0f, 0.5411f};
};

template <class T>
std::array<T, 16> identityMatrix() {
  std::array<T, 16> m{};
  m[0] = m[5] = m[10] = m[15] = T(1);
  return m;
}

}  // namespace shakeplay
