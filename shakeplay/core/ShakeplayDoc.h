// The one document of shakeplay: the request, the result read for it, the animation computed
// from that result, and the operations that play it on the view.
#pragma once

#include <array>
#include <string>

#include "shakeplay/core/Animation.h"
#include "shakeplay/core/CommandLine.h"
#include "shakeplay/core/LoadedResult.h"
#include "shakeplay/core/ViewFraming.h"

namespace shakeplay {

class ByteSource;
class PrimitiveSink;
class SceneRenderer;
class Services;

class CShakeplayDoc {
 public:
  explicit CShakeplayDoc(Services& services);
  CShakeplayDoc(const CShakeplayDoc&) = delete;
  CShakeplayDoc& operator=(const CShakeplayDoc&) = delete;

  // Start-up: parse, check, read. false when start-up fails; exitCode then says how to end.
  bool OnNewDocument();
  void ParseCommandLine();
  // The file, component and (for a .frd file) motion the next read is for (what ParseCommandLine
  // takes from the command line).
  void setRequest(const ShakeplayRequest& request) { request_ = request; }
  // 0 on success, -1 on any failure. A CalculiX .frd file (known by its first record) is
  // converted in memory to the result its request's motion makes, and read from there.
  int ReadModel(const std::string& ignoredPath);
  // The reading itself, from any byte source (the file, or memory in tests and fuzzing).
  int readModelFrom(ByteSource& source);
  // A result the reader has returned becomes the document's; its animation starts as after a
  // read. Throws std::bad_alloc when the animation does not fit.
  void adoptResult(LoadedResult result);
  void DrawModel(bool edgesOnly, PrimitiveSink& sink) const;

  // Animation (one tick = one sub-frame), drawn on the renderer.
  void ResetAnimation();
  void AdvanceFrame();
  // The choices made, then ResetAnimation (the old first frame and increments belong to the old
  // settings); false, and no change, for a negative COEF entry or one outside the SMOOTH list.
  bool applyChoice(const PlaybackChoice& choice);

  // Whether the animation plays (the control panel's PLAY until STOP). While it plays the model
  // view may draw a lighter mesh; when it stops, the renderer hears of it.
  void setPlaying(bool playing);
  bool playing() const { return playing_; }

  // The view the document renders on every tick; null while none exists.
  void setRenderer(SceneRenderer* renderer) { renderer_ = renderer; }
  SceneRenderer* renderer() const { return renderer_; }
  // The model view's rotation (column-major), given by the model view at each render.
  void setRotation(const std::array<float, 16>& rotation) { rotation_ = rotation; }
  const std::array<float, 16>& rotation() const { return rotation_; }

  const ShakeplayRequest& request() const { return request_; }
  const LoadedResult& result() const { return result_; }
  const Animation& animation() const { return animation_; }
  int exitCode() const { return exitCode_; }

 private:
  // The motion of a .frd file's modes from the words after the component; false, after a
  // message box, for words it cannot take. Other files ignore those words.
  bool takeFrdOptions();
  int readFrdModel();
  void renderScene();

  Services& services_;
  ShakeplayRequest request_;
  LoadedResult result_;
  Animation animation_;  // of result_
  SceneRenderer* renderer_ = nullptr;
  std::array<float, 16> rotation_ = identityMatrix<float>();
  int exitCode_ = 0;
  bool playing_ = false;
};

}  // namespace shakeplay
