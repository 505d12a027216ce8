#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <memory>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "../file_size_limit.h"
#include "model/mode_table.h"
#include "window/control_table.h"
#include "window/label_table.h"
#include "window_fixture.h"

namespace quorvane {

using testing::Contents;
using testing::Lines;
using testing::Snapshot;
using testing::Write;

class FormMainTest : public testing::WindowFixture {
    Q_OBJECT

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void startsWithANewSchemeInLayoutMode() {
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme"));
        // The panels as they were, the status line below them.
        QCOMPARE(Form().size(), QSize(1009, 386));
        QCOMPARE(Widget("Panel1")->geometry(), QRect(0, 0, 201, 364));
        QCOMPARE(Widget("Panel3")->geometry(), QRect(201, 0, 808, 364));
        QCOMPARE(Widget("StatusBar")->geometry(), QRect(0, 364, 1009, 22));
        QCOMPARE(Counters(), QStringList({"1", "4", "2", "1", "1", "1", "1"}));
        for (const CaptionPair& pair : Labels().pairs) {
            for (std::string_view name : pair.labels) {
                QCOMPARE(Widget<QLabel>(std::string(name).c_str())->text(),
                         QString::fromUtf8(pair.text.english));
            }
        }
        for (const WindowControl& row : WindowControls()) {
            if (!row.caption.empty() && !row.objectName.empty()) {
                QCOMPARE(Widget<QAbstractButton>(row.control)->text(),
                         QString::fromUtf8(row.caption.english));
            }
        }
        // Every layout control, the bogie buttons too; nothing to undo or redo yet.
        for (const ModeTableRow& row : ModeTable()) {
            const bool off = row.control == Control::Undo || row.control == Control::Redo;
            const bool enabled = WindowControlOf(row.control).kind == ControlKind::Command
                                     ? Form().Action(row.control)->isEnabled()
                                     : Widget(row.control)->isEnabled();
            QCOMPARE(enabled, off ? false : row.layout.enabled);
        }
        QVERIFY(!Widget(Control::SaveScheme)->isEnabled());
        Click(Control::RemoveBogie);
        QCOMPARE(Text(Control::BogieCountDisplay), QStringLiteral("1"));
        Click(Control::AddBogie);
        Click(Control::AddBogie);
        QCOMPARE(Text(Control::BogieCountDisplay), QStringLiteral("3"));
    }

    // The object names are those of the window's layout, which other
    // programs may drive the window by; this is the one place tests name them.
    void controlsKeepTheLayoutsObjectNames() {
        using C = Control;
        const std::vector<std::pair<Control, const char*>> layout{
            {C::PreviousWheelSet, "cxButton1"},
            {C::RemoveCar, "cxButton2"},
            {C::AddCar, "cxButton3"},
            {C::RemoveAxle, "cxButton4"},
            {C::AddAxle, "cxButton5"},
            {C::RemoveBogie, "cxButton6"},
            {C::AddBogie, "cxButton7"},
            {C::PreviousSchemeType, "cxButton8"},
            {C::NextSchemeType, "cxButton9"},
            {C::NextWheelSet, "cxButton10"},
            {C::PreviousCarInWalk, "cxButton11"},
            {C::NextCarInWalk, "cxButton12"},
            {C::PreviousCarInLayout, "cxButton13"},
            {C::NextCarInLayout, "cxButton14"},
            {C::Invert, "chbInvert"},
            {C::Series, "editSeries"},
            {C::CarNumber, "editNumber"},
            {C::AxleName, "editAxle"},
            {C::WheelSetName, "editWheelPair"},
            {C::Run, "editRun"},
            {C::NewScheme, "btnNew"},
            {C::SetScheme, "btnSet"},
            {C::SaveScheme, "btnSave"},
            {C::LoadScheme, "btnLoad"},
            {C::Exit, "btnExit"},
            {C::Undo, "btnUndo"},
            {C::Redo, "btnRedo"},
            // Keys and menu entries only.
            {C::SaveInPlace, ""},
            {C::ExportSheet, ""},
            {C::PrintSheet, ""},
            {C::GoToWheelSet, ""},
            {C::InsertCarAfter, ""},
            {C::InsertCarBefore, ""},
            {C::RemoveCurrentCar, ""},
            {C::CarCountDisplay, "editNumCar"},
            {C::AxleCountDisplay, "editNumAxle"},
            {C::BogieCountDisplay, "editNumBogie"},
            {C::SchemeTypeDisplay, "editTypeScheme"},
            {C::LayoutCarDisplay, "editSetCar"},
            {C::WalkPositionDisplay, "editSetCurAxle"},
            {C::WalkCarDisplay, "editSetCurCar"},
        };
        QCOMPARE(layout.size(), static_cast<std::size_t>(kControlCount));
        std::set<Control> seen;
        for (const auto& [control, name] : layout) {
            QCOMPARE(ObjectNameOf(control), QString::fromLatin1(name));
            seen.insert(control);
        }
        QCOMPARE(seen.size(), layout.size());
    }

    void russianCaptions() {
        Form().ApplyCaptions(Language::Russian);
        QCOMPARE(Widget<QLabel>("Label3")->text(), QStringLiteral("Ось"));
        QCOMPARE(Widget<QLabel>("Label4")->text(), QStringLiteral("Позиция"));
        QCOMPARE(Widget<QPushButton>(Control::SaveScheme)->text(),
                 QStringLiteral("Сохранить схему"));
        QCOMPARE(Widget<QCheckBox>(Control::Invert)->text(), QStringLiteral("Обратный"));
    }

    void setStartsTheWalkWithEmptyRedEdits() {
        Click(Control::SetScheme);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Counters().mid(5), QStringList({"1", "1"}));
        QVERIFY(Widget(Control::SaveScheme)->isEnabled());
        QVERIFY(Widget(Control::SetScheme)->isEnabled());  // it reads "Edit layout" now
        QVERIFY(!Widget(Control::AddCar)->isEnabled());
        QVERIFY(Edit(Control::Run)->isEnabled());
        QVERIFY(Edit(Control::Run)->styleSheet().contains("rgb(255, 210, 210)"));

        // The invert box is read-only now: a click changes nothing.
        QTest::mouseClick(Widget<QCheckBox>(Control::Invert), Qt::LeftButton);
        QVERIFY(!Widget<QCheckBox>(Control::Invert)->isChecked());
        QVERIFY(!S().cars[0].inverted);
    }

    void typicalUseSavesTheExpectedBytesAndLoadsThemBack() {
        EnterTwoCarTrain();
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("8"));
        log_.saveAnswers.push_back(Path("train.sch"));
        Click(Control::SaveScheme);
        QCOMPARE(log_.lastProposedName, QStringLiteral("new_scheme.sch"));
        QCOMPARE(log_.lastSaveFolder, QDir::currentPath());
        QCOMPARE(Contents(Path("train.sch")), TwoCarTrainFile());
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - train"));
        QVERIFY(log_.warnings.empty());

        Click(Control::NewScheme);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme"));
        QCOMPARE(S().state.carCount, 1);
        log_.openAnswers.push_back(Path("train.sch"));
        Click(Control::LoadScheme);
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Counters(), QStringList({"2", "4", "2", "1", "1", "1", "1"}));
        QCOMPARE(Text(Control::Series), QStringLiteral("ER2"));
        QCOMPARE(Text(Control::WheelSetName), QStringLiteral("W1"));
        QVERIFY(S().cars[1].inverted);
        QVERIFY(Widget(Control::SaveScheme)->isEnabled());
        Click(Control::NextCarInWalk);
        QCOMPARE(Text(Control::CarNumber), QStringLiteral("102"));
        QCOMPARE(Text(Control::AxleName), QStringLiteral("5"));

        log_.saveAnswers.push_back(Path("again.sch"));
        Click(Control::SaveScheme);
        QCOMPARE(Contents(Path("again.sch")),
                 QByteArray(TwoCarTrainFile()).replace("train\r\n{", "again\r\n{"));
    }

    void cancelledDialogsChangeNothing() {
        Click(Control::SetScheme);
        Type(Control::Run, QStringLiteral("5"));
        const Snapshot before = Snap();
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        Click(Control::LoadScheme);
        QCOMPARE(log_.openDialogsShown, 1);
        QCOMPARE(Snap(), before);
        Click(Control::SaveScheme);
        QCOMPARE(Snap(), before);
        // Save stores the edits all the same.
        QCOMPARE(S().cars[0].axles[0].run, std::string("5"));
        QVERIFY(log_.warnings.empty());
        QVERIFY(QDir(dir_->path()).isEmpty());
    }

    void refusedFileKeepsEverything() {
        Click(Control::AddCar);
        Click(Control::SetScheme);
        Type(Control::Series, QStringLiteral("typed"));
        Click(Control::NextWheelSet);
        Type(Control::Run, QStringLiteral("not stored yet"));
        const Snapshot before = Snap();
        QVERIFY(
            Write(Path("broken.sch"), "broken\r\n{\r\n1d2|||1l||||;\r\n3d2|||1l||||;\r\n}\r\n"));
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        log_.openAnswers.push_back(Path("broken.sch"));
        Click(Control::LoadScheme);
        QCOMPARE(Snap(), before);
        QCOMPARE(S().cars[1].series, std::string("typed"));
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].caption, QStringLiteral("Warning"));
        QCOMPARE(
            log_.warnings[0].text,
            QStringLiteral("broken.sch: line 5, column 1: car 2 of the 3 cars has no wheel entry"));
    }

    // The reason is UTF-8: the "…" after an index too long to show whole
    // comes through to the warning.
    void refusalShowsALongIndexCut() {
        QVERIFY(
            Write(Path("long.sch"), "long\r\n{\r\n12345678901234567890123d2|||1l||||;\r\n}\r\n"));
        log_.openAnswers.push_back(Path("long.sch"));
        Click(Control::LoadScheme);
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].text,
                 QStringLiteral("long.sch: line 3, column 1: car index 12345678901234567890… is "
                                "outside 1..40"));
    }

    // Texts of any length pass through the edits whole: a loaded text longer
    // than a line edit holds by default comes back in the saved file.
    void longTextsSurviveTheEdits() {
        const QByteArray series(40000, 'S');
        QVERIFY(
            Write(Path("long.sch"), "long\r\n{\r\n1d2|" + series + "|7|1l||||2l||||;\r\n}\r\n"));
        QVERIFY(Form().OpenFile(Path("long.sch")));
        QVERIFY(!Form().HasUnsavedWork());
        Click(Control::NextWheelSet);
        log_.saveAnswers.push_back(Path("again.sch"));
        Click(Control::SaveScheme);
        QVERIFY(Contents(Path("again.sch")).contains("1d2|" + series + "|7|"));
    }

    void saveThatCannotOpenTheFileWarnsAndKeepsTheName() {
        QVERIFY(Write(Path("plain"), "a file, not a folder"));
        Click(Control::SetScheme);
        log_.saveAnswers.push_back(Path("plain/train.sch"));
        Click(Control::SaveScheme);
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].caption, QStringLiteral("Warning"));
        // The fixed first line, then the file and why.
        const QStringList lines = log_.warnings[0].text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("The file cannot be opened."));
        QVERIFY2(lines[1].startsWith(Path("plain/train.sch") + QStringLiteral(": ")) &&
                     lines[1].size() > Path("plain/train.sch").size() + 2,
                 qPrintable(lines[1]));
        QCOMPARE(S().fileName, std::string("new_scheme"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme*"));  // still unsaved

        // In Russian, the caption and first line the editor always had.
        Form().ApplyCaptions(Language::Russian);
        log_.saveAnswers.push_back(Path("plain/train.sch"));
        Click(Control::SaveScheme);
        QCOMPARE(log_.warnings.size(), std::size_t(2));
        QCOMPARE(log_.warnings[1].caption, QStringLiteral("Внимание !"));
        QVERIFY(log_.warnings[1].text.startsWith(QStringLiteral("Ошибка при открытии файла!!!\n")));
    }

    void saveIntoAReadOnlyFolderWarns() {
        if (::geteuid() == 0) {
            QSKIP("root writes into read-only folders; the file-as-folder case covers opening");
        }
        QVERIFY(QDir(dir_->path()).mkdir("locked"));
        QVERIFY(QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner));
        Click(Control::SetScheme);
        log_.saveAnswers.push_back(Path("locked/train.sch"));
        Click(Control::SaveScheme);
        QFile::setPermissions(Path("locked"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(S().fileName, std::string("new_scheme"));
    }

    // A write that fails half-way (here: the file size limit of the process)
    // leaves the old file whole and the name as it was.
    void failedWriteKeepsTheOldFileAndTheName() {
        const QByteArray old = "the file saved before\r\n";
        QVERIFY(Write(Path("train.sch"), old));
        Click(Control::SetScheme);
        log_.saveAnswers.push_back(Path("train.sch"));

        log_.replaceAnswers.push_back(true);
        QVERIFY(testing::UnderFileSizeLimit(64, [&] { Click(Control::SaveScheme); }));

        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QVERIFY(log_.warnings[0].text.startsWith(QStringLiteral("The file cannot be written.\n") +
                                                 Path("train.sch") + QStringLiteral(": ")));
        QCOMPARE(Contents(Path("train.sch")), old);
        QCOMPARE(S().fileName, std::string("new_scheme"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme*"));  // still unsaved
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList({"train.sch"}));
    }

    void stripClickSelectsInLayoutMode() {
        Click(Control::AddCar);
        Click(Control::AddCar);
        QTest::mouseClick(Strip(), Qt::RightButton, {}, CarBody(2));
        QCOMPARE(S().state.currentCar, 2);
        QCOMPARE(Text(Control::LayoutCarDisplay), QStringLiteral("3"));
        QTest::mouseClick(Strip(), Qt::LeftButton, {}, {20 + 112, 40});  // on the outline
        QCOMPARE(S().state.currentCar, 2);
    }

    void stripClickStoresTheEditsBeforeItSelects() {
        Click(Control::AddCar);
        QTest::mouseClick(Strip(), Qt::LeftButton, {}, CarBody(1));
        QTest::mouseClick(Widget<QCheckBox>(Control::Invert), Qt::LeftButton);
        Click(Control::SetScheme);
        Type(Control::CarNumber, QStringLiteral("101"));
        Type(Control::Run, QStringLiteral("R1"));
        QTest::mouseClick(Strip(), Qt::LeftButton, {}, CarBody(1));
        QCOMPARE(S().cars[0].carNumber, std::string("101"));
        QCOMPARE(S().cars[0].axles[0].run, std::string("R1"));
        QCOMPARE(S().state.currentCar, 1);
        // An inverted car is entered at its last axle.
        QCOMPARE(S().state.currentAxle, 3);
        QCOMPARE(Text(Control::CarNumber), QString());
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("5"));
    }

    void hoverLightsUpTheCarUnderThePointer() {
        Click(Control::AddCar);
        auto colourAt = [this](QPoint p) { return Strip()->grab().toImage().pixelColor(p); };
        const QColor current = colourAt(CarBody(0));
        const QColor other = colourAt(CarBody(1));
        QVERIFY(current != other);
        QTest::mouseMove(Strip(), CarBody(1));
        const QColor hovered = colourAt(CarBody(1));
        QVERIFY(hovered != other);
        QVERIFY(hovered != current);
        QTest::mouseMove(Strip(), CarBody(0));
        // The current car lights up like any other.
        QCOMPARE(colourAt(CarBody(0)), hovered);
        QCOMPARE(colourAt(CarBody(1)), other);
        QTest::mouseMove(Strip(), {5, 5});
        QCOMPARE(colourAt(CarBody(0)), current);
    }

    void editsRefuseWhatAFileCannotStore() {
        Click(Control::SetScheme);
        Type(Control::Series, QStringLiteral("A|B"));
        QCOMPARE(Text(Control::Series), QStringLiteral("AB"));
        QVERIFY(QToolTip::text().contains(QStringLiteral("cannot be stored")));
        Type(Control::CarNumber, QStringLiteral("Ж中"));
        QCOMPARE(Text(Control::CarNumber), QStringLiteral("Ж"));
        Click(Control::NextWheelSet);
        QCOMPARE(S().cars[0].carNumber, std::string("\xC6"));
        QCOMPARE(S().cars[0].series, std::string("AB"));
    }

    void focusLeaveRecolours() {
        Click(Control::SetScheme);
        Edit(Control::AxleName)->setFocus();
        Type(Control::AxleName, QStringLiteral(" "));
        QVERIFY(Edit(Control::AxleName)->styleSheet().contains("rgb(255, 210, 210)"));
        Edit(Control::Run)->setFocus();
        QVERIFY(Edit(Control::AxleName)->styleSheet().contains("rgb(210, 255, 210)"));
    }

    void exceptionInAHandlerIsShownAndTheEditorGoesOn() {
        Click(Control::SetScheme);
        log_.throwOnSave = true;
        Click(Control::SaveScheme);
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].text, QStringLiteral("the save dialog broke down"));
        Click(Control::NextWheelSet);
        QCOMPARE(Text(Control::WalkPositionDisplay), QStringLiteral("2"));
    }

    // Random clicks, strip clicks and typing over whatever is enabled; after
    // every event the walk invariants hold and the counters show the model.
    void monkey() {
        std::mt19937 random(7);
        auto below = [&random](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        using C = Control;
        const std::vector<Control> buttons{C::PreviousWheelSet,
                                           C::RemoveCar,
                                           C::AddCar,
                                           C::RemoveAxle,
                                           C::AddAxle,
                                           C::RemoveBogie,
                                           C::AddBogie,
                                           C::PreviousSchemeType,
                                           C::NextSchemeType,
                                           C::NextWheelSet,
                                           C::PreviousCarInWalk,
                                           C::NextCarInWalk,
                                           C::PreviousCarInLayout,
                                           C::NextCarInLayout,
                                           C::SetScheme,
                                           C::NewScheme,
                                           C::SaveScheme,
                                           C::LoadScheme};
        const QString alphabet = QStringLiteral("ab1 Жё|中");
        for (int step = 0; step < 3000; ++step) {
            const int kind = below(10);
            if (kind < 6) {
                Click(buttons[static_cast<std::size_t>(below(static_cast<int>(buttons.size())))]);
            } else if (kind == 6) {
                QTest::mouseClick(Widget<QCheckBox>(Control::Invert), Qt::LeftButton);
            } else if (kind == 7) {
                QTest::mouseClick(Strip(), below(2) ? Qt::LeftButton : Qt::RightButton, {},
                                  {below(Strip()->width()), below(Strip()->height())});
            } else {
                QString text;
                for (int n = below(4); n > 0; --n) {
                    text += alphabet[below(static_cast<int>(alphabet.size()))];
                }
                Type(kEdits[static_cast<std::size_t>(below(static_cast<int>(kEdits.size())))],
                     text);
            }

            const SchemeState& st = S().state;
            QVERIFY(st.carCount >= 1 && st.carCount <= kMaxCars);
            QVERIFY(st.currentCar >= 0 && st.currentCar < st.carCount);
            const CarRecord& car = S().cars[static_cast<std::size_t>(st.currentCar)];
            QCOMPARE(
                Counters(),
                QStringList({QString::number(st.carCount), QString::number(car.axleCount),
                             QString::number(car.bogieCount), QString::number(st.schemeType),
                             QString::number(st.currentCar + 1), QString::number(st.walkCursor + 1),
                             QString::number(st.currentCar + 1)}));
            QCOMPARE(Widget<QCheckBox>(Control::Invert)->isChecked(), car.inverted);
            if (S().mode == Mode::ParameterMode) {
                const WalkEntry& here = S().walk[static_cast<std::size_t>(st.walkCursor)];
                QVERIFY(st.walkCursor >= 0 && st.walkCursor < st.totalAxles);
                QCOMPARE(here.car, st.currentCar);
                QCOMPARE(here.axle, st.currentAxle);
            }
            QVERIFY(log_.warnings.empty());
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FormMainTest)
#include "form_main_test.moc"
