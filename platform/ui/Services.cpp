#include "platform/ui/Services.h"

#include <cstdio>

namespace ui {
namespace {
class FallbackServices final : public Services {
 public:
  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return defaultAnswer(flags);
  }
  int runModal(Dialog&) override { return -1; }
};

Services*& installed() {
  static Services* current = nullptr;
  return current;
}

std::string& storedName() {
  static std::string name;
  return name;
}
}  // namespace

void Services::setClipboard(const ClipboardContent&) {}
std::string Services::clipboardText() { return {}; }

int defaultAnswer(unsigned flags) {
  switch (flags & MB_BUTTONS_MASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
      return IDYES;
    default:
      return IDOK;
  }
}

Services& services() {
  static FallbackServices fallback;
  Services* current = installed();
  return current ? *current : fallback;
}

void installServices(Services* services) { installed() = services; }

ScopedServices::ScopedServices(Services& services) : previous_(installed()) { installed() = &services; }

ScopedServices::~ScopedServices() { installed() = previous_; }

const std::string& applicationName() { return storedName(); }
void setApplicationName(const std::string& name) { storedName() = name; }

int AfxMessageBox(const std::string& text, unsigned flags) {
  return services().messageBox(text, applicationName(), flags);
}

}  // namespace ui
