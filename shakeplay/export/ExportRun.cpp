#include "shakeplay/export/ExportRun.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <new>

#include "results/frd/FrdFile.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/export/ColourBarStrip.h"
#include "shakeplay/export/DocumentSetup.h"
#include "shakeplay/export/EncodingThread.h"
#include "shakeplay/export/GifFile.h"
#include "shakeplay/export/Mp4Pipe.h"
#include "shakeplay/export/PngSeries.h"
#include "shakeplay/export/ProgressBar.h"
#include "shakeplay/export/ShakeplayViewPbuffer.h"
#include "shakeplay/export/SurfaceFrame.h"
#include "shakeplay/export/VtuFile.h"

namespace shakeplay::exporting {
namespace {

// Frames drawn ahead of the encoder at most.
constexpr std::size_t kWaitingFrames = 3;

int refuse(const std::string& text) {
  std::fprintf(stderr, "shakeplay-export: %s\n", text.c_str());
  return 1;
}

std::unique_ptr<FrameWriter> makeWriter(const ExportOptions& options, int height, int frames,
                                        const std::string& ffmpeg) {
  switch (options.kind) {
    case OutputKind::Gif:
      return std::make_unique<GifFile>(options.outPath, options.width, height, options.framesPerSecond);
    case OutputKind::Mp4:
      return std::make_unique<Mp4Pipe>(ffmpeg, options.outPath, options.width, height,
                                       options.framesPerSecond);
    default:
      return std::make_unique<PngSeries>(options.outPath, frames);
  }
}

int writeVtkFrame(const CShakeplayDoc& doc, const ExportOptions& options) {
  const int loop = loopLength(doc);
  if (*options.vtkFrame >= loop) {
    return refuse("--vtk " + std::to_string(*options.vtkFrame) + ": the animation has frames 0 to " +
                  std::to_string(loop - 1));
  }
  const SurfaceFrame surface = surfaceAtFrame(doc, *options.vtkFrame);
  writeVtuFile(options.outPath, surface);
  std::printf("%s: frame %d, %zu points, %zu triangles\n", options.outPath.c_str(), *options.vtkFrame,
              surface.points.size(), surface.triangles.size());
  return 0;
}

int writeAnimation(CShakeplayDoc& doc, const ExportOptions& options, const std::string& ffmpeg) {
  const int frames = options.frames.value_or(loopLength(doc));
  std::string error;
  const std::unique_ptr<ShakeplayViewPbuffer> model =
      ShakeplayViewPbuffer::create(doc, options.width, options.height, error);
  if (!model) return refuse("no OpenGL without a display: " + error);
  std::optional<FrameImage> bar;
  if (options.colourBar) {
    bar = drawColourBar(doc, options.width, error);
    if (!bar) return refuse("no OpenGL without a display: " + error);
  }
  const int height = options.height + (bar ? bar->height : 0);
  model->startUp(options.turns);

  const std::unique_ptr<FrameWriter> writer = makeWriter(options, height, frames, ffmpeg);
  EncodingThread encoder(*writer, kWaitingFrames);
  ProgressBar progress(stderr, frames);
  const std::size_t modelBytes =
      static_cast<std::size_t>(options.width) * static_cast<std::size_t>(options.height) * 3;
  for (int i = 0; i < frames; ++i) {
    doc.AdvanceFrame();
    FrameImage frame = encoder.takeBuffer();
    frame.width = options.width;
    frame.height = height;
    frame.rgb.resize(static_cast<std::size_t>(options.width) * static_cast<std::size_t>(height) * 3);
    model->readInto(frame);
    if (bar) std::memcpy(frame.rgb.data() + modelBytes, bar->rgb.data(), bar->rgb.size());
    encoder.push(std::move(frame));
    progress.advance(i + 1);
  }
  encoder.finish();
  progress.finish();
  const std::string written = options.kind == OutputKind::PngSeries
                                  ? seriesFileName(options.outPath, 0, frames) + " .. " +
                                        seriesFileName(options.outPath, frames - 1, frames)
                                  : options.outPath;
  std::printf("%s: %d frames of %d x %d\n", written.c_str(), frames, options.width, height);
  return 0;
}

// .frd options given with a file that is there but no .frd file (a missing file is named as
// such when it is read).
bool frdOptionsMisplaced(const ExportOptions& options) {
  std::error_code ignored;
  return !options.frdOption.empty() && std::filesystem::exists(options.resultPath, ignored) &&
         !host::results::isFrdFile(options.resultPath);
}

}  // namespace

int runExport(const ExportOptions& options) {
  std::string ffmpeg;
  if (options.kind == OutputKind::Mp4) {
    const auto found = findFfmpeg();
    if (!found) {
      return refuse(
          "an MP4 is made by the ffmpeg program, which is not installed (Debian: apt install ffmpeg); "
          "a GIF (--out FILE.gif) or a PNG series (--out FILE.png) needs nothing more");
    }
    ffmpeg = *found;
  }
  if (frdOptionsMisplaced(options)) {
    return refuse(options.frdOption + " applies to a CalculiX .frd file, which " + options.resultPath +
                  " is not");
  }
  ConsoleServices services;
  CShakeplayDoc doc(services);
  if (!loadDocument(doc, options)) return 1;
  try {
    return options.vtkFrame ? writeVtkFrame(doc, options) : writeAnimation(doc, options, ffmpeg);
  } catch (const std::bad_alloc&) {
    return refuse("not enough memory for frames of " + std::to_string(options.width) + " x " +
                  std::to_string(options.height));
  } catch (const std::exception& failure) {
    // A GIF, MP4 or .vtu cut short is of no use: it goes; frames of a series already written stay.
    if (options.kind != OutputKind::PngSeries) {
      std::error_code ignored;
      std::filesystem::remove(options.outPath, ignored);
    }
    return refuse(failure.what());
  }
}

}  // namespace shakeplay::exporting
