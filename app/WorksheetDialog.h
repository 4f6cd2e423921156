#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "app/Navigator.h"
#include "ui/frame/Services.h"
#include "ui/solution/Worksheet.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace numora {

class SettingsStore;

// The topic windows a worksheet can hold, by their captions on the main menu, in its order.
struct SheetTopicRow {
  FormId form;
  std::u16string_view caption;
};
inline constexpr SheetTopicRow kSheetTopics[] = {
    {FormId::Form8, u"المثلث"},
    {FormId::Form2, u"الجذور"},
    {FormId::Form12, u"الاسطوانة"},
    {FormId::Form9, u"الكرة"},
    {FormId::Form3, u"القوى"},
    {FormId::Form5, u"الدائرة"},
    {FormId::Form11, u"فيثاغورس"},
    {FormId::Form4, u"شبه المنحرف"},
    {FormId::Form13, u"حل المعادلة التربيعية"},
    {FormId::Form6, u"المربع والمستطيل"},
    {FormId::Form7, u"المكعب والمستطيل"},
    {FormId::Form15, u"درجة الحرارة"},
};

// "ورقة تمارين": the topics of a sheet, one or a mix, the number of exercises, the level, the
// sheet's number (the seed written on it), the copies (one for each pupil, each from its own
// number) and where their keys go; then the sheet is looked at before printing, printed or saved
// as a PDF file. Every choice but the sheet's number is kept for the next time in the program's
// settings as soon as it is made; the number is a new one at each start of the program and stays
// as it was chosen while the program runs.
class WorksheetDialog final : public QDialog {
 public:
  // The topic windows come from `window`, which creates one, hidden, the first time it is asked.
  // The choices are kept in the settings file (empty: the user's own settings of the program).
  WorksheetDialog(const FormContext& context, std::function<TopicWindow&(FormId)> window,
                  SettingsStore& settings);

  // Opened from a topic window: that topic alone is chosen. From elsewhere (the main menu among
  // them) the choice stays.
  void choose(std::optional<FormId> topic);
  // The sheet as chosen, worked out by the topic windows; none, after a box saying why, where no
  // topic is chosen or a chosen topic sets no exercises, and none where the progress stopped it.
  std::optional<PrintedSheet> sheet(const Progress& progress = {});
  // Writes the sheet to the file, under a progress dialog that can stop it (and then leaves the
  // file that was there as it was); a box says so where it cannot be written.
  bool saveAs(const QString& path);
  void print();
  // Qt's print preview of the sheet, from whose own button it is printed.
  void preview();
  void saveAsPdf();

  std::vector<std::pair<FormId, QCheckBox*>> topicBoxes;
  QSpinBox* countBox;
  QComboBox* levelBox;
  QSpinBox* seedBox;
  QPushButton* newSeedButton;
  QSpinBox* copiesBox;
  QComboBox* keysBox;
  QPushButton* printButton;
  QPushButton* previewButton;
  QPushButton* pdfButton;
  QPushButton* closeButton;
  QLabel* notKept;  // says that the choices hold only until the program ends

 private:
  void fail(const QString& sentence);
  // The choices as they were kept, each that is missing or out of its range left as it is.
  void restore();
  void keep() const;

  const FormContext& context_;
  std::function<TopicWindow&(FormId)> window_;
  SettingsStore& settings_;
};

}  // namespace numora
