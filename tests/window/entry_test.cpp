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

    void ctrlDFillsAFieldFromThePreviousWheelSet() {
        Click(Control::AddCar);
        Click(Control::SetScheme);
        Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Status(), QStringLiteral("Nothing to fill down: this is the first wheel set"));
        QCOMPARE(Text(Control::Series), QString());

        TypeHere(QStringLiteral("ER2"));
        Key(Qt::Key_Return);
        TypeHere(QStringLiteral("101"));
        Key(Qt::Key_Return);
        TypeHere(QStringLiteral("A1"));
        Key(Qt::Key_Return);
        TypeHere(QStringLiteral("W1"));
        Key(Qt::Key_Return);
        TypeHere(QStringLiteral("100"));
        Key(Qt::Key_Return);

        // Selected, so that typing replaces it; Ctrl+D again brings it back.
        QCOMPARE(FocusedName(), ObjectNameOf(Control::AxleName));
        Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Text(Control::AxleName), QStringLiteral("A1"));
        QCOMPARE(Edit(Control::AxleName)->selectedText(), QStringLiteral("A1"));
        TypeHere(QStringLiteral("B"));
        QCOMPARE(Text(Control::AxleName), QStringLiteral("B"));
        Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Text(Control::AxleName), QStringLiteral("A1"));
        Key(Qt::Key_Return);
        TypeHere(QStringLiteral("W2"));
        Key(Qt::Key_Return);
        Key(Qt::Key_D, Qt::ControlModifier);
        Key(Qt::Key_Return);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("3"));
        const AxleSlot& second = S().cars[0].axles[1];
        QCOMPARE(second.axleName, std::string("A1"));
        QCOMPARE(second.run, std::string("100"));
        QCOMPARE(second.sides[kRightSide].wheelSetName, std::string("W2"));

        // Over a filled field of this wheel set, the previous one's replaces it.
        Edit(Control::Series)->setFocus();
        TypeHere(QStringLiteral("X"));
        QCOMPARE(Text(Control::Series), QStringLiteral("ER2X"));
        Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Text(Control::Series), QStringLiteral("ER2"));

        // Walking on without asking fills nothing in; at car 2's first wheel
        // set Ctrl+D takes car 1's number.
        Click(Control::NextWheelSet);
        Click(Control::NextWheelSet);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("5"));
        QCOMPARE(Text(Control::CarNumber), QString());
        QCOMPARE(Text(Control::AxleName), QString());
        QCOMPARE(S().cars[0].axles[2].axleName, std::string());
        QCOMPARE(S().cars[1].carNumber, std::string());
        Edit(Control::CarNumber)->setFocus();
        Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Text(Control::CarNumber), QStringLiteral("101"));
        QVERIFY(Form().HasUnsavedWork());

        // A text the edit would show shortened is not copied.
        Edit(Control::Run)->setText(QString(1001, QLatin1Char('9')));
        Click(Control::NextWheelSet);
        Edit(Control::Run)->setFocus();
        Key(Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(Status(),
                 QStringLiteral("The previous wheel set's text is too long to fill down"));
        QCOMPARE(Text(Control::Run), QString());
    }

    // A three-car train whose axle names and runs repeat, entered from the
    // keyboard: every key but the characters of the texts is counted.
    void aTrainTakesAboutOneKeyPerField() {
        int keys = 0;
        auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            ++keys;
            Key(key, modifiers);
        };
        Click(Control::AddCar);
        Click(Control::AddCar);
        press(Qt::Key_L, Qt::ControlModifier);  // Set
        for (int p = 1; p <= 12; ++p) {
            const int car = (p - 1) / 4;
            if (p == 1) {
                QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));
                TypeHere(QStringLiteral("ER2"));
                press(Qt::Key_Return);
            }
            if ((p - 1) % 4 == 0) {
                QCOMPARE(FocusedName(), ObjectNameOf(Control::CarNumber));
                TypeHere(QString::number(101 + car));
                press(Qt::Key_Return);
            }
            QCOMPARE(FocusedName(), ObjectNameOf(Control::AxleName));
            if (p == 1) {
                TypeHere(QStringLiteral("RU1"));
            } else {
                press(Qt::Key_D, Qt::ControlModifier);
            }
            press(Qt::Key_Return);
            TypeHere(QStringLiteral("N%1").arg(p));
            press(Qt::Key_Return);
            if (p == 1) {
                TypeHere(QStringLiteral("250"));
            } else {
                press(Qt::Key_D, Qt::ControlModifier);
            }
            press(Qt::Key_Return);
        }
        QCOMPARE(Status(), QStringLiteral("Last wheel set — all complete"));
        for (int car = 0; car < 3; ++car) {
            const CarRecord& record = S().cars[static_cast<std::size_t>(car)];
            QCOMPARE(record.series, std::string("ER2"));
            QCOMPARE(record.carNumber, std::to_string(101 + car));
            for (int axle = 0; axle < 4; ++axle) {
                const AxleSlot& slot = record.axles[static_cast<std::size_t>(axle)];
                QCOMPARE(slot.axleName, std::string("RU1"));
                QCOMPARE(slot.run, std::string("250"));
                QCOMPARE(slot.sides[kLeftSide].wheelSetName,
                         "N" + std::to_string(car * 4 + axle + 1));
            }
        }
        // Set, an Enter for each field typed or filled, Ctrl+D for each filled.
        const int fields = 12 * 5;
        qInfo("%d keys beyond the characters for %d fields", keys, fields);
        QCOMPARE(keys, 1 + (1 + 3 + 12 * 3) + 11 * 2);
    }

    // Four axles of two bogies: the wheels of slot i span x from 13, 64, 128
    // and 179, the upper ones' treads at y 34 to 40.
    void aClickOnAWheelMovesTheWalkThere() {
        Click(Control::AddCar);
        Click(Control::NextCarInLayout);
        QTest::mouseClick(Widget<QCheckBox>(Control::Invert), Qt::LeftButton);
        QWidget* diagram = Widget("Image1");
        QTest::mouseClick(diagram, Qt::LeftButton, {}, QPoint(150, 36));
        QCOMPARE(S().mode, Mode::LayoutMode);
        QCOMPARE(S().state.currentCar, 1);

        Click(Control::SetScheme);
        TypeHere(QStringLiteral("S"));
        QTest::mouseClick(diagram, Qt::LeftButton, {}, QPoint(150, 36));  // slot 2
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("3"));
        QCOMPARE(S().cars[0].series, std::string("S"));  // stored first
        QCOMPARE(FocusedName(), ObjectNameOf(Control::CarNumber));
        QTest::mouseClick(diagram, Qt::LeftButton, {}, QPoint(30, 75));  // the bar of slot 0
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("1"));
        QTest::mouseClick(diagram, Qt::RightButton, {}, QPoint(150, 36));  // the menu's button
        QTest::mouseClick(diagram, Qt::LeftButton, {}, QPoint(30, 20));    // its label
        QTest::mouseClick(diagram, Qt::LeftButton, {}, QPoint(600, 75));
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("1"));

        // A reversed car is drawn from its last axle: the rightmost is slot 0,
        // the last of the car in the walk.
        Key(Qt::Key_PageDown);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("5"));
        QTest::mouseClick(diagram, Qt::LeftButton, {}, QPoint(200, 114));
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("8"));
        QCOMPARE(S().state.currentAxle, 0);
        QCOMPARE(Status(), QStringLiteral("Car 2 of 2, axle 1 of 4 — wheel set 8 of 8 — 0 of 8 "
                                          "wheel sets complete"));
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
