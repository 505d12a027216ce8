// Cars inserted and removed anywhere in the train from the keys and the
// strip's menu, the series a joining car takes, and what the status line
// says at the train's limits and when a car goes with its texts.
#include <QAction>
#include <QStatusBar>

#include "window_fixture.h"

namespace quorvane {

using testing::Contents;

class CarsTest : public testing::WindowFixture {
    Q_OBJECT

    QString Message() { return Widget<QStatusBar>("StatusBar")->currentMessage(); }
    void PickCar(int car) { QTest::mouseClick(Strip(), Qt::LeftButton, {}, CarBody(car)); }
    QString UndoTip() { return Widget(Control::Undo)->toolTip(); }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void insertedAndRemovedCarsAreSavedAsIfLaidOutSo() {
        EnterTwoCarTrain();
        log_.saveAnswers = {Path("train.sch")};
        Click(Control::SaveScheme);
        QCOMPARE(Contents(Path("train.sch")), TwoCarTrainFile());
        Key(Qt::Key_L, Qt::ControlModifier);

        // A direct car after car 1, an inverted one before car 102, then
        // car 101 removed.
        PickCar(0);
        Key(Qt::Key_Insert);
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("3"));
        QCOMPARE(Text(Control::LayoutCarDisplay), QStringLiteral("2"));
        QCOMPARE(UndoTip(), QStringLiteral("Undo: insert car 2 (Ctrl+Z)"));
        PickCar(2);
        Key(Qt::Key_Insert, Qt::AltModifier);
        QCOMPARE(Text(Control::LayoutCarDisplay), QStringLiteral("3"));
        QVERIFY(Widget<QCheckBox>(Control::Invert)->isChecked());
        PickCar(0);
        Key(Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("3"));
        QCOMPARE(Text(Control::LayoutCarDisplay), QStringLiteral("1"));
        QCOMPARE(UndoTip(), QStringLiteral("Undo: remove car 1 (Ctrl+Z)"));
        QCOMPARE(Message(), QStringLiteral("Car 1 removed with its texts; Undo brings it back"));

        Key(Qt::Key_L, Qt::ControlModifier);
        Key(Qt::Key_S, Qt::ControlModifier);
        // The legend shows the first car's texts.
        QCOMPARE(Contents(Path("train.sch")),
                 testing::Lines({
                     "train",
                     "{",
                     "1d2|ER2||1l||||2l||||3l||||4l||||;",
                     "2i2|ER2||4r||||3r||||2r||||1r||||;",
                     "3i2|ER2|102|4r|5|W5|500|3r|6|W6|600|2r|7|W7|700|1r|8|W8|800|;",
                     "3i2|ER2|102|1l|8|W8|800|2l|7|W7|700|3l|6|W6|600|4l|5|W5|500|;",
                     "2i2|ER2||1l||||2l||||3l||||4l||||;",
                     "1d2|ER2||4r||||3r||||2r||||1r||||;",
                     "}",
                     "",
                     "Where:",
                     "1d - is a cars, which are located direct(1 - order of the cars)",
                     "1i - is a cars, which are located invert(1 - order of the cars)",
                     "2 - is a number of bogies in the car",
                     "ER2 - is a car series",
                     " - is a car number",
                     "1l - is a wheeled set order and side(l/r)",
                     " - is a axle name",
                     " - is a wheeled set name",
                     " - is a wheeled set run",
                 }));

        // Set, the removal and both insertions undone: the file as it was.
        for (int step = 0; step < 4; ++step) {
            Key(Qt::Key_Z, Qt::ControlModifier);
        }
        QCOMPARE(S().mode, Mode::LayoutMode);
        Key(Qt::Key_L, Qt::ControlModifier);
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Contents(Path("train.sch")), TwoCarTrainFile());
    }

    void aJoiningCarTakesTheSeriesOnlyWhenTheWholeTrainSharesIt() {
        QVERIFY(testing::Write(
            Path("mixed.sch"),
            TwoCarTrainFile().replace("2i2|ER2|102|", "2i2|ER9|102|").replace("train", "mixed")));
        QVERIFY(Form().OpenFile(Path("mixed.sch")));
        Key(Qt::Key_L, Qt::ControlModifier);
        Click(Control::AddCar);
        QCOMPARE(S().cars[2].series, std::string());
        PickCar(0);
        Key(Qt::Key_Insert);
        QCOMPARE(S().cars[1].series, std::string());
        Key(Qt::Key_Z, Qt::ControlModifier);
        Key(Qt::Key_Z, Qt::ControlModifier);

        // "−" takes car 102 with its texts; the train left shares ER2, so
        // the car "+" brings back has ER2 and nothing of car 102.
        Click(Control::RemoveCar);
        QCOMPARE(Message(), QStringLiteral("Car 2 removed with its texts; Undo brings it back"));
        Click(Control::AddCar);
        QCOMPARE(S().cars[1].series, std::string("ER2"));
        QCOMPARE(S().cars[1].carNumber, std::string());
        QCOMPARE(S().cars[1].axles[0].run, std::string());
        Key(Qt::Key_Z, Qt::ControlModifier);
        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(S().cars[1].series, std::string("ER9"));
        QCOMPARE(S().cars[1].carNumber, std::string("102"));
        QCOMPARE(S().cars[1].axles[0].run, std::string("800"));
    }

    void theStripsMenuOffersTheCommandsOnlyInTheLayoutAndWithinTheLimits() {
        const QList<QAction*> menu = Strip()->actions();
        for (Control command :
             {Control::InsertCarBefore, Control::InsertCarAfter, Control::RemoveCurrentCar}) {
            QVERIFY(menu.contains(Form().Action(command)));
            QVERIFY(!Widget("Image1")->actions().contains(Form().Action(command)));
        }
        QCOMPARE(Form().Action(Control::InsertCarAfter)->toolTip(),
                 QStringLiteral("Insert after the current car a car with the same axles, bogies "
                                "and orientation (Ins)"));
        QCOMPARE(Form().Action(Control::RemoveCurrentCar)->text(), QStringLiteral("Remove car"));
        Form().ApplyCaptions(Language::Russian);
        QCOMPARE(Form().Action(Control::InsertCarBefore)->text(),
                 QStringLiteral("Вставить вагон перед"));
        Key(Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(Message(), QStringLiteral("В поезде один вагон — его нельзя удалить"));
        Form().ApplyCaptions(Language::English);
        Key(Qt::Key_Delete, Qt::AltModifier);
        QCOMPARE(Message(), QStringLiteral("The train has one car, which cannot be removed"));
        QCOMPARE(Form().document().undoStack().count(), 0);

        // A right click picks the car its menu works on.
        Click(Control::AddCar);
        QTest::mouseClick(Strip(), Qt::RightButton, {}, CarBody(1));
        QCOMPARE(S().state.currentCar, 1);
        Form().Action(Control::InsertCarBefore)->trigger();
        QCOMPARE(S().state.carCount, 3);
        QCOMPARE(S().state.currentCar, 1);

        for (int car = 3; car < kMaxCars; ++car) {
            Click(Control::AddCar);
        }
        const int steps = Form().document().undoStack().count();
        Key(Qt::Key_Insert);
        QCOMPARE(Message(), QStringLiteral("The train has 40 cars, the most it can have"));
        QCOMPARE(S().state.carCount, kMaxCars);
        QCOMPARE(Form().document().undoStack().count(), steps);

        Click(Control::SetScheme);
        for (Control command :
             {Control::InsertCarBefore, Control::InsertCarAfter, Control::RemoveCurrentCar}) {
            QVERIFY(!Form().Action(command)->isEnabled());
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::CarsTest)
#include "cars_test.moc"
