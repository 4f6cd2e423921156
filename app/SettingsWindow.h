#pragma once

#include <QFont>
#include <QWidget>

#include "ui/frame/ProgramWindow.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace numora {

class Choices;
class FormulaSetting;
class Zoom;

// "الإعدادات", opened from the main menu's "ملف" and by Ctrl+, from every window: the notation the
// program writes mathematics in, the zoom, the unit of the geometry windows' lengths, and whether a
// topic window's first calculation opens its solution panel. Each choice applies at once and is
// kept for the next run; a choice made elsewhere (F3, Ctrl and +) shows here too. It grows with the
// program's zoom and takes its keys; Escape and "إغلاق" close it. One window for the whole program,
// shown again where it was.
class SettingsWindow final : public ProgramWindow {
 public:
  SettingsWindow(Zoom& zoom, FormulaSetting& formulas, Choices& choices);

  // The notation's buttons, Mashriq, Maghreb and Moroccan.
  QRadioButton* notation[3];
  QComboBox* zoomBox;
  // The unit of length: centimetres, millimetres, metres or none.
  QComboBox* unitBox;
  QCheckBox* panelBox;
  QPushButton* closeButton;
  // The sentence that says a choice could not be kept; hidden while every choice is.
  QLabel* notKept;

 private:
  // What the window shows, from the program's choices.
  void showChoices();
  void zoomTo(double zoom);
  void focusFirst() override;

  Zoom& zoom_;
  FormulaSetting& formulas_;
  Choices& choices_;
  QButtonGroup* styles_;
  QObject* indicators_;  // the options' style, its indicators at the zoom
  QFont base_;
};

}  // namespace numora
