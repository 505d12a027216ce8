// What operators who enter hundreds of wheel sets a day rely on: no work is
// lost without a question, the keyboard does everything, and files open the
// desktop way.
#include <QMimeData>
#include <QToolTip>
#include <QUrl>

#include "window/command_line.h"
#include "window/window_texts.h"
#include "window_fixture.h"

namespace quorvane {

using testing::Contents;
using testing::Write;

class OperatorDayTest : public testing::WindowFixture {
    Q_OBJECT

    // Tab through the window until the control has the focus.
    void TabTo(Control control) {
        const QString name = ObjectNameOf(control);
        for (int presses = 0; presses < 80 && FocusedName() != name; ++presses) {
            Key(Qt::Key_Tab);
        }
        QCOMPARE(FocusedName(), name);
    }

    void DropFile(const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(500, 200), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&Form(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(500, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Form(), &drop);
    }

    // A file the editor saved: one direct car of 4 axles, type 1.
    QString SavedScheme(const QString& name) {
        const QString path = Path(name);
        Write(path, testing::Lines({name.chopped(4), "{", "1d2|S|7|1l|a|w|9|2l||||3l||||4l||||;",
                                    "1d2|S|7|4r||||3r||||2r||||1r|a|w|9|;", "}"}));
        return path;
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void keyboardAloneLaysOutFillsInAndSaves() {
        TabTo(Control::AddCar);
        Key(Qt::Key_Space);
        TabTo(Control::NextCarInLayout);
        Key(Qt::Key_Space);
        TabTo(Control::Invert);
        Key(Qt::Key_Space);
        TabTo(Control::SetScheme);
        Key(Qt::Key_Space);
        QCOMPARE(S().mode, Mode::ParameterMode);
        // Set hands the keyboard to the first field of the walk.
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));

        for (int p = 1; p <= 8; ++p) {
            if (p == 1) {
                TypeHere(QStringLiteral("ER2"));
                Key(Qt::Key_Tab);
            }
            if (p == 1 || p == 5) {
                QCOMPARE(FocusedName(), ObjectNameOf(Control::CarNumber));
                TypeHere(p == 1 ? QStringLiteral("101") : QStringLiteral("102"));
                Key(Qt::Key_Tab);
            }
            // Enter left the focus on the first empty edit: the axle name.
            QCOMPARE(FocusedName(), ObjectNameOf(Control::AxleName));
            TypeHere(QString::number(p));
            Key(Qt::Key_Tab);
            TypeHere(QStringLiteral("W%1").arg(p));
            Key(Qt::Key_Tab);
            TypeHere(QString::number(p) + QStringLiteral("00"));
            Key(Qt::Key_Return);
        }
        log_.saveAnswers.push_back(Path("train.sch"));
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Contents(Path("train.sch")), TwoCarTrainFile());
        QVERIFY(!Form().HasUnsavedWork());
    }

    void keyStepsMoveTheWalkAndTheFocus() {
        Click(Control::AddCar);
        Click(Control::SetScheme);
        Edit(Control::Run)->setFocus();
        TypeHere(QStringLiteral("1"));
        Key(Qt::Key_Return);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("2"));
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Series));
        Key(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("1"));
        QCOMPARE(Text(Control::Run), QStringLiteral("1"));
        Key(Qt::Key_PageDown);
        QCOMPARE(Text(Control::WalkCarDisplay), QStringLiteral("2"));
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("5"));
        Key(Qt::Key_PageUp);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("1"));

        // Nothing empty at the new position: the focus stays.
        for (Control edit :
             {Control::Series, Control::CarNumber, Control::AxleName, Control::WheelSetName}) {
            Edit(edit)->setText(QStringLiteral("x"));
        }
        Key(Qt::Key_Return);
        Key(Qt::Key_Return, Qt::ShiftModifier);
        Edit(Control::Run)->setFocus();
        Key(Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("1"));
        QCOMPARE(FocusedName(), ObjectNameOf(Control::Run));
    }

    void shortcutsWorkOnlyWhenTheirButtonDoes() {
        Key(Qt::Key_S, Qt::ControlModifier);  // Save is disabled in layout mode
        QVERIFY(log_.lastProposedName.isEmpty());
        Key(Qt::Key_PageDown);
        QCOMPARE(S().state.currentCar, 0);

        Click(Control::AddCar);
        Key(Qt::Key_N, Qt::ControlModifier);  // New asks about the added car
        QCOMPARE(log_.unsavedQuestions.size(), 1);
        QCOMPARE(S().state.carCount, 2);

        log_.openAnswers.push_back(SavedScheme(QStringLiteral("one.sch")));
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        Key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(S().fileName, std::string("one"));
        Key(Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!Form().isVisible());
    }

    // The undo buttons' tooltips name their step; the undo tests check them.
    // Every picture button has one, and every button with keys names them
    // as the desktop does, taken from its action.
    void tooltipsNameEveryPictureButtonInBothLanguages() {
        struct Tip {
            Control control;
            Language language;
            QString text;
        };
        const std::vector<Tip> tips{
            {Control::AddCar, Language::English, "Add a car"},
            {Control::NextSchemeType, Language::Russian, "Следующий тип схемы"},
            {Control::NextWheelSet, Language::English, "Next wheel set (Enter)"},
            {Control::PreviousWheelSet, Language::Russian,
             "Предыдущая колёсная пара (Shift+Enter)"},
            {Control::PreviousCarInWalk, Language::English, "Previous car (PgUp)"},
            {Control::NextCarInWalk, Language::English, "Next car (PgDown)"},
            {Control::SetScheme, Language::English,
             "Fix the layout and enter the wheel parameters (Ctrl+L)"},
            {Control::SaveScheme, Language::English,
             "Save to a file chosen in the dialog (Ctrl+Shift+S). Ctrl+S saves into the "
             "scheme's own file without the dialog"},
            {Control::SaveScheme, Language::Russian,
             "Сохранить в файл, выбранный в диалоге (Ctrl+Shift+S). Ctrl+S сохраняет в файл "
             "схемы без диалога"},
            {Control::NewScheme, Language::English, "New scheme (Ctrl+N)"},
            {Control::LoadScheme, Language::Russian, "Загрузить схему (Ctrl+O)"},
            {Control::Exit, Language::English, "Exit (Ctrl+Q)"},
        };
        for (const Tip& tip : tips) {
            Form().ApplyCaptions(tip.language);
            QCOMPARE(Widget(tip.control)->toolTip(), tip.text);
        }
        for (Language language : {Language::Russian, Language::English}) {
            Form().ApplyCaptions(language);
            for (const WindowControl& row : WindowControls()) {
                if (row.kind != ControlKind::Button) {
                    continue;
                }
                const QString tip = Widget(row.control)->toolTip();
                QVERIFY2(!tip.isEmpty(), row.objectName.data());
                for (const QKeySequence& keys : Form().Action(row.control)->shortcuts()) {
                    QVERIFY2(tip.contains(keys.toString(QKeySequence::NativeText)),
                             qPrintable(tip));
                }
            }
        }
    }

    // Which actions ask, and what each answer does to them.
    void unsavedWorkIsNeverLostWithoutAQuestion() {
        // Unchanged: nothing asks, and a step at its limit changes nothing.
        Click(Control::RemoveCar);
        Click(Control::PreviousCarInLayout);
        Click(Control::NewScheme);
        QVERIFY(!Form().HasUnsavedWork());
        QVERIFY(log_.unsavedQuestions.isEmpty());

        // A layout change: Cancel keeps it, Discard lets New go on.
        Click(Control::AddAxle);
        QVERIFY(Form().HasUnsavedWork());
        Click(Control::NewScheme);
        QCOMPARE(S().cars[0].axleCount, 5);
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        Click(Control::NewScheme);
        QCOMPARE(S().cars[0].axleCount, 4);
        QCOMPARE(log_.unsavedQuestions.size(), 2);

        // Text typed but not yet stored counts too.
        Click(Control::SetScheme);
        Type(Control::Run, QStringLiteral("77"));
        QVERIFY(Form().HasUnsavedWork());

        // Save, with no file yet: the save dialog cancelled cancels Load too.
        log_.unsavedAnswers.push_back(UnsavedChoice::Save);
        log_.openAnswers.push_back(SavedScheme(QStringLiteral("other.sch")));
        Click(Control::LoadScheme);
        QCOMPARE(log_.saveDialogsShown, 1);
        QCOMPARE(S().fileName, std::string("new_scheme"));
        QCOMPARE(Text(Control::Run), QStringLiteral("77"));

        // Save into a folder that is a file fails: Load stays cancelled.
        Write(Path("plain"), "x");
        log_.unsavedAnswers.push_back(UnsavedChoice::Save);
        log_.saveAnswers.push_back(Path("plain/x.sch"));
        Click(Control::LoadScheme);
        QCOMPARE(S().fileName, std::string("new_scheme"));
        QCOMPARE(log_.warnings.size(), std::size_t(1));

        // Save that works: the run is in the file, then the other file loads.
        log_.unsavedAnswers.push_back(UnsavedChoice::Save);
        log_.saveAnswers.push_back(Path("first.sch"));
        Click(Control::LoadScheme);
        QCOMPARE(S().fileName, std::string("other"));
        QVERIFY(Contents(Path("first.sch")).contains("1l|||77|"));
        QVERIFY(!Form().HasUnsavedWork());

        // With a file, Save writes it in place, without the dialog.
        Type(Control::Run, QStringLiteral("88"));
        log_.unsavedAnswers.push_back(UnsavedChoice::Save);
        log_.openAnswers.push_back(Path("first.sch"));
        Click(Control::LoadScheme);
        QCOMPARE(log_.saveDialogsShown, 3);
        QVERIFY(Contents(Path("other.sch")).contains("1l|a|w|988|"));
        QCOMPARE(S().fileName, std::string("first"));

        // Closing the window asks the same way.
        Type(Control::AxleName, QStringLiteral("3"));
        QVERIFY(!Form().close());
        QVERIFY(Form().isVisible());
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        QVERIFY(Form().close());
    }

    void aFileOnTheCommandLineOpensLikeLoad() {
        QVERIFY(Form().OpenFile(SavedScheme(QStringLiteral("cli.sch"))));
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - cli"));
        QCOMPARE(Text(Control::Series), QStringLiteral("S"));
        QVERIFY(!Form().HasUnsavedWork());

        CloseWindow();
        OpenWindow();
        Write(Path("bad.sch"), "no car list");
        QVERIFY(!Form().OpenFile(Path("bad.sch")));
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QVERIFY(log_.warnings[0].text.contains(QStringLiteral("no \"{\" opens the car list")));
        QCOMPARE(S().mode, Mode::LayoutMode);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme"));
    }

    void droppingASchemeLoadsItAfterTheQuestion() {
        const QString path = SavedScheme(QStringLiteral("dropped.sch"));
        Click(Control::AddCar);
        DropFile(path);  // the question is cancelled
        QCOMPARE(S().state.carCount, 2);
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        DropFile(path);
        QCOMPARE(S().fileName, std::string("dropped"));
        QCOMPARE(S().mode, Mode::ParameterMode);

        QMimeData text;
        text.setUrls({QUrl::fromLocalFile(Path("notes.txt"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&Form(), &enter);
        QVERIFY(!enter.isAccepted());
    }

    void russianFromTheStart() {
        CloseWindow();
        OpenWindow(Language::Russian);
        QCOMPARE(Widget<QPushButton>(Control::NewScheme)->text(), QStringLiteral("Новая схема"));
        QCOMPARE(Widget(Control::AddCar)->toolTip(), QStringLiteral("Добавить вагон"));
        Click(Control::AddCar);
        Click(Control::NewScheme);
        QCOMPARE(log_.unsavedQuestions.value(0), QString::fromUtf8(kUnsavedQuestion.russian));
    }

    void commandLine() {
        auto parse = [](QStringList words) {
            words.prepend(QStringLiteral("quorvane"));
            return ParseCommandLine(words);
        };
        QVERIFY(!parse({}).start->language);  // the desktop's
        QVERIFY(parse({"--help"}).output.contains(QStringLiteral("desktop's first language")));
        QCOMPARE(parse({"--lang", "ru", "a.sch"}).start->language, Language::Russian);
        QCOMPARE(parse({"--lang", "ru", "a.sch"}).start->file, QStringLiteral("a.sch"));
        QCOMPARE(parse({"--lang=en"}).start->language, Language::English);
        QVERIFY(parse({"--help"}).output.contains(QStringLiteral("--lang <language>")));
        QCOMPARE(parse({"--version"}).output, QStringLiteral("quorvane 2.0\n"));
        for (const QStringList& bad :
             {QStringList{"--lang", "de"}, QStringList{"a.sch", "b.sch"}, QStringList{"--frob"}}) {
            const CommandLine result = parse(bad);
            QVERIFY(!result.start);
            QCOMPARE(result.exitCode, 2);
            QVERIFY(!result.error.isEmpty());
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::OperatorDayTest)
#include "operator_day_test.moc"
