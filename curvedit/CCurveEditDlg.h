// The function editing dialog: the graph box with its limits and scales, the point selector and
// the point commands, APPLY and CANCEL. It reads the host's "INFO" and "DATA" blocks at
// construction and writes "DATA" back only at APPLY (the function) or CANCEL (the status).
#pragma once

#include <optional>
#include <string>

#include "curvedit/FunctionBlocks.h"
#include "curvedit/FunctionCheck.h"
#include "curvedit/FunctionPoints.h"
#include "curvedit/GraphBox.h"
#include "runtime/ipc/BlockView.h"
#include "runtime/skeleton/CPrettyControls.h"
#include "runtime/skeleton/CPrettyDialog.h"
#include "runtime/skeleton/TagBlocks.h"

class CCurveEditDlg : public CPrettyDialog, private curvedit::GraphEvents {
 public:
  // Splits the command line, attaches the blocks and copies the function and its context. When
  // there is no usable INFO or DATA block the user is told, nothing of any block is read or
  // written, and the dialog ends as it opens.
  CCurveEditDlg();
  ~CCurveEditDlg() override;

  bool attachFailed() const { return attachFailed_; }

  // The checks of APPLY on the current points; 1 when they pass, else 0 with errorText filled.
  int ValidateFunction();

  // The function and its context.
  curvedit::PointList points;  // ascending x
  curvedit::FunctionContext context;
  std::string caption;    // title and name of the function
  std::string errorText;  // the failures of the last check

  // Editing state.
  curvedit::GraphBox graph{*this};
  int selectedPoint = 0;
  bool refitEnabled = false;
  bool newPointPending = false;
  bool xScaleUnset = true;  // the user never defined the X limits
  bool yScaleUnset = true;

 protected:
  bool OnInitDialog() override;
  void OnFirstShow() override;
  void OnOK() override;      // APPLY
  void OnCancel() override;  // CANCEL
  void OnDestroy() override;
  void OnPaint(ui::Painter& painter) override;
  void OnSysCommand(unsigned id) override;
  void OnEditCopy() override;
  void OnEditPaste() override;

 private:
  // Blocks.
  struct FunctionViews {
    lyrBlocks::BlockView info;
    lyrBlocks::BlockView data;
    int pointCount;  // as checked against the DATA block's arrays
  };
  std::optional<FunctionViews> attachBlocks();
  void detachBlocks();
  void load(const FunctionViews& blocks);

  // Commands (CurveEditCommands.cpp).
  void define();
  void refit();
  void scaleChanged(curvedit::AxisName name);
  void newPoint();
  void input();
  void deletePoint();
  bool spinStep(int delta);
  bool CheckPointRange(double x, double y);
  enum class LogRule { Spread, Decades };  // DEFINE's and REFIT's range of a log axis
  void setLimits(curvedit::AxisName name, double low, double high, LogRule rule);

  // Shared by the commands.
  void ShowLimitsError();
  void showLimits(curvedit::AxisName name);
  void showPointEdits(double x, double y);
  void showNewPointDefaults();
  void showSelectedPoint();
  void setSpinRange();
  void setRefit(bool enabled);
  curvedit::Axis& axis(curvedit::AxisName name);
  bool& scaleUnset(curvedit::AxisName name);
  void errorBox(const std::string& text);

  // The graph box's questions.
  void logOfZero(curvedit::AxisName name) override;
  void logLimitsRounded(curvedit::AxisName name) override;

  CPrettyEdit xMinEdit_;
  CPrettyEdit xMaxEdit_;
  CPrettyEdit yMinEdit_;
  CPrettyEdit yMaxEdit_;
  CPrettyEdit pointXEdit_;
  CPrettyEdit pointYEdit_;

  skeleton::TagBlocks blocks_;
  FunctionDataBlock* data_ = nullptr;
  bool attachFailed_ = false;
  ui::HICON icon_ = nullptr;  // the application icon
};
