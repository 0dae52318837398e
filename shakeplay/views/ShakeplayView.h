// The model view of shakeplay: the document's background once the first frame is up, and the
// orientation box kept in step with every turn of the model.
#pragma once

#include "shakeplay/views/HmView.h"

namespace shakeplay {

class CShakeplayDoc;

class CShakeplayView final : public CHmView {
 public:
  CShakeplayView(CShakeplayDoc& doc, ModelViewWindow& window);

  void SetClearColour() override;
  void NotifyOrientation() override;
  void RenderScene() override;

 private:
  CShakeplayDoc& doc_;
};

}  // namespace shakeplay
