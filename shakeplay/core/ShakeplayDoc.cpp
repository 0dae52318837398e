#include "shakeplay/core/ShakeplayDoc.h"

#include <new>
#include <optional>

#include "platform/CommandLine.h"
#include "platform/FormatText.h"
#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/Messages.h"
#include "shakeplay/core/ResultReader.h"
#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/core/Services.h"

namespace shakeplay {

CShakeplayDoc::CShakeplayDoc(Services& services) : services_(services) {}

void CShakeplayDoc::ParseCommandLine() { request_ = parseShakeplayCommandLine(platform::commandLine()); }

bool CShakeplayDoc::OnNewDocument() {
  ParseCommandLine();
  if (request_.resultPath.empty() || request_.component < 0) {
    services_.messageBox(messages::kInvalidSyntax, messages::kCaptionError, MessageIcon::Error);
    exitCode_ = 1;
    return false;
  }
  if (request_.component > 3) {
    services_.messageBox(platform::formatText(messages::kInvalidComponent, request_.component),
                         messages::kCaptionError, MessageIcon::Error);
    exitCode_ = 1;
    return false;
  }
  if (ReadModel(std::string()) != 0) {
    exitCode_ = 1;
    return false;
  }
  return true;
}

int CShakeplayDoc::ReadModel(const std::string&) {
  const std::unique_ptr<FileSource> file = FileSource::open(request_.resultPath);
  if (!file) {
    services_.messageBox(platform::formatText(messages::kNotFound, request_.resultPath.c_str()),
                         messages::kCaptionAnalysis, MessageIcon::Warning);
    return -1;
  }
  return readModelFrom(*file);
}

int CShakeplayDoc::readModelFrom(ByteSource& source) {
  try {
    std::optional<LoadedResult> loaded = ResultReader(request_, source, services_).read();
    if (!loaded) return -1;
    adoptResult(std::move(*loaded));
    return 0;
  } catch (const std::bad_alloc&) {
    services_.messageBox(messages::kNoMemory, messages::kCaptionError, MessageIcon::Error);
    return -1;
  }
}

void CShakeplayDoc::adoptResult(LoadedResult result) {
  // No animation over a result it was not made for, even when the new one does not fit.
  animation_ = Animation();
  result_ = std::move(result);
  animation_ = Animation(result_);
  animation_.ComputeFirstFrame();
}

void CShakeplayDoc::renderScene() {
  if (renderer_ != nullptr) renderer_->RenderScene();
}

void CShakeplayDoc::ResetAnimation() {
  animation_.reset();
  renderScene();
}

void CShakeplayDoc::setPlaying(bool playing) {
  playing_ = playing;
  if (!playing && renderer_ != nullptr) renderer_->motionEnded();
}

void CShakeplayDoc::AdvanceFrame() { animation_.tick(renderer_); }

bool CShakeplayDoc::applyChoice(const PlaybackChoice& choice) {
  if (!animation_.apply(choice)) return false;
  ResetAnimation();
  return true;
}

}  // namespace shakeplay
