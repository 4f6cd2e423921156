#include "app/AboutWindow.h"

#include <QLabel>
#include <QPushButton>

namespace numora {
namespace {

constexpr QRgb kLightGreen = qRgb(128, 255, 128);
// The strip under the starfield that holds the program's version and its licence's notice, on the
// window's own face, in its own text colour.
constexpr int kNoticeHeight = 1560;
// The frame lines must stand out against the dark starfield.
const QColor kFrameLine(128, 255, 128);

}  // namespace

AboutWindow::AboutWindow(const FormContext& context)
    : FormWindow(context, {.caption = u"Form10",
                           .clientWidth = 5070,
                           // The starfield's 3945 twips, and the version and the licence below it.
                           .clientHeight = 3945 + kNoticeHeight,
                           .frame = FormLook::Frame::None,
                           .background = FormLook::Background::WindowFace,
                           .taskbarButton = false}) {
  // The title is never shown; a screen reader names the window by what it is.
  setAccessibleName(QStringLiteral(u"عن البرنامج"));
  // Back to front: the starfield (15 twips narrower than the window, and 30 twips taller than its
  // part above the notice), the three nested frames, the portrait inside the innermost one.
  addPicture(":/pictures/starfield.jpg", 0, 0, 5055, 3975);
  struct Rectangle {
    int left, top, right, bottom;
  };
  const Rectangle frames[] = {
      {240, 960, 4680, 3720}, {360, 1080, 4560, 3600}, {480, 1200, 4440, 3480}};
  for (const Rectangle& r : frames) addLine(r.left, r.top, r.right, r.top, 1, kFrameLine);
  for (const Rectangle& r : frames) addLine(r.left, r.top, r.left, r.bottom, 1, kFrameLine);
  for (const Rectangle& r : frames) addLine(r.right, r.top, r.right, r.bottom, 1, kFrameLine);
  for (const Rectangle& r : frames) addLine(r.left, r.bottom, r.right, r.bottom, 1, kFrameLine);
  addPicture(":/pictures/portrait.bmp", 600, 1440, 1290, 1815);

  addLabel({"Label1",
            u"Numora",
            1200,
            240,
            2355,
            480,
            0,
            {.font = {"Arial", 20.25, true},
             .align = Align::Centre,
             .autoSize = true,
             .colour = kLightGreen}});
  addLabel({"Label2",
            u"تصميم وبرمجه ",
            2160,
            1320,
            2085,
            480,
            1,
            {.font = {"Arial", 20.25, true}, .autoSize = true, .colour = kLightGreen}});
  addLabel({"Label3",
            u"Kadiro",
            1920,
            1680,
            2370,
            480,
            2,
            {.font = {"Arial", 20.25, true}, .autoSize = true, .colour = kLightGreen}});
  addLabel({"Label4",
            u"kadiro@example.com",
            2040,
            2160,
            2745,
            240,
            3,
            {.font = {"Arial", 9.75, true}, .autoSize = true, .colour = kLightGreen}});
  addLabel({"Label5",
            u"555-0142",
            2400,
            2640,
            1350,
            285,
            5,
            {.font = {"Arial", 12, true}, .autoSize = true, .colour = kLightGreen}});
  mainMenu = addMainButton({"Command1", u"الرئيسية", 1800, 3360, 1455, 375, 4},
                           ReturnOrder::ShowMainThenHide);
  version = addLabel({"Version",
                      u"الإصدار " NUMORA_VERSION,
                      240,
                      4050,
                      4590,
                      360,
                      -1,
                      {.font = {"Arial", 9.75, true}, .align = Align::Centre}});
  // The lines break where a reader pauses.
  licence = addLabel({"Licence",
                      u"نومورا برنامج حر: لك أن تعيد توزيعه أو تعدّله\n"
                      u"وفق رخصة جنو العمومية، الإصدار 3 أو أي إصدار لاحق.\n"
                      u"يوزَّع دون أي ضمان.",
                      240,
                      4440,
                      4590,
                      930,
                      -1,
                      {.font = {"Arial", 8.25}, .align = Align::Centre}});
  finishLayout();
}

}  // namespace numora
