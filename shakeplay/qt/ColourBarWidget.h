// The colour bar's window: the colour bar view on an OpenGL widget.
#pragma once

#include "shakeplay/qt/GlViewWidget.h"
#include "shakeplay/views/ColourBarView.h"

namespace shakeplay {

class ColourBarWidget final : public GlViewWidget {
 public:
  ColourBarWidget(const CShakeplayDoc& doc, FrameLinks& links, QWidget* parent);
  ~ColourBarWidget() override;

  CColourBarView& view() { return view_; }

 protected:
  void createView(bool haveContext) override;
  void sizeView(int w, int h) override;
  void paintView() override;

 private:
  CColourBarView view_;
};

}  // namespace shakeplay
