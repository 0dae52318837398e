// A dialog model embedded as a child form: placed in its parent with no window of its own,
// mirrored and driven like a dialog window, and destroyed with its parent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "SampleDialog.h"
#include "platform/ui/qt/ChildForm.h"
#include "platform/ui/qt/DialogWindow.h"
#include "platform/ui/qt/QtFonts.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace {

using namespace sample;

class Probe : public SampleDialog {
 public:
  explicit Probe(bool& destroyed) : destroyed_(destroyed) {}

 protected:
  void OnDestroy() override { destroyed_ = true; }

 private:
  bool& destroyed_;
};

// Runs the event loop until the condition holds or five seconds have passed.
template <class Condition>
bool waitFor(Condition condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  return condition();
}

class ChildFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent = std::make_unique<QWidget>();
    parent->resize(600, 450);
    auto probe = std::make_unique<Probe>(destroyed);
    model = probe.get();
    form = ui::qt::embedChildForm(std::move(probe), parent.get());
    parent->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(parent.get()));
    model->events.clear();
  }
  void TearDown() override { parent.reset(); }
  QWidget* widgetOf(int id) { return dynamic_cast<ui::qt::DialogWindow&>(*form).widgetOf(id); }

  ui::testing::ScriptedServices services_;
  ui::ScopedServices installed_{services_};
  bool destroyed = false;
  std::unique_ptr<QWidget> parent;
  Probe* model = nullptr;
  QWidget* form = nullptr;
};

TEST_F(ChildFormTest, SitsInItsParentWithoutAWindowOfItsOwnAndWorksLikeADialogWindow) {
  EXPECT_EQ(form->parentWidget(), parent.get());
  EXPECT_FALSE(form->isWindow());
  EXPECT_FALSE(QApplication::topLevelWidgets().contains(form));
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->geometry(), QRect(0, 0, model->clientSize().cx, model->clientSize().cy));
  EXPECT_TRUE(model->created());
  EXPECT_TRUE(model->dialogVisible());
  form->setGeometry(10, 20, 580, 300);  // the parent places and sizes it freely
  EXPECT_EQ(form->geometry(), QRect(10, 20, 580, 300));
  EXPECT_EQ(model->clientSize(), (ui::Size{580, 300}));

  // Mirrored and driven like a dialog window.
  model->SetDlgItemText(kPlainEdit, "mirrored");
  auto* edit = qobject_cast<QLineEdit*>(widgetOf(kPlainEdit));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), "mirrored");
  model->EnableWindow(kCheck, false);
  EXPECT_FALSE(widgetOf(kCheck)->isEnabled());

  QTest::mouseClick(widgetOf(kPush), Qt::LeftButton);
  EXPECT_EQ(model->events, (std::vector<std::string>{"killfocus " + std::to_string(kPlainEdit),
                                                     "click " + std::to_string(kPush)}));
  QTest::keyClicks(edit, "42");
  EXPECT_EQ(model->GetDlgItemText(kPlainEdit), "mirrored42");
  EXPECT_EQ(model->GetFocus(), kPlainEdit);
}

TEST_F(ChildFormTest, ATimerOfZeroTicksAsOftenAsTheEventLoopAllowsUntilKilled) {
  model->SetTimer(5, 0);
  EXPECT_TRUE(waitFor([this] { return model->ticks >= 25; }));
  model->KillTimer(5);
  const int ticks = model->ticks;
  QApplication::processEvents();
  QTest::qWait(30);
  EXPECT_EQ(model->ticks, ticks);
}

TEST_F(ChildFormTest, AModelThatEndsHidesOnlyItsFormAndIsDestroyedWithTheParent) {
  model->SetTimer(5, 10);
  QTest::keyClick(widgetOf(kPlainEdit), Qt::Key_Escape);
  EXPECT_TRUE(model->ended());
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(parent->isVisible());
  EXPECT_FALSE(destroyed);
  parent.reset();
  EXPECT_TRUE(destroyed);
}

// Among windows at fixed pixel places a form keeps the pixels its template was drawn for
// (8-point "MS Sans Serif": 6 x 13 pixels per 4 x 8 units), in the template font or, where that
// is missing, in the stand-in narrowed to fit.
TEST(ChildFormAtTemplatePixels, PlacesControlsByTheTemplateFontAndNarrowsTheStandInToFit) {
  bool destroyed = false;  // outlives the parent, whose end destroys the model
  QWidget parent;
  auto probe = std::make_unique<Probe>(destroyed);
  Probe& model = *probe;
  auto& form = dynamic_cast<ui::qt::DialogWindow&>(
      *ui::qt::embedChildForm(std::move(probe), &parent, ui::qt::FormUnits::OfTemplatePixels));
  // {55, 7, 70, 12} and {12, 100, 40, 14}, worked out by hand at 6 x 13, halves rounded up.
  EXPECT_EQ(form.widgetOf(kPlainEdit)->geometry(), QRect(83, 11, 105, 20));
  EXPECT_EQ(form.widgetOf(kPush)->geometry(), QRect(18, 163, 60, 23));
  EXPECT_EQ(model.clientSize(), ui::dialogToPixels(model.dialogTemplate().size, ui::BaseUnits{}));
  EXPECT_EQ(ui::qt::baseUnitsOf(form.dialogFont()), (ui::BaseUnits{6, 13}));
  EXPECT_EQ(form.widgetOf(kPush)->font(), form.dialogFont());
  QFont standIn("DejaVu Sans");
  standIn.setPixelSize(11);
  ASSERT_GT(ui::qt::baseUnitsOf(standIn).x, 6);
  const ui::BaseUnits fitted = ui::qt::baseUnitsOf(ui::qt::fittedTo(standIn, ui::BaseUnits{}));
  EXPECT_LE(fitted.x, 6);
  EXPECT_LE(fitted.y, 13);
  EXPECT_GE(fitted.x, 5);  // narrowed, not shrunk past reading
}

}  // namespace
