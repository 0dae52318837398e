// What the document needs from the outside world: message boxes, standard output, and the
// model view it makes render on every tick. The GL application supplies real ones; tests
// supply recording ones.
#pragma once

#include <string>

namespace shakeplay {

enum class MessageIcon { Error, Warning };

class Services {
 public:
  virtual ~Services() = default;
  // A message box with no owner window and an OK button.
  virtual void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
  // A line (or part of one) for the standard output stream.
  virtual void printOut(const std::string& text) = 0;
};

// Writes standard output for real and the message boxes to standard error, for use without a
// windowing system.
class ConsoleServices : public Services {
 public:
  void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override;
  void printOut(const std::string& text) override;
};

}  // namespace shakeplay
