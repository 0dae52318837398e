#include "shakeplay/core/ShakeplayDoc.h"

#include <algorithm>
#include <exception>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/FormatText.h"
#include "results/frd/FrdFile.h"
#include "results/frd/FrdOptions.h"
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
  if (!takeFrdOptions() || ReadModel(std::string()) != 0) {
    exitCode_ = 1;
    return false;
  }
  return true;
}

bool CShakeplayDoc::takeFrdOptions() {
  if (!host::results::isFrdFile(request_.resultPath)) return true;
  const std::vector<std::string>& words = platform::commandWords();
  try {
    request_.frd = host::results::parseFrdAnimation(
        {words.begin() + std::min<std::size_t>(kFirstFrdOption, words.size()), words.end()});
  } catch (const std::invalid_argument& error) {
    services_.messageBox(platform::formatText(messages::kInvalidFrdOptions, error.what()),
                         messages::kCaptionError, MessageIcon::Error);
    return false;
  }
  return true;
}

int CShakeplayDoc::ReadModel(const std::string&) {
  if (host::results::isFrdFile(request_.resultPath)) return readFrdModel();
  const std::unique_ptr<FileSource> file = FileSource::open(request_.resultPath);
  if (!file) {
    services_.messageBox(platform::formatText(messages::kNotFound, request_.resultPath.c_str()),
                         messages::kCaptionAnalysis, MessageIcon::Warning);
    return -1;
  }
  return readModelFrom(*file);
}

int CShakeplayDoc::readFrdModel() {
  std::vector<unsigned char> bytes;
  try {
    std::vector<std::string> notes;
    bytes = host::results::encodeResultFile(
        host::results::frdResultData({request_.resultPath, request_.frd}, notes));
    for (const std::string& note : notes) services_.printOut(request_.resultPath + ": note: " + note + "\n");
  } catch (const std::bad_alloc&) {
    services_.messageBox(messages::kNoMemory, messages::kCaptionError, MessageIcon::Error);
    return -1;
  } catch (const std::exception& refused) {
    // The file or a setting refused, named with the file and its line ("beam.frd:17: ...").
    services_.messageBox(refused.what(), messages::kCaptionAnalysis, MessageIcon::Warning);
    return -1;
  }
  MemorySource source(bytes.data(), bytes.size());
  return readModelFrom(source);
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
