#include "shakeplay/export/Mp4Pipe.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sstream>

extern char** environ;

namespace shakeplay::exporting {

std::optional<std::string> findFfmpeg() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "");
  for (std::string folder; std::getline(folders, folder, ':');) {
    if (folder.empty()) continue;
    const std::string program = folder + "/ffmpeg";
    struct stat info {};
    if (::stat(program.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
        ::access(program.c_str(), X_OK) == 0) {
      return program;
    }
  }
  return std::nullopt;
}

std::vector<std::string> ffmpegWords(const std::string& program, int width, int height, int framesPerSecond,
                                     const std::string& outPath) {
  return {program,
          "-hide_banner",
          "-loglevel",
          "error",
          "-y",
          "-f",
          "rawvideo",
          "-pixel_format",
          "rgb24",
          "-video_size",
          std::to_string(width) + "x" + std::to_string(height),
          "-framerate",
          std::to_string(framesPerSecond),
          "-i",
          "-",
          "-vf",
          "pad=ceil(iw/2)*2:ceil(ih/2)*2",
          "-pix_fmt",
          "yuv420p",
          "-movflags",
          "+faststart",
          "--",
          outPath};
}

Mp4Pipe::Mp4Pipe(const std::string& program, const std::string& outPath, int width, int height,
                 int framesPerSecond)
    : outPath_(outPath) {
  // A write to an ffmpeg that has ended fails with EPIPE instead of ending this program.
  std::signal(SIGPIPE, SIG_IGN);
  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
    throw ExportError(std::string("cannot start ffmpeg: ") + std::strerror(errno));
  std::vector<std::string> words = ffmpegWords(program, width, height, framesPerSecond, outPath);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  const int error = posix_spawn(&child_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[0]);
  if (error != 0) {
    ::close(pipeEnds[1]);
    child_ = -1;
    throw ExportError("cannot start " + program + ": " + std::strerror(error));
  }
  input_ = pipeEnds[1];
}

Mp4Pipe::~Mp4Pipe() { closeAndWait(); }

int Mp4Pipe::closeAndWait() {
  if (input_ >= 0) ::close(input_);
  input_ = -1;
  if (child_ < 0) return -1;
  int status = 0;
  while (::waitpid(child_, &status, 0) < 0 && errno == EINTR) {
  }
  child_ = -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void Mp4Pipe::write(const FrameImage& frame) {
  const std::uint8_t* data = frame.rgb.data();
  std::size_t left = frame.rgb.size();
  while (left > 0) {
    const ssize_t written = ::write(input_, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int code = closeAndWait();
      throw ExportError("cannot write " + outPath_ + ": ffmpeg stopped taking frames (exit code " +
                        std::to_string(code) + ")");
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
}

void Mp4Pipe::finish() {
  if (const int code = closeAndWait(); code != 0) {
    throw ExportError("cannot write " + outPath_ + ": ffmpeg ended with exit code " + std::to_string(code));
  }
}

}  // namespace shakeplay::exporting
