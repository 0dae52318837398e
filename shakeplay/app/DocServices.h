// The document's message boxes shown through the window system's services (ui::services()),
// its printed lines on standard output.
#pragma once

#include "shakeplay/core/Services.h"

namespace shakeplay {

class DocServices final : public ConsoleServices {
 public:
  void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

// The box shown when the window system gives no OpenGL; the reason is filled in.
inline constexpr const char* kNoOpenGL =
    "Shakeplay: OpenGL is not available (%s).\nThe model cannot be shown.";

// Shows kNoOpenGL with the reason through ui::services().
void reportNoOpenGL(const std::string& reason);

}  // namespace shakeplay
