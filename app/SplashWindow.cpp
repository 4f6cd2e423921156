#include "app/SplashWindow.h"

#include <QProgressBar>
#include <QTimer>

namespace numora {
namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kLightGreen = qRgb(128, 255, 128);

}  // namespace

SplashWindow::SplashWindow(const FormContext& context)
    : FormWindow(context, {.caption = u"Form14",
                           .clientWidth = 5775,
                           .clientHeight = 3585,
                           .frame = FormLook::Frame::None,
                           .background = FormLook::Background::Desktop,
                           .taskbarButton = false}) {
  // The title is never shown; a screen reader names the window by what it is.
  setAccessibleName(QStringLiteral(u"Numora يبدأ"));
  // Back to front. The backdrop is 30 twips taller than the window and is clipped there.
  addPicture(":/pictures/splash.jpg", 0, 0, 5775, 3615);
  addPicture(":/pictures/instruments.jpg", 4080, 120, 1620, 1395);

  progress = addProgressBar({"P1", u"", 120, 2880, 5535, 255, 2});
  progress->setRange(0, 10);
  progress->setValue(0);

  addLabel({"Label3",
            u"تصميم وبرمجة : Kadiro",
            600,
            1080,
            3345,
            330,
            5,
            {.font = {"Arial", 14.25, true}, .autoSize = true, .colour = kWhite}});
  addLabel({"Label2",
            u"الاصدار الاول",
            120,
            720,
            855,
            240,
            4,
            {.font = {"Arial", 9.75, true}, .autoSize = true, .colour = kWhite}});
  addLabel({"Label1",
            u"Numora",
            600,
            120,
            3075,
            615,
            3,
            {.font = {"Arial", 26.25, true}, .autoSize = true, .colour = kWhite}});
  addLabel({"lblAppDescription",
            u"انتظر قليلا حتى يتم فتح البرنامج",
            120,
            1800,
            3375,
            360,
            1,
            {.font = {"Arial", 15.75, true}, .autoSize = true, .colour = kWhite}});
  addLabel({"lblMyE",
            u"My E Mail :kadiro@example.com",
            1440,
            3240,
            3630,
            240,
            0,
            {.font = {"Arial", 9.75, true}, .autoSize = true, .colour = kLightGreen}});

  timer = new QTimer(this);
  timer->setObjectName(QStringLiteral("Timer1"));
  timer->setInterval(700);
  connect(timer, &QTimer::timeout, this, [this] { run([this] { tick(); }); });
  timer->start();

  finishLayout();
}

void SplashWindow::tick() {
  // The bar's value is read and raised as a single-precision number; every value on the way is
  // a whole number, so the comparison with 10 is exact.
  const float value = static_cast<float>(progress->value());
  if (value != 10.0f) {
    progress->setValue(static_cast<int>(value + 1.0f));
    return;
  }
  hide();
  context().showMainMenu();
  timer->stop();
}

}  // namespace numora
