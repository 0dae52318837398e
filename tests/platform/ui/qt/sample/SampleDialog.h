// A dialog with every control kind the tools use, for the binder's tests and a manual look.
#pragma once

#include <string>
#include <vector>

#include "runtime/skeleton/CPrettyControls.h"
#include "runtime/skeleton/CPrettyDialog.h"

namespace sample {

enum Id {
  kPlainEdit = 1000,
  kNumberEdit,
  kReadOnlyEdit,
  kList,
  kCheck,
  kRadioA,
  kRadioB,
  kSpinBuddy,
  kSpin,
  kSpinNoBuddy,
  kGroup,
  kPush,
  kPrettyLabel,
  kPlainLabel,
};

const ui::DialogTemplate& sampleTemplate();

class SampleDialog : public CPrettyDialog {
 public:
  SampleDialog();

  std::vector<std::string> events;  // "<what> <id>", in the order they arrived
  std::string plainText;
  std::string numberText = "1.5";
  int listIndex = 0;
  int ticks = 0;
  int paints = 0;

 protected:
  void DoDataExchange(ui::DataExchange& dx) override;
  void OnPaint(ui::Painter& painter) override;
  void OnTimer(int timerId) override;

 private:
  void log(const std::string& what, int id);
  CPrettyEdit number_;
  CPrettyEdit readOnly_;
  CPrettyStatic pretty_;
};

}  // namespace sample
