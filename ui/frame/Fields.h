#pragma once

#include <QFont>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QValidator>
#include <QWidget>
#include <map>

class QAction;
class QLineEdit;

namespace numora {

// Shows the whole text of a result field: a box shows its beginning, and a text wider than the
// field is drawn in a smaller size of the field's own font until it fits (never elided, never
// wrapped), with its letters closer together where the font cannot get smaller. Called each time
// the text changes; an empty text gets the field's own font back. While the pupil types into a box,
// its cursor stays where it is.
void ShowWhole(QWidget* field, bool fromBeginning = true);
// Whether ShowWhole has been at work on a field; and, after the field's own font has changed (the
// window was zoomed), shows its text whole again from that font.
bool ShownWhole(const QWidget* field);
void ShowWholeAgain(QWidget* field);
// The width a field gives its text, in its own coordinates.
int TextRoom(const QWidget* field);

// Keeps a box to what a number can need, so that its work on its text (laying it out, drawing it,
// reading it) stays small whatever is typed or pasted: the text beyond the bound is cut, and the
// box counts as cut for as long as it holds the text it was cut to. Each cut is also signalled,
// once the box has taken its text. Set on the box it bounds.
class LengthBound final : public QValidator {
  Q_OBJECT

 public:
  // Enough for any number a double holds, written out in full with a sign, a point and the marks
  // around it.
  static constexpr int kMostCharacters = 400;
  static const QString kCutNote;

  explicit LengthBound(QLineEdit* box);
  State validate(QString& input, int& position) const override;
  // Whether the box holds a text cut to the bound.
  static bool Cut(const QLineEdit* box);

 signals:
  void cut();

 private:
  QLineEdit* box_;
};

// What the fields of a window tell the pupil besides their text, kept per field: the working
// behind a result, a note on how an input box was read, and whether a result is out of date.
// Each field's tooltip and accessible description say them, one per line; an out-of-date result
// is greyed and a noted box shows the style's warning sign inside it, at its right end, so that
// the mark never looks like the focus frame.
class FieldNotes {
 public:
  void setWorking(QWidget* field, const QString& working);
  void setNote(QLineEdit* box, const QString& note);       // an empty note takes the mark away
  void setStale(QWidget* field, const QString& sentence);  // an empty sentence: up to date
  QString note(QWidget* field) const;
  QString working(QWidget* field) const;
  QString staleSentence(QWidget* field) const;
  // The warning sign of a noted box, or null while the box was never noted.
  static QAction* WarningSign(const QLineEdit* box);

 private:
  struct State {
    bool captured = false;
    QString description;  // what the layout gave the field
    QPalette palette;
    QString working;
    QString note;
    QString staleSentence;
  };
  State& state(QWidget* field);
  void refresh(QWidget* field, const State& state) const;

  std::map<QWidget*, State> states_;
};

}  // namespace numora
