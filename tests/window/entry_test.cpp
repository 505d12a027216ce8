// Entering a train fast and knowing where one is: Enter goes through the
// empty fields of a wheel set before the next one, the status line says
// where the walk is and how much is entered, and the strip keeps the current
// car in view.
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "drawing/train_strip.h"
#include "window_fixture.h"

namespace quorvane {

using testing::Contents;

class EntryTest : public testing::WindowFixture {
    Q_OBJECT

    // The message shown, or else the status line.
    QString Status() {
        const QString message = Widget<QStatusBar>("StatusBar")->currentMessage();
        return message.isEmpty() ? Widget<QLabel>("StatusLine")->text() : message;
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void enterFillsTheWheelSetBeforeGoingOn() {
        Click(Control::SetScheme);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));
        TypeHere(QStringLiteral("ER2"));
        Key(Qt::Key_Return);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::CarNumber));
        TypeHere(QStringLiteral("101"));
        Key(Qt::Key_Return);
        for (int p = 1; p <= 4; ++p) {
            QCOMPARE(Text(Control::WalkPositionDisplay), QString::number(p));
            QCOMPARE(FocusedName(), ObjectNameOf(Control::AxleName));
            TypeHere(QString::number(p));
            Key(Qt::Key_Return);
            QCOMPARE(FocusedName(), ObjectNameOf(Control::WheelSetName));
            TypeHere(QStringLiteral("W%1").arg(p));
            Key(Qt::Key_Return);
            QCOMPARE(FocusedName(), ObjectNameOf(Control::Run));
            TypeHere(QString::number(p) + QStringLiteral("00"));
            Key(Qt::Key_Return);
        }
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("4"));
        QCOMPARE(Status(), QStringLiteral("Last wheel set — all complete"));

        log_.saveAnswers = {Path("train.sch")};
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(
            Contents(Path("train.sch")),
            QByteArray(TwoCarTrainFile())
                .replace("2i2|ER2|102|4r|5|W5|500|3r|6|W6|600|2r|7|W7|700|1r|8|W8|800|;\r\n", "")
                .replace("2i2|ER2|102|1l|8|W8|800|2l|7|W7|700|3l|6|W6|600|4l|5|W5|500|;\r\n", ""));
        QCOMPARE(Status(), QStringLiteral("Saved, every wheel set complete"));

        // A filled field is passed over; from the last wheel set Enter says
        // how much is left.
        Click(Control::NewScheme);
        Click(Control::AddCar);
        Click(Control::SetScheme);
        Edit(Control::Series)->setFocus();
        TypeHere(QStringLiteral("S"));
        Edit(Control::AxleName)->setText(QStringLiteral("1"));
        Edit(Control::Series)->setFocus();
        Key(Qt::Key_Return);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::CarNumber));
        Key(Qt::Key_Return);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::WheelSetName));
        Key(Qt::Key_PageDown);
        for (int i = 0; i < 3; ++i) {
            Click(Control::NextWheelSet);
        }
        Edit(Control::Run)->setFocus();
        Key(Qt::Key_Return);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("8"));
        QCOMPARE(Status(), QStringLiteral("Last wheel set — 8 incomplete"));

        log_.saveAnswers = {Path("half.sch")};
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Status(), QStringLiteral("Saved with 8 incomplete wheel sets"));
    }

    void theStatusLineSaysWhereTheWalkIs() {
        QCOMPARE(Status(), QStringLiteral("Car 1 of 1 — 0 of 4 wheel sets complete"));
        Click(Control::AddCar);
        Click(Control::NextCarInLayout);
        QTest::mouseClick(Widget<QCheckBox>(Control::Invert), Qt::LeftButton);
        Click(Control::SetScheme);
        QCOMPARE(Status(), QStringLiteral("Car 1 of 2, axle 1 of 4 — wheel set 1 of 8 — 0 of 8 "
                                          "wheel sets complete"));
        Key(Qt::Key_PageDown);  // an inverted car is walked from its last axle
        QCOMPARE(Status(), QStringLiteral("Car 2 of 2, axle 4 of 4 — wheel set 5 of 8 — 0 of 8 "
                                          "wheel sets complete"));
        Form().ApplyCaptions(Language::Russian);
        QCOMPARE(Status(), QStringLiteral("Вагон 2 из 2, ось 4 из 4 — колёсная пара 5 из 8 — "
                                          "заполнено колёсных пар: 0 из 8"));
        Form().ApplyCaptions(Language::English);

        CloseWindow();
        OpenWindow();
        EnterTwoCarTrain();
        QCOMPARE(Status(), QStringLiteral("Car 2 of 2, axle 1 of 4 — wheel set 8 of 8 — 8 of 8 "
                                          "wheel sets complete"));
    }

    void theStripKeepsTheCurrentCarInView() {
        for (int i = 0; i < 11; ++i) {
            Click(Control::AddCar);
        }
        Click(Control::SetScheme);
        auto* box = Widget<QScrollArea>("ScrollBox1");
        auto inView = [box](int car) {
            const int left = box->horizontalScrollBar()->value();
            const int body = kStripBodyLeft + car * kStripPitch;
            return body >= left && body + kStripBodyWidth <= left + box->viewport()->width();
        };
        for (int i = 0; i < 9; ++i) {
            Key(Qt::Key_PageDown);
        }
        QCOMPARE(Text(Control::WalkCarDisplay), QStringLiteral("10"));
        QVERIFY(inView(9));
        Key(Qt::Key_PageDown);
        Key(Qt::Key_PageDown);
        QVERIFY(inView(11));
        Key(Qt::Key_Z, Qt::ControlModifier);  // Set: back to the layout at car 1
        QVERIFY(inView(0));
    }

    void editsLookDisabledBeforeSet() {
        auto colourOf = [this](Control edit) {
            return Edit(edit)->grab().toImage().pixelColor(Edit(edit)->rect().center());
        };
        const QColor lightRed(255, 210, 210);
        QVERIFY(!Edit(Control::Series)->isEnabled());
        QVERIFY(colourOf(Control::Series) != lightRed);
        Click(Control::SetScheme);
        Edit(Control::Run)->setFocus();
        QCOMPARE(colourOf(Control::Series), lightRed);
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::EntryTest)
#include "entry_test.moc"
