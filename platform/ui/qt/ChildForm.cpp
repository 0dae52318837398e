#include "platform/ui/qt/ChildForm.h"

#include <QObject>
#include <QWidget>

#include "platform/ui/Dialog.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/QtFonts.h"

namespace ui::qt {
namespace {

// Keeps the form's model. A child of the form made after its controls, it goes after them:
// the model is destroyed once no widget of the form is left to mirror into.
class ModelKeeper final : public QObject {
 public:
  ModelKeeper(std::unique_ptr<Dialog> model, QObject* form) : QObject(form), model_(std::move(model)) {}
  ~ModelKeeper() override { model_->destroy(); }
  ModelKeeper(const ModelKeeper&) = delete;
  ModelKeeper& operator=(const ModelKeeper&) = delete;

 private:
  std::unique_ptr<Dialog> model_;
};

}  // namespace

QWidget* embedChildForm(std::unique_ptr<Dialog> model, QWidget* parent, FormUnits units) {
  Dialog& dialog = *model;
  const DialogTemplate& t = dialog.dialogTemplate();
  QFont font = dialogFont(t.fontFace, t.pointSize);
  if (units == FormUnits::OfTemplatePixels) font = fittedTo(font, BaseUnits{});
  dialog.setBaseUnits(units == FormUnits::OfTemplatePixels ? BaseUnits{} : baseUnitsOf(font));
  dialog.create();
  auto* form = new DialogWindow(dialog, parent, font);
  new ModelKeeper(std::move(model), form);
  form->setWindowFlags(Qt::Widget);  // a child of the parent: no caption, no frame, no window
  form->setMinimumSize(0, 0);        // the parent sizes it, as a frame sizes its form view
  form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  form->move(0, 0);  // placed, so that showing it does not centre it the way a dialog is
  dialog.showDialog(true);
  form->show();
  return form;
}

}  // namespace ui::qt
