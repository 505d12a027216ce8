// The layout is a two-way door: "Edit layout" goes back to it with every text
// kept, a car or axle added there joins empty (a car with the series the
// whole train shares), and Set goes on with the walk where it was.
#include "window_fixture.h"

namespace quorvane {

using testing::Contents;

class EditLayoutTest : public testing::WindowFixture {
    Q_OBJECT

    QPushButton* SetButton() { return Widget<QPushButton>(Control::SetScheme); }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void textsStayWithTheirCarsAndAxlesAndNewOnesJoinEmpty() {
        EnterTwoCarTrain();
        Key(Qt::Key_PageUp);
        Click(Control::NextWheelSet);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("2"));
        Type(Control::Run, QStringLiteral("X"));  // stored by Edit layout

        Click(Control::SetScheme);
        QCOMPARE(S().mode, Mode::LayoutMode);
        QVERIFY(!Widget(Control::SaveScheme)->isEnabled());
        QCOMPARE(Text(Control::Run), QString());
        Click(Control::AddCar);
        Click(Control::AddAxle);  // to car 1, where the walk was
        QCOMPARE(Text(Control::AxleCountDisplay), QStringLiteral("5"));

        Click(Control::SetScheme);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("2"));
        QCOMPARE(Text(Control::Run), QStringLiteral("200X"));
        QCOMPARE(Text(Control::Series), QStringLiteral("ER2"));

        log_.saveAnswers = {Path("train.sch")};
        Click(Control::SaveScheme);
        QCOMPARE(Contents(Path("train.sch")),
                 QByteArray(TwoCarTrainFile())
                     .replace("|2l|2|W2|200|", "|2l|2|W2|200X|")
                     .replace("|2r|2|W2|200|", "|2r|2|W2|200X|")
                     .replace("|4l|4|W4|400|;\r\n", "|4l|4|W4|400|5l||||;\r\n")
                     .replace("1d2|ER2|101|4r|", "1d2|ER2|101|5r||||4r|")
                     .replace("2i2|ER2|102|4r|5|W5|500|3r|6|W6|600|2r|7|W7|700|1r|8|W8|800|;\r\n",
                              "2i2|ER2|102|4r|5|W5|500|3r|6|W6|600|2r|7|W7|700|1r|8|W8|800|;\r\n"
                              "3d2|ER2||1l||||2l||||3l||||4l||||;\r\n"
                              "3d2|ER2||4r||||3r||||2r||||1r||||;\r\n"));
    }

    void theButtonReadsEditLayoutAndUndoGoesBackExactly() {
        QCOMPARE(SetButton()->text(), QStringLiteral("Set scheme"));
        Click(Control::AddCar);
        Key(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QVERIFY(SetButton()->isEnabled());
        QCOMPARE(SetButton()->text(), QStringLiteral("Edit layout"));
        QCOMPARE(SetButton()->toolTip(),
                 QStringLiteral("Change cars, axles, bogies and the scheme type again; every text "
                                "stays with its car and axle (Ctrl+L)"));
        Form().ApplyCaptions(Language::Russian);
        QCOMPARE(SetButton()->text(), QStringLiteral("Изменить схему"));
        Form().ApplyCaptions(Language::English);

        // Ctrl+L from a field: the typing goes with it, in one step.
        Key(Qt::Key_PageDown);
        Click(Control::NextWheelSet);
        Edit(Control::Series)->setFocus();
        TypeHere(QStringLiteral("ER"));
        const int steps = Form().document().undoStack().count();
        Key(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(S().mode, Mode::LayoutMode);
        QCOMPARE(SetButton()->text(), QStringLiteral("Set scheme"));
        QCOMPARE(Form().document().undoStack().count(), steps + 1);
        QCOMPARE(S().cars[1].series, std::string("ER"));
        Key(Qt::Key_S, Qt::ControlModifier);  // Save waits for the walk
        QCOMPARE(log_.saveDialogsShown, 0);

        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("6"));
        QCOMPARE(Text(Control::Series), QString());
        QCOMPARE(SetButton()->text(), QStringLiteral("Edit layout"));
        Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(S().mode, Mode::LayoutMode);
        QCOMPARE(S().cars[1].series, std::string("ER"));

        // Set goes on at the same wheel set.
        Key(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("6"));
        QCOMPARE(Text(Control::Series), QStringLiteral("ER"));

        // The unsaved-work question's Save works from the layout too.
        Key(Qt::Key_L, Qt::ControlModifier);
        log_.unsavedAnswers = {UnsavedChoice::Save};
        log_.saveAnswers = {Path("kept.sch")};
        Click(Control::NewScheme);
        QVERIFY(Contents(Path("kept.sch")).startsWith("kept\r\n{\r\n1d2|ER||1l||||"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme"));
    }

    // Ctrl+L twice on a file just opened changes nothing: the same wheel
    // set, no mark in the title, nothing to undo, and Exit asks nothing. A
    // text typed or a change of the layout in between is a change as ever.
    void editLayoutAndSetWithNothingBetweenIsNoChange_data() {
        QTest::addColumn<int>("between");
        QTest::addColumn<int>("steps");
        QTest::newRow("nothing") << 0 << 0;
        QTest::newRow("a text typed") << 1 << 2;
        QTest::newRow("an axle added") << 2 << 3;
    }

    void editLayoutAndSetWithNothingBetweenIsNoChange() {
        QFETCH(int, between);
        QFETCH(int, steps);
        QVERIFY(testing::Write(Path("train.sch"), TwoCarTrainFile()));
        QVERIFY(Form().OpenFile(Path("train.sch")));
        Click(Control::NextWheelSet);
        Click(Control::NextWheelSet);
        const testing::Snapshot opened = Snap();
        QCOMPARE(opened.title, QStringLiteral("Quorvane 2.0 - train"));

        if (between == 1) {
            Type(Control::Run, QStringLiteral("X"));
        }
        Key(Qt::Key_L, Qt::ControlModifier);
        if (between == 2) {
            Click(Control::AddAxle);
        }
        Key(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("3"));
        QCOMPARE(Form().document().undoStack().count(), steps);
        if (steps == 0) {
            QCOMPARE(Snap(), opened);
            QVERIFY(!Widget(Control::Undo)->isEnabled());
            QVERIFY(!Form().HasUnsavedWork());
            QVERIFY(Form().close());
            QCOMPARE(log_.unsavedQuestions.size(), 0);
        } else {
            QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - train*"));
            QVERIFY(Widget(Control::Undo)->isEnabled());
            QVERIFY(!Form().close());  // the question is cancelled
            QCOMPARE(log_.unsavedQuestions.size(), 1);
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::EditLayoutTest)
#include "edit_layout_test.moc"
