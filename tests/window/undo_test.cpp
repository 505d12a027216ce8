// Undo and redo in the window: from the keys, wherever the focus is, and from
// the two buttons; typing not stored yet is taken back first; the title shows
// unsaved work the way the desktop expects it.
#include "window/window_texts.h"
#include "window_fixture.h"

namespace quorvane {

using testing::Write;

class UndoTest : public testing::WindowFixture {
    Q_OBJECT

    QPushButton* UndoButton() { return Widget<QPushButton>(Control::Undo); }
    QPushButton* RedoButton() { return Widget<QPushButton>(Control::Redo); }
    int Steps() { return Form().document().undoStack().count(); }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void buttonsSitBelowSetAndNameTheirStep() {
        QCOMPARE(UndoButton()->parentWidget()->objectName(), QStringLiteral("Panel2"));
        QCOMPARE(UndoButton()->geometry(), QRect(648, 72, 74, 25));
        QCOMPARE(RedoButton()->geometry(), QRect(727, 72, 74, 25));
        QCOMPARE(UndoButton()->text(), QStringLiteral("Undo"));
        QCOMPARE(RedoButton()->text(), QStringLiteral("Redo"));
        QVERIFY(!UndoButton()->isEnabled());
        QVERIFY(!RedoButton()->isEnabled());
        QCOMPARE(UndoButton()->toolTip(), QStringLiteral("Nothing to undo (Ctrl+Z)"));

        Click(Control::AddCar);
        Click(Control::AddCar);
        Click(Control::RemoveCar);
        QCOMPARE(UndoButton()->toolTip(), QStringLiteral("Undo: remove car 3 (Ctrl+Z)"));
        Click(Control::Undo);
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("3"));
        QVERIFY(RedoButton()->isEnabled());
        QCOMPARE(RedoButton()->toolTip(),
                 QStringLiteral("Redo: remove car 3 (Ctrl+Shift+Z, Ctrl+Y)"));
        QCOMPARE(UndoButton()->toolTip(), QStringLiteral("Undo: add car 3 (Ctrl+Z)"));
        Click(Control::Redo);
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("2"));
        QVERIFY(!RedoButton()->isEnabled());

        CloseWindow();
        OpenWindow(Language::Russian);
        QCOMPARE(UndoButton()->text(), QStringLiteral("Отменить"));
        QCOMPARE(RedoButton()->text(), QStringLiteral("Повторить"));
        Click(Control::AddCar);
        QCOMPARE(UndoButton()->toolTip(), QStringLiteral("Отменить: добавить вагон 2 (Ctrl+Z)"));
    }

    // The first Ctrl+Z takes back what the edits hold and the model does not,
    // all five edits at once; the next ones go to the stack, from an edit too.
    void ctrlZTakesBackTypingFirst() {
        Click(Control::AddCar);
        Click(Control::SetScheme);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));
        TypeHere(QStringLiteral("ER2"));
        Key(Qt::Key_Return);  // stored: the third step
        Key(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(Steps(), 3);
        Edit(Control::Run)->setFocus();
        TypeHere(QStringLiteral("55"));
        Edit(Control::Series)->setFocus();
        TypeHere(QStringLiteral("X"));
        QCOMPARE(Text(Control::Series), QStringLiteral("ER2X"));
        QCOMPARE(UndoButton()->toolTip(), QStringLiteral("Undo: typing (Ctrl+Z)"));
        QVERIFY(!RedoButton()->isEnabled());

        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Text(Control::Series), QStringLiteral("ER2"));
        QCOMPARE(Text(Control::Run), QString());
        QCOMPARE(Steps(), 3);
        QCOMPARE(Form().document().undoStack().index(), 3);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));
        QCOMPARE(UndoButton()->toolTip(), QStringLiteral("Undo: texts of wheel set 1 (Ctrl+Z)"));

        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Text(Control::Series), QString());
        QCOMPARE(S().cars[1].series, std::string());
        Key(Qt::Key_Z, Qt::ControlModifier);  // Set
        QCOMPARE(S().mode, Mode::LayoutMode);
        QVERIFY(!Edit(Control::Series)->isEnabled());
        QVERIFY(Widget(Control::AddCar)->isEnabled());
        QVERIFY(Widget(Control::AddBogie)->isEnabled());
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("2"));

        Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QVERIFY(Edit(Control::Series)->isEnabled());
        QVERIFY(!Widget(Control::AddCar)->isEnabled());
        Edit(Control::Run)->setFocus();
        Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Text(Control::Series), QStringLiteral("ER2"));
        QCOMPARE(S().cars[1].series, std::string("ER2"));
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("1"));
        QVERIFY(Form().HasUnsavedWork());

        // Typing waits for no redo: Ctrl+Y leaves it as it is.
        Key(Qt::Key_Z, Qt::ControlModifier);
        TypeHere(QStringLiteral("7"));
        QVERIFY(!RedoButton()->isEnabled());
        QCOMPARE(RedoButton()->toolTip(),
                 QStringLiteral("Redo: texts of wheel set 1 (Ctrl+Shift+Z, Ctrl+Y)"));
        Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Text(Control::Run), QStringLiteral("7"));
        QCOMPARE(S().cars[1].series, std::string());
    }

    void undoBackToTheSavedStateClearsTheMark() {
        Click(Control::SetScheme);
        log_.saveAnswers.push_back(Path("walk1.sch"));
        Click(Control::SaveScheme);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - walk1"));

        Edit(Control::Run)->setFocus();
        TypeHere(QStringLiteral("5"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - walk1*"));
        Key(Qt::Key_Return);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - walk1*"));
        Click(Control::Undo);
        QCOMPARE(S().cars[0].axles[0].run, std::string());
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - walk1"));
        QVERIFY(!Form().HasUnsavedWork());
        Click(Control::Undo);  // Set, which came before the save
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - walk1*"));
        Click(Control::Redo);
        QVERIFY(Form().close());
        QVERIFY(log_.unsavedQuestions.isEmpty());
    }

    void movesMarkNothingUnsaved() {
        QVERIFY(Write(Path("train.sch"), TwoCarTrainFile()));
        QVERIFY(Form().OpenFile(Path("train.sch")));
        Click(Control::NextWheelSet);
        Click(Control::NextCarInWalk);
        Key(Qt::Key_PageUp);
        QTest::mouseClick(Strip(), Qt::LeftButton, {}, CarBody(1));
        Edit(Control::Run)->setFocus();
        Key(Qt::Key_Return);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("6"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - train"));
        QVERIFY(!UndoButton()->isEnabled());
        QCOMPARE(Steps(), 0);
    }

    void newAndLoadLeaveNothingToUndo() {
        Click(Control::AddCar);
        Click(Control::AddAxle);
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        Click(Control::NewScheme);
        QVERIFY(!UndoButton()->isEnabled());
        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Counters(), QStringList({"1", "4", "2", "1", "1", "1", "1"}));

        QVERIFY(Write(Path("train.sch"), TwoCarTrainFile()));
        Click(Control::AddCar);
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        log_.openAnswers.push_back(Path("train.sch"));
        Click(Control::LoadScheme);
        QVERIFY(!UndoButton()->isEnabled());
        const testing::Snapshot loaded = Snap();
        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Snap(), loaded);
        QCOMPARE(log_.unsavedQuestions.size(), 2);
    }

    // The desktop turns "[*]" into the mark of unsaved work; a name's own
    // "[*]" is shown as it is.
    void aNameWithTheMarksPlaceholderStaysAsItIs() {
        Click(Control::SetScheme);
        log_.saveAnswers.push_back(Path("a[*]b.sch"));
        Click(Control::SaveScheme);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - a[*]b"));
        Edit(Control::AxleName)->setFocus();
        TypeHere(QStringLiteral("1"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - a[*]b*"));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::UndoTest)
#include "undo_test.moc"
