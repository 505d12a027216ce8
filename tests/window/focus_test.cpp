// Where the focus goes after a command: where typing goes on when the
// command moved the walk, changed the mode or took the focus from its
// control (during the walk the first empty field, else the first; in the
// layout the strip), never on New, Load or Exit, and otherwise where it was.
#include <functional>

#include "window_fixture.h"

namespace quorvane {

class FocusTest : public testing::WindowFixture {
    Q_OBJECT

    struct Case {
        const char* name;
        std::function<void(FocusTest&)> act;
        const char* focus;  // the object name of the widget that has it then
    };

    void Walk() {
        Click(Control::AddCar);
        Click(Control::SetScheme);
    }

    void Focus(Control control) { Widget(control)->setFocus(Qt::TabFocusReason); }

    const std::vector<Case>& Cases() {
        using F = FocusTest;
        static const std::vector<Case> cases{
            {"Set from the strip by its key",
             [](F& t) {
                 t.Strip()->setFocus();
                 t.Key(Qt::Key_L, Qt::ControlModifier);
             },
             "editSeries"},
            {"Set clicked", [](F& t) { t.Click(Control::SetScheme); }, "editSeries"},
            {"Edit layout from a field by its key",
             [](F& t) {
                 t.Walk();
                 t.Focus(Control::Run);
                 t.Key(Qt::Key_L, Qt::ControlModifier);
             },
             "Image2"},
            {"Edit layout clicked",
             [](F& t) {
                 t.Walk();
                 t.Click(Control::SetScheme);
             },
             "Image2"},
            {"Edit layout and Set by their key",
             [](F& t) {
                 t.Walk();
                 t.Type(Control::Series, QStringLiteral("ER2"));
                 t.Focus(Control::Run);
                 t.Key(Qt::Key_L, Qt::ControlModifier);
                 t.Key(Qt::Key_L, Qt::ControlModifier);
             },
             "editNumber"},
            {"New clicked and cancelled",
             [](F& t) {
                 t.Walk();
                 t.Click(Control::NewScheme);
                 QCOMPARE(t.log_.unsavedQuestions.size(), 1);
             },
             "editSeries"},
            {"New clicked in the layout", [](F& t) { t.Click(Control::NewScheme); }, "Image2"},
            {"Load clicked and cancelled",
             [](F& t) {
                 t.Walk();
                 t.log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
                 t.Click(Control::LoadScheme);
                 QCOMPARE(t.log_.openDialogsShown, 1);
             },
             "editSeries"},
            {"Exit clicked and cancelled",
             [](F& t) {
                 t.Click(Control::AddCar);
                 t.Click(Control::Exit);
                 QVERIFY(t.Form().isVisible());
             },
             "Image2"},
            {"a layout step clicked",
             [](F& t) {
                 t.Click(Control::AddCar);
                 t.Click(Control::AddAxle);
             },
             "cxButton5"},
            {"Save in place from a field, the dialog cancelled",
             [](F& t) {
                 t.Walk();
                 t.Focus(Control::Run);
                 t.Key(Qt::Key_S, Qt::ControlModifier);
                 QCOMPARE(t.log_.saveDialogsShown, 1);
             },
             "editRun"},
            {"Export from a field, the dialog cancelled",
             [](F& t) {
                 t.Walk();
                 t.Focus(Control::AxleName);
                 t.Key(Qt::Key_E, Qt::ControlModifier);
                 QCOMPARE(t.log_.exportDialogsShown, 1);
             },
             "editAxle"},
            {"next car from a button by its key",
             [](F& t) {
                 t.Walk();
                 t.Type(Control::Series, QStringLiteral("ER2"));
                 t.Focus(Control::NextWheelSet);
                 t.Key(Qt::Key_PageDown);
                 QCOMPARE(t.S().state.currentCar, 1);
             },
             "editNumber"},
            {"next wheel set clicked",
             [](F& t) {
                 t.Walk();
                 t.Click(Control::NextWheelSet);
             },
             "editSeries"},
            {"Enter into a wheel set with nothing empty",
             [](F& t) {
                 QVERIFY(testing::Write(t.Path("train.sch"), TwoCarTrainFile()));
                 QVERIFY(t.Form().OpenFile(t.Path("train.sch")));
                 t.Focus(Control::Run);
                 t.Key(Qt::Key_Return);
                 QCOMPARE(t.S().state.walkCursor, 1);
             },
             "editSeries"},
            {"Set undone from a field",
             [](F& t) {
                 t.Walk();
                 t.Focus(Control::CarNumber);
                 t.Key(Qt::Key_Z, Qt::ControlModifier);
                 QCOMPARE(t.S().mode, Mode::LayoutMode);
             },
             "Image2"},
        };
        return cases;
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void focusAfterACommand_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < Cases().size(); ++i) {
            QTest::newRow(Cases()[i].name) << static_cast<int>(i);
        }
    }

    void focusAfterACommand() {
        QFETCH(int, index);
        const Case& c = Cases()[static_cast<std::size_t>(index)];
        c.act(*this);
        QCOMPARE(FocusedName(), QString::fromLatin1(c.focus));
    }

    // The keyboard alone from the start: the layout's focus is the strip,
    // where Space presses nothing.
    void theWindowOpensWithTheFocusOnTheStrip() {
        QCOMPARE(FocusedName(), QStringLiteral("Image2"));
        Key(Qt::Key_Space);
        QCOMPARE(log_.unsavedQuestions.size(), 0);
        QCOMPARE(log_.openDialogsShown, 0);
        QVERIFY(Form().isVisible());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FocusTest)
#include "focus_test.moc"
