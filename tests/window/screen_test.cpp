// The window on screens of other sizes and pixel ratios, as the offscreen
// platform's configuration gives them (see CMakeLists.txt): where it opens
// and how large, scroll bars where the screen is too small for it, and its
// drawings made at the screen's ratio, not enlarged.
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QStyle>
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

// Whether every device pixel of the logical rect at the ratio lies on the
// area's, whichever way the platform rounds it: each edge scaled, or the
// place and the size each rounded (as Qt scales a window's geometry).
bool AllDevicePixelsInside(const QRect& rect, const QRect& area, double r) {
    const auto inside = [r](int start, int length, int areaStart, int areaLength) {
        const double first = std::floor(start * r);
        const double end = std::max(std::ceil((start + length) * r),
                                    std::round(start * r) + std::round(length * r));
        return first >= areaStart * r && end <= (areaStart + areaLength) * r;
    };
    return inside(rect.x(), rect.width(), area.x(), area.width()) &&
           inside(rect.y(), rect.height(), area.y(), area.height());
}

QString Described(const QRect& rect) {
    return QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(
        rect.height());
}

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

    // Fitted sizes and places, every device pixel of the frame on the area.
    void fitOnScreenCutsOnlyWhatTheAreaCannotHold() {
        const QSize content(1009, 386);
        const QMargins frame(2, 24, 2, 2);
        const int bar = 15;
        const struct {
            const char* what;
            QRect area;
            double ratio;
            QSize client;
        } cases[] = {
            {"roomy", {0, 0, 1920, 1080}, 1, content},
            {"1920 x 1080 at 1.5", {0, 0, 1280, 720}, 1.5, content},
            // Cut across, with room below for the scroll bar.
            {"1920 x 1080 at 2", {0, 0, 960, 540}, 2, {956, 386 + bar}},
            {"a panel on the left", {40, 0, 920, 540}, 2, {916, 386 + bar}},
            {"cut both ways", {0, 0, 800, 300}, 1, {796, 274}},
            // Cut down only, but the scroll bar beside the content then
            // needs more than is left across.
            {"cut down, then across", {0, 0, 1020, 400}, 1, {1016, 374}},
            {"cut down alone", {0, 0, 1040, 400}, 1, {1009 + bar, 374}},
            // 1013 logical pixels are 1519.5 device pixels: one too many.
            {"a half device pixel", {0, 0, 1013, 800}, 1.5, {1008, 386 + bar}},
            {"a half device pixel down", {0, 0, 1280, 411}, 1.5, {1009 + bar, 384}},
        };
        for (const auto& c : cases) {
            const QSize client = FitOnScreen(content, frame, c.area, c.ratio, bar);
            QVERIFY2(client == c.client,
                     qPrintable(QStringLiteral("%1: %2x%3")
                                    .arg(QLatin1String(c.what))
                                    .arg(client.width())
                                    .arg(client.height())));
            const QSize framed = client.grownBy(frame);
            const QRect placed(PlaceOnScreen(QRect(QPoint(604, 225), framed), c.area, c.ratio),
                               framed);
            QVERIFY2(AllDevicePixelsInside(placed, c.area, c.ratio),
                     qPrintable(QLatin1String(c.what) + QStringLiteral(": ") + Described(placed)));
        }
    }

    // At 1.5 the place that fits in logical pixels, 267 from the left, would
    // round to device pixels one past the right edge.
    void placeOnScreenKeepsEveryDevicePixelOnTheArea() {
        const QRect area(0, 0, 1280, 720);
        const QRect frame(604, 225, 1013, 412);
        const QRect placed(PlaceOnScreen(frame, area, 1.5), frame.size());
        QCOMPARE(placed.topLeft(), QPoint(266, 225));
        QVERIFY(AllDevicePixelsInside(placed, area, 1.5));
        QVERIFY(!AllDevicePixelsInside(placed.translated(1, 0), area, 1.5));
    }

    void theWindowLiesOnItsScreen() {
        const ScreenCase screen = ThisScreen();
        const QRect available = Form().screen()->availableGeometry();
        QCOMPARE(available.size(), screen.logical);
        const QRect frame = Form().frameGeometry();
        QVERIFY2(available.contains(frame), qPrintable(Described(frame)));
        QVERIFY2(AllDevicePixelsInside(frame, available, screen.ratio),
                 qPrintable(Described(frame)));
        if (screen.ratio == 1) {  // the place it always had, where it fits
            QCOMPARE(Form().pos(), QPoint(604, 225));
        }
    }

    // Where the window fits it is as large as ever, without scroll bars;
    // where it does not, it fits the area and scrolls to every control.
    void everyControlIsWithinReach() {
        auto* scroll = Widget<QScrollArea>("ContentScroll");
        const QSize content(1009, 386);
        QCOMPARE(scroll->widget()->size(), content);
        const bool fits = ThisScreen().logical.width() >= 1009 + 4;
        QCOMPARE(scroll->horizontalScrollBar()->isVisible(), !fits);
        QVERIFY(!scroll->verticalScrollBar()->isVisible());
        if (fits) {
            QCOMPARE(Form().size(), content);
            QCOMPARE(scroll->viewport()->geometry(), QRect(QPoint(0, 0), content));
            return;
        }
        QCOMPARE(Form().frameGeometry().width(), ThisScreen().logical.width());
        QCOMPARE(Form().height(),
                 386 + Form().style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll));
        QWidget* viewport = scroll->viewport();
        const auto inView = [viewport](QWidget* widget) {
            const QRect shown(widget->mapTo(viewport, QPoint(0, 0)), widget->size());
            return viewport->rect().contains(shown) &&
                   QApplication::widgetAt(widget->mapToGlobal(widget->rect().center())) ==
                       widget;
        };
        QVERIFY2(!inView(Widget(Control::Redo)), "Redo starts beyond the right edge");
        for (const WindowControl& row : WindowControls()) {
            if (row.objectName.empty()) {
                continue;
            }
            QWidget* widget = Widget(row.control);
            scroll->ensureWidgetVisible(widget, 0, 0);
            QVERIFY2(inView(widget), row.objectName.data());
        }
        // The status line, wider than the view, in view from top to bottom.
        QWidget* status = Widget("StatusBar");
        const QRect line(status->mapTo(viewport, QPoint(0, 0)), status->size());
        QVERIFY(line.top() >= 0 && line.bottom() <= viewport->rect().bottom());
    }

    // Tab reaches every control and scrolls it into view; the scroll area
    // itself never takes the focus.
    void tabBringsEachControlIntoView() {
        auto* scroll = Widget<QScrollArea>("ContentScroll");
        QWidget* viewport = scroll->viewport();
        Click(Control::SetScheme);
        QSet<QWidget*> reached;
        for (int i = 0; i < 40; ++i) {
            Key(Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused != nullptr);
            QVERIFY2(focused != scroll && focused != viewport, qPrintable(FocusedName()));
            const QRect shown(focused->mapTo(viewport, QPoint(0, 0)), focused->size());
            QVERIFY2(viewport->rect().contains(shown), qPrintable(FocusedName()));
            reached.insert(focused);
        }
        QVERIFY(reached.contains(Widget(Control::Undo)));
        QVERIFY(reached.contains(Widget(Control::NewScheme)));
        QVERIFY(reached.contains(Strip()));
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
