#include "app/Registry.h"

#include <optional>

#include "app/AboutWindow.h"
#include "app/HelpWindow.h"
#include "app/MainMenuWindow.h"
#include "app/SettingsWindow.h"
#include "app/SplashWindow.h"
#include "app/WorksheetDialog.h"
#include "calculator/CalculatorWindow.h"
#include "topics/algebra/PowerWindow.h"
#include "topics/algebra/PythagorasWindow.h"
#include "topics/algebra/QuadraticWindow.h"
#include "topics/algebra/RootWindow.h"
#include "topics/geometry/CircleWindow.h"
#include "topics/geometry/CuboidWindow.h"
#include "topics/geometry/CylinderWindow.h"
#include "topics/geometry/RectangleWindow.h"
#include "topics/geometry/SphereWindow.h"
#include "topics/geometry/TrapezoidWindow.h"
#include "topics/geometry/TriangleWindow.h"
#include "topics/temperature/TemperatureWindow.h"
#include "ui/solution/TopicWindow.h"

namespace numora {
namespace {

std::size_t Slot(FormId form) { return static_cast<std::size_t>(form) - 1; }

}  // namespace

Registry::Registry(ProgramEnd& programEnd, MessageBoxes& messages, Notation region,
                   const QString& settingsFile)
    : settings_(settingsFile),
      formulas_(region, settings_),
      choices_(settings_),
      context_{.showMainMenu = [this] { show(FormId::Form1); },
               .programEnd = &programEnd,
               .messages = &messages,
               .numerals = region.numerals(),
               .zoom = &zoom_,
               .formulas = &formulas_,
               .openWorksheet = [this](QWidget& from) { openWorksheet(from); },
               .openHelp = [this] { openHelp(); },
               .openSettings = [this] { openSettings(); },
               .choices = &choices_} {
  // The zoom kept at the last run, where it is one of the zoom's steps; and each change kept.
  zoom_.setPercent(choices_.zoom());
  QObject::connect(&zoom_, &Zoom::changed, &choices_,
                   [this] { choices_.setZoom(zoom_.percent()); });
}

Registry::~Registry() = default;

void Registry::show(FormId form) { this->form(form).show(); }

FormWindow& Registry::form(FormId form) {
  std::unique_ptr<FormWindow>& slot = slots_[Slot(form)];
  if (!slot) {
    slot = create(form);
    // The layout's name of the window, as its controls carry theirs.
    slot->setObjectName(QStringLiteral("Form%1").arg(static_cast<int>(form)));
    slot->run([window = slot.get()] { window->load(); });
  }
  return *slot;
}

void Registry::openWorksheet(QWidget& from) {
  if (!worksheet_)
    worksheet_ = std::make_unique<WorksheetDialog>(
        context_,
        [this](FormId id) -> TopicWindow& { return dynamic_cast<TopicWindow&>(form(id)); },
        settings_);
  std::optional<FormId> topic;
  for (int n = 1; n <= kFormCount; ++n)
    if (slots_[Slot(static_cast<FormId>(n))].get() == &from) topic = static_cast<FormId>(n);
  worksheet_->choose(topic);
  worksheet_->show();
  worksheet_->raise();
  worksheet_->activateWindow();
}

void Registry::openHelp() {
  if (!help_) help_ = std::make_unique<HelpWindow>(&zoom_);
  help_->open();
}

void Registry::openSettings() {
  if (!settingsWindow_)
    settingsWindow_ = std::make_unique<SettingsWindow>(zoom_, formulas_, choices_);
  settingsWindow_->open();
}

FormWindow* Registry::created(FormId form) const { return slots_[Slot(form)].get(); }

std::unique_ptr<FormWindow> Registry::create(FormId form) {
  switch (form) {
    case FormId::Form1:
      return std::make_unique<MainMenuWindow>(context_, *this);
    case FormId::Form2:
      return std::make_unique<RootWindow>(context_);
    case FormId::Form3:
      return std::make_unique<PowerWindow>(context_);
    case FormId::Form4:
      return std::make_unique<TrapezoidWindow>(context_);
    case FormId::Form5:
      return std::make_unique<CircleWindow>(context_);
    case FormId::Form6:
      return std::make_unique<RectangleWindow>(context_);
    case FormId::Form7:
      return std::make_unique<CuboidWindow>(context_);
    case FormId::Form8:
      return std::make_unique<TriangleWindow>(context_);
    case FormId::Form9:
      return std::make_unique<SphereWindow>(context_);
    case FormId::Form10:
      return std::make_unique<AboutWindow>(context_);
    case FormId::Form11:
      return std::make_unique<PythagorasWindow>(context_);
    case FormId::Form12:
      return std::make_unique<CylinderWindow>(context_);
    case FormId::Form13:
      return std::make_unique<QuadraticWindow>(context_);
    case FormId::Form14:
      return std::make_unique<SplashWindow>(context_);
    case FormId::Form15:
      return std::make_unique<TemperatureWindow>(context_);
    case FormId::Form16:
      return std::make_unique<CalculatorWindow>(context_);
  }
  return nullptr;
}

}  // namespace numora
