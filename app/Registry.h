#pragma once

#include <array>
#include <memory>

class QWidget;

#include "app/Navigator.h"
#include "ui/frame/FormWindow.h"
#include "ui/frame/Zoom.h"
#include "ui/platform/Choices.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Settings.h"

namespace numora {

class HelpWindow;
class SettingsWindow;
class WorksheetDialog;

// The sixteen single-instance window slots. A slot is filled the first time its window is asked
// for and keeps the same window until the program ends.
class Registry final : public Navigator {
 public:
  // The formulas are set in the given direction until the user chooses another, which is kept in
  // the settings file (empty: the user's own settings of the program).
  // The region's notation, which holds where the settings keep no other; its digits are the
  // windows' too.
  Registry(ProgramEnd& programEnd, MessageBoxes& messages, Notation region,
           const QString& settingsFile = {});
  ~Registry() override;

  void show(FormId form) override;

  FormWindow& form(FormId form);
  // The window in the slot, or nullptr while it has not been created.
  FormWindow* created(FormId form) const;
  // The zoom of every window, made or yet to be made.
  Zoom& zoom() { return zoom_; }
  // The direction of the formulas in every window.
  FormulaSetting& formulas() { return formulas_; }
  // The worksheet dialog, for the window that asks: a topic window's topic is chosen in it.
  void openWorksheet(QWidget& from);
  // The dialog, or nullptr while it has not been opened.
  WorksheetDialog* worksheet() const { return worksheet_.get(); }
  // The help window, opened or brought to the front again.
  void openHelp();
  // The help window, or nullptr while it has not been opened.
  HelpWindow* help() const { return help_.get(); }
  // The choices kept for the next run besides the notation.
  Choices& choices() { return choices_; }
  // The settings window, opened or brought to the front again.
  void openSettings();
  // The settings window, or nullptr while it has not been opened.
  SettingsWindow* settings() const { return settingsWindow_.get(); }

 private:
  std::unique_ptr<FormWindow> create(FormId form);

  SettingsStore settings_;
  Zoom zoom_;
  FormulaSetting formulas_;
  Choices choices_;
  FormContext context_;
  std::array<std::unique_ptr<FormWindow>, kFormCount> slots_;
  // Made at its first opening, after the windows it asks for work, and gone before them.
  std::unique_ptr<WorksheetDialog> worksheet_;
  // Made at its first opening, and gone before the zoom it follows.
  std::unique_ptr<HelpWindow> help_;
  // Made at its first opening, and gone before the zoom and the choices it shows.
  std::unique_ptr<SettingsWindow> settingsWindow_;
};

}  // namespace numora
