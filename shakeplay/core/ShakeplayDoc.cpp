#include "shakeplay/core/ShakeplayDoc.h"

#include <new>

#include "platform/CommandLine.h"
#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/CommandLine.h"
#include "platform/FormatText.h"
#include "shakeplay/core/Messages.h"
#include "shakeplay/core/ResultReader.h"
#include "shakeplay/core/Services.h"

namespace shakeplay {

CShakeplayDoc::CShakeplayDoc(Services& services) : colourTable(buildColourTable()), services_(services) {}

void CShakeplayDoc::ParseCommandLine() {
  const ShakeplayRequest request = parseShakeplayCommandLine(platform::commandLine());
  resultPath = request.resultPath;
  component = request.component;
}

bool CShakeplayDoc::OnNewDocument() {
  ParseCommandLine();
  if (resultPath.empty() || component < 0) {
    services_.messageBox(messages::kInvalidSyntax, messages::kCaptionError, MessageIcon::Error);
    exitCode = 1;
    return false;
  }
  if (component > 3) {
    services_.messageBox(platform::formatText(messages::kInvalidComponent, component), messages::kCaptionError,
                         MessageIcon::Error);
    exitCode = 1;
    return false;
  }
  if (ReadModel(std::string()) != 0) {
    exitCode = 1;
    return false;
  }
  return true;
}

int CShakeplayDoc::ReadModel(const std::string&) {
  const std::unique_ptr<FileSource> file = FileSource::open(resultPath);
  if (!file) {
    services_.messageBox(platform::formatText(messages::kNotFound, resultPath.c_str()), messages::kCaptionAnalysis,
                         MessageIcon::Warning);
    return -1;
  }
  return readModelFrom(*file);
}

int CShakeplayDoc::readModelFrom(ByteSource& source) {
  try {
    return ResultReader(*this, source, services_).read();
  } catch (const std::bad_alloc&) {
    services_.messageBox(messages::kNoMemory, messages::kCaptionError, MessageIcon::Error);
    return -1;
  }
}

void CShakeplayDoc::allocateWorkspace() {
  startRow_ = Buffer<std::int32_t>(static_cast<std::size_t>(modeCount));
  for (int c = 0; c < 3; ++c) {
    pointSums_[c] = Buffer<std::int32_t>(static_cast<std::size_t>(pointCount));
    nextPointSums_[c] = Buffer<std::int32_t>(static_cast<std::size_t>(pointCount));
    edgeSums_[c] = Buffer<std::int32_t>(static_cast<std::size_t>(edgePointCount));
  }
}

}  // namespace shakeplay
