// The window on screens of other sizes and pixel ratios, as the offscreen
// platform's configuration gives them (see CMakeLists.txt): where it opens,
// and its drawings made at the screen's ratio, not enlarged.
#include <QPixmap>
#include <QScreen>
#include <cmath>

#include "drawing/car_view.h"
#include "qpainter/render_image.h"
#include "window/window_place.h"
#include "window_fixture.h"

namespace quorvane {

// The screen the test runs on, named by QUORVANE_SCREEN: wide (1920 × 1080
// at ratio 1), fractional (at 1.5: 1280 × 720 logical) or double (at 2:
// 960 × 540 logical, smaller than the window); two is wide with a second
// screen at 2 on its right.
struct ScreenCase {
    QSize logical;
    double ratio;
};

ScreenCase ThisScreen() {
    const QByteArray name = qgetenv("QUORVANE_SCREEN");
    if (name == "fractional") {
        return {{1280, 720}, 1.5};
    }
    if (name == "double") {
        return {{960, 540}, 2};
    }
    return {{1920, 1080}, 1};
}

class ScreenTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void placeOnScreenKeepsWhatFitsAndMovesWhatDoesNot() {
        const QRect area(0, 0, 1280, 720);
        const struct {
            QRect frame;
            QPoint place;
        } cases[] = {
            {{604, 225, 1013, 412}, {604, 225}},  // fits where it is
            {{604, 225, 1013, 412}, {267, 225}},  // sticks out on the right
            {{-20, -5, 1013, 412}, {0, 0}},      {{100, 500, 1013, 412}, {100, 308}},
            {{604, 225, 1300, 412}, {0, 0}},  // wider than the area
            {{604, 225, 1013, 800}, {0, 0}},  // higher
        };
        QCOMPARE(PlaceOnScreen(cases[0].frame, QRect(0, 0, 1920, 1080)), cases[0].place);
        for (std::size_t i = 1; i < std::size(cases); ++i) {
            QCOMPARE(PlaceOnScreen(cases[i].frame, area), cases[i].place);
        }
        // The area of a second screen, right of the first.
        QCOMPARE(PlaceOnScreen(QRect(10, 10, 500, 300), QRect(1920, 40, 1280, 680)),
                 QPoint(1920, 40));
    }

    void theWindowLiesOnItsScreen() {
        const ScreenCase screen = ThisScreen();
        const QRect available = Form().screen()->availableGeometry();
        QCOMPARE(available.size(), screen.logical);
        const QRect frame = Form().frameGeometry();
        if (frame.width() > available.width() || frame.height() > available.height()) {
            QCOMPARE(frame.topLeft(), available.topLeft());
        } else {
            QVERIFY2(available.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                               .arg(frame.x())
                                                               .arg(frame.y())
                                                               .arg(frame.width())
                                                               .arg(frame.height())));
        }
        if (screen.ratio == 1) {  // the place it always had, where it fits
            QCOMPARE(Form().pos(), QPoint(604, 225));
        }
    }

    // The car view and the strip as the window shows them: at the ratio of
    // the screen, pixel for pixel what the drawing gives at that ratio; and
    // clicks still find the car and the axle under the pointer.
    void theDrawingsAreMadeAtTheScreensRatio() {
        const double ratio = ThisScreen().ratio;
        QCOMPARE(Form().devicePixelRatioF(), ratio);
        Click(Control::AddCar);
        Click(Control::AddCar);
        Click(Control::SetScheme);
        const QImage shown = Widget("Image1")->grab().toImage();
        QCOMPARE(shown.size(), QSize(static_cast<int>(std::ceil(800 * ratio)),
                                     static_cast<int>(std::ceil(147 * ratio))));
        QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                 RenderCarView(CurrentCarView(S()), ratio).convertToFormat(QImage::Format_RGB32));

        QTest::mouseClick(Strip(), Qt::LeftButton, {}, CarBody(2));
        QCOMPARE(S().state.currentCar, 2);
        QTest::mouseClick(Widget("Image1"), Qt::LeftButton, {}, QPoint(150, 36));
        QCOMPARE(S().state.currentAxle, 2);
        QCOMPARE(S().state.currentCar, 2);
    }

    // Qt 6.4 tells of no change of ratio, only of the screen: the window
    // moved to the second screen draws again at its ratio, and back.
    void aScreenOfAnotherRatioDrawsAgain() {
        if (qgetenv("QUORVANE_SCREEN") != "two") {
            QSKIP("one screen only");
        }
        const QList<QScreen*> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        Click(Control::SetScheme);
        for (const int to : {1, 0}) {
            Form().windowHandle()->setScreen(screens[to]);
            const double ratio = screens[to]->devicePixelRatio();
            QCOMPARE(Form().devicePixelRatioF(), ratio);
            QCOMPARE(
                Widget("Image1")->grab().toImage().convertToFormat(QImage::Format_RGB32),
                RenderCarView(CurrentCarView(S()), ratio).convertToFormat(QImage::Format_RGB32));
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::ScreenTest)
#include "screen_test.moc"
