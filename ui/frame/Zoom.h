#pragma once

#include <QObject>
#include <QSet>
#include <cstddef>
#include <span>

class QKeyEvent;
class QWidget;

namespace numora {

// How large the program draws its windows, for a classroom projector or a pupil with low vision:
// one zoom for the whole program, from 100 % to 300 % in steps, kept until the program ends.
// Ctrl with + (or =), - and 0, the keypad's keys too, enlarge, shrink and reset it from any window
// that follows it (FormWindow), before the window's own controls see the key; every window that
// follows it, shown or hidden, applies each change.
class Zoom final : public QObject {
  Q_OBJECT

 public:
  Zoom();
  ~Zoom() override;

  // The window takes the zoom's keys and follows its changes (through changed()).
  void follow(QWidget& window);

  int percent() const;
  double factor() const { return percent() / 100.0; }

  void enlarge();
  void shrink();
  void reset();
  // Goes to one of the steps, as the settings window chooses it; false (and no change) for a
  // percent that is not one of them.
  bool setPercent(int percent);
  // The steps, in percent, from the smallest.
  static std::span<const int> Steps();

 signals:
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void stepTo(std::size_t step);
  // Enlarges, shrinks or resets as the key asks; false for any other key.
  bool take(const QKeyEvent& key);

  std::size_t step_ = 0;
  QSet<const QWidget*> followers_;
};

}  // namespace numora
