// The number fields beside the steppers take typed numbers: the counts of
// the layout clamped as their steppers clamp, the walk position and the car
// as jumps; what is not a number is refused; whatever is typed there stays
// out of the parameter fields.
#include <QStatusBar>

#include "window_fixture.h"

namespace quorvane {

class TypedNumbersTest : public testing::WindowFixture {
    Q_OBJECT

    QString Message() { return Widget<QStatusBar>("StatusBar")->currentMessage(); }
    int Steps() { return Form().document().undoStack().count(); }

    // Clicked into, as the operator does: coming from elsewhere, what it
    // holds is selected, so that typing replaces it; clicked again, it is
    // selected as in any line edit.
    void ClickInto(Control field) {
        const bool there = Edit(field)->hasFocus();
        QTest::mouseClick(Edit(field), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(FocusedName(), ObjectNameOf(field));
        if (there) {
            Key(Qt::Key_A, Qt::ControlModifier);
        }
        QCOMPARE(Edit(field)->selectedText(), Edit(field)->text());
    }
    void TypeInto(Control field, const QString& text) {
        ClickInto(field);
        if (text.isEmpty()) {
            Key(Qt::Key_Backspace);
        }
        TypeHere(text);
    }
    void Enter(Control field, const QString& text) {
        TypeInto(field, text);
        Key(Qt::Key_Return);
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    // From the new scheme's 1 car of 4 axles and 2 bogies, type 1.
    void typedCountIsClampedOrRefused_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, Control field, const char* typed, const char* shown,
                            const QString& message = {}) {
            QTest::newRow(name) << static_cast<int>(field) << QString::fromUtf8(typed)
                                << QString::fromUtf8(shown) << message;
        };
        row("cars within range", Control::CarCountDisplay, "7", "7");
        row("cars with spaces", Control::CarCountDisplay, " 12 ", "12");
        row("cars above", Control::CarCountDisplay, "55", "40",
            "The number of cars: 1 to 40 — 55 taken as 40");
        row("cars below", Control::CarCountDisplay, "0", "1",
            "The number of cars: 1 to 40 — 0 taken as 1");
        row("cars far beyond an int", Control::CarCountDisplay, "99999999999", "40",
            "The number of cars: 1 to 40 — 99999999999 taken as 40");
        row("axles above", Control::AxleCountDisplay, "20", "16",
            "Axles in the car: 2 to 16 — 20 taken as 16");
        row("axles negative", Control::AxleCountDisplay, "-3", "2",
            "Axles in the car: 2 to 16 — -3 taken as 2");
        row("bogies above the axles", Control::BogieCountDisplay, "6", "4",
            "Bogies in the car: 1 to 4 — 6 taken as 4");
        row("scheme type", Control::SchemeTypeDisplay, "5", "5");
        row("scheme type above", Control::SchemeTypeDisplay, "9", "6",
            "Type of the scheme: 1 to 6 — 9 taken as 6");
        row("letters", Control::CarCountDisplay, "abc", "1",
            "The number of cars: \"abc\" is not a number, 1 kept");
        row("a fraction", Control::BogieCountDisplay, "2.5", "2",
            "Bogies in the car: \"2.5\" is not a number, 2 kept");
        row("nothing", Control::AxleCountDisplay, "", "4",
            "Axles in the car: \"\" is not a number, 4 kept");
        row("a sign alone", Control::SchemeTypeDisplay, "-", "1",
            "Type of the scheme: \"-\" is not a number, 1 kept");
    }

    void typedCountIsClampedOrRefused() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        const auto control = static_cast<Control>(field);
        const QString before = Text(control);
        Enter(control, typed);
        QCOMPARE(Text(control), shown);
        QCOMPARE(Message(), message);
        QCOMPARE(Steps(), shown == before ? 0 : 1);
        // the field keeps the cursor
        QCOMPARE(FocusedName(), ObjectNameOf(control));
        const Scheme& s = S();
        const std::array<int, 4> counts{s.state.carCount, s.cars[0].axleCount, s.cars[0].bogieCount,
                                        s.state.schemeType};
        QCOMPARE(
            counts.at(static_cast<std::size_t>(field - static_cast<int>(Control::CarCountDisplay))),
            shown.toInt());
    }

    void messagesAreInRussianToo() {
        Form().ApplyCaptions(Language::Russian);
        Enter(Control::CarCountDisplay, QStringLiteral("55"));
        QCOMPARE(Message(), QStringLiteral("Число вагонов: от 1 до 40 — 55 принято как 40"));
        Enter(Control::BogieCountDisplay, QStringLiteral("x"));
        QCOMPARE(Message(), QStringLiteral("Тележек в вагоне: «x» — не число, осталось 2"));
        QCOMPARE(Text(Control::BogieCountDisplay), QStringLiteral("2"));
    }

    // However far a typed count jumps, one Undo takes it back.
    void aJumpIsOneUndoStep() {
        Enter(Control::CarCountDisplay, QStringLiteral("6"));
        Enter(Control::AxleCountDisplay, QStringLiteral("9"));
        QCOMPARE(Steps(), 2);
        QCOMPARE(S().state.carCount, 6);
        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Text(Control::AxleCountDisplay), QStringLiteral("4"));
        Key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("1"));
        QCOMPARE(S().state.carCount, 1);
        Key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(S().state.carCount, 6);
    }

    // Fewer cars or axles than hold texts: the status line names what went,
    // and Undo brings it back with its texts.
    void aLowerCountSaysWhatWentWithItsTexts() {
        EnterTwoCarTrain();
        Click(Control::SetScheme);  // Edit layout, at car 2
        Enter(Control::AxleCountDisplay, QStringLiteral("2"));
        QCOMPARE(
            Message(),
            QStringLiteral("Axles with texts left car 2: 3, 4 — Undo (Ctrl+Z) brings them back"));
        Enter(Control::CarCountDisplay, QStringLiteral("1"));
        QCOMPARE(
            Message(),
            QStringLiteral("Cars with texts left the train: 2 — Undo (Ctrl+Z) brings them back"));
        Enter(Control::CarCountDisplay, QStringLiteral("3"));
        QVERIFY(S().cars[1].carNumber.empty());

        Click(Control::Undo);
        Click(Control::Undo);
        QCOMPARE(S().state.carCount, 2);
        QCOMPARE(S().cars[1].carNumber, std::string("102"));
        Click(Control::Undo);
        QCOMPARE(S().cars[1].axleCount, 4);
        QCOMPARE(S().cars[1].axles[3].run, std::string("500"));

        // In Russian too.
        Form().ApplyCaptions(Language::Russian);
        Enter(Control::CarCountDisplay, QStringLiteral("1"));
        QCOMPARE(Message(),
                 QStringLiteral("Убраны вагоны с текстами: 2 — «Отменить» (Ctrl+Z) вернёт их"));
    }

    // Up and Down step as + and − do, at the same limits; typing not applied
    // yet is applied first.
    void upAndDownStepTheField() {
        ClickInto(Control::CarCountDisplay);
        Key(Qt::Key_Up);
        Key(Qt::Key_Up);
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("3"));
        Key(Qt::Key_Down);
        QCOMPARE(S().state.carCount, 2);
        QCOMPARE(Steps(), 3);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::CarCountDisplay));

        ClickInto(Control::SchemeTypeDisplay);
        TypeHere(QStringLiteral("6"));
        Key(Qt::Key_Up);
        QCOMPARE(S().state.schemeType, 6);
        Key(Qt::Key_Down);
        QCOMPARE(Text(Control::SchemeTypeDisplay), QStringLiteral("5"));
    }

    void escapeDropsTheTyping() {
        TypeInto(Control::CarCountDisplay, QStringLiteral("7"));
        Key(Qt::Key_Escape);
        QCOMPARE(Text(Control::CarCountDisplay), QStringLiteral("1"));
        Click(Control::AddAxle);  // leaves the field: nothing left to apply
        QCOMPARE(S().state.carCount, 1);
        QCOMPARE(Steps(), 1);
    }

    // A command key or a click elsewhere with a number typed and not
    // entered: the number is applied first, as Enter would.
    void pendingNumberIsAppliedBeforeTheCommand() {
        TypeInto(Control::CarCountDisplay, QStringLiteral("3"));
        Key(Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(S().state.carCount, 3);
        QCOMPARE(S().state.totalAxles, 12);

        Key(Qt::Key_L, Qt::ControlModifier);  // Edit layout
        TypeInto(Control::AxleCountDisplay, QStringLiteral("6"));
        Click(Control::AddBogie);
        QCOMPARE(CurrentCar(S()).axleCount, 6);
        QCOMPARE(CurrentCar(S()).bogieCount, 3);

        // Walking: Page Down goes on from the position typed.
        Key(Qt::Key_L, Qt::ControlModifier);
        TypeInto(Control::WalkPositionDisplay, QStringLiteral("7"));
        Key(Qt::Key_PageDown);
        // from car 2's first wheel set to car 3's
        QCOMPARE(S().state.walkCursor, 10);
    }

    // Typing 30 into the position and Enter goes to wheel set 30, storing
    // what the parameter fields held; nothing typed there reaches them.
    void typedPositionJumpsAndNeverReachesTheParameterFields() {
        Enter(Control::CarCountDisplay, QStringLiteral("8"));
        Click(Control::SetScheme);
        QCOMPARE(S().state.totalAxles, 32);
        Edit(Control::Run)->setFocus(Qt::MouseFocusReason);
        TypeHere(QStringLiteral("500"));
        const int steps = Steps();

        ClickInto(Control::WalkPositionDisplay);
        TypeHere(QStringLiteral("30"));
        QCOMPARE(Text(Control::Run), QStringLiteral("500"));
        Key(Qt::Key_Return);
        QCOMPARE(S().state.walkCursor, 29);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("30"));
        // the edits were stored
        QCOMPARE(S().cars[0].axles[0].run, std::string("500"));
        QCOMPARE(Steps(), steps + 1);
        for (Control edit : kEdits) {
            QCOMPARE(Text(edit), QString());
        }
        for (int car = 0; car < 8; ++car) {
            for (int axle = 0; axle < 4; ++axle) {
                QVERIFY(S().cars[static_cast<std::size_t>(car)]
                            .axles[static_cast<std::size_t>(axle)]
                            .run.find("30") == std::string::npos);
            }
        }
        // typing goes on there
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));

        Enter(Control::WalkPositionDisplay, QStringLiteral("45"));
        QCOMPARE(S().state.walkCursor, 31);
        QCOMPARE(Message(), QStringLiteral("Position: 1 to 32 — 45 taken as 32"));
        Enter(Control::WalkPositionDisplay, QStringLiteral("x1"));
        QCOMPARE(S().state.walkCursor, 31);
        QCOMPARE(Message(), QStringLiteral("Position: \"x1\" is not a number, 32 kept"));
    }

    // Ctrl+G puts the cursor into the position, its number selected.
    void ctrlGGoesToThePosition() {
        Click(Control::SetScheme);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));
        Key(Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(FocusedName(), ObjectNameOf(Control::WalkPositionDisplay));
        TypeHere(QStringLiteral("3"));
        Key(Qt::Key_Return);
        QCOMPARE(S().state.walkCursor, 2);
        QCOMPARE(Text(Control::Series), QString());
    }

    // A car number typed in the layout makes that car current; in the walk
    // the edits are stored and the walk goes to the car's first wheel set.
    void typedCarJumpsToThatCar() {
        Enter(Control::CarCountDisplay, QStringLiteral("4"));
        Enter(Control::LayoutCarDisplay, QStringLiteral("3"));
        QCOMPARE(S().state.currentCar, 2);
        // only the cars added
        QCOMPARE(Steps(), 1);
        Enter(Control::LayoutCarDisplay, QStringLiteral("9"));
        QCOMPARE(S().state.currentCar, 3);
        QCOMPARE(Message(), QStringLiteral("Current car: 1 to 4 — 9 taken as 4"));

        Click(Control::SetScheme);  // a first walk starts at car 1
        Type(Control::CarNumber, QStringLiteral("101"));
        Enter(Control::WalkCarDisplay, QStringLiteral("2"));
        QCOMPARE(S().state.currentCar, 1);
        QCOMPARE(S().state.walkCursor, 4);
        QCOMPARE(S().cars[0].carNumber, std::string("101"));
        QCOMPARE(Text(Control::WalkCarDisplay), QStringLiteral("2"));
    }

    // Each field takes typing in its own mode only and looks read-only in
    // the other; a click there leaves the focus where it was.
    void aFieldTakesTypingOnlyInItsMode() {
        for (bool walking : {false, true}) {
            if (walking) {
                Click(Control::SetScheme);
            }
            for (Control field : kDisplays) {
                const bool walkField =
                    field == Control::WalkPositionDisplay || field == Control::WalkCarDisplay;
                const bool own = walkField == walking;
                QCOMPARE(Edit(field)->isReadOnly(), !own);
                QCOMPARE(Edit(field)->toolTip().isEmpty(), !own);
                if (!own) {
                    const QString before = FocusedName();
                    QTest::mouseClick(Edit(field), Qt::LeftButton);
                    QCOMPARE(FocusedName(), before);
                }
            }
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::TypedNumbersTest)
#include "typed_numbers_test.moc"
