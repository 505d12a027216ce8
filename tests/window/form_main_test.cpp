#include <sys/resource.h>
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
#include <csignal>
#include <memory>
#include <random>
#include <set>

#include "model/mode_table.h"
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
        QCOMPARE(Form().windowTitle(), QStringLiteral("Quorvane 2.0 - new_scheme"));
        QCOMPARE(Form().size(), QSize(1009, 364));
        QCOMPARE(Counters(), QStringList({"1", "4", "2", "1", "1", "1", "1"}));
        for (const CaptionPair& pair : Labels().pairs) {
            for (std::string_view name : pair.controls) {
                QWidget* control = Control(std::string(name).c_str());
                const QString shown = qobject_cast<QLabel*>(control)
                                          ? qobject_cast<QLabel*>(control)->text()
                                          : qobject_cast<QAbstractButton*>(control)->text();
                QCOMPARE(shown, QString::fromUtf8(pair.text[kEnglish]));
            }
        }
        for (const ModeTableRow& row : ModeTable()) {
            const bool bogie =
                row.control == Control::cxButton6 || row.control == Control::cxButton7;
            QCOMPARE(Control(std::string(row.name).c_str())->isEnabled(),
                     bogie ? false : row.layout.enabled);
        }
        QVERIFY(!Control("btnSave")->isEnabled());

        Click("btnNew");
        QVERIFY(Control("cxButton6")->isEnabled());
        QVERIFY(Control("cxButton7")->isEnabled());
        Click("cxButton6");
        QCOMPARE(Text("editNumBogie"), QStringLiteral("1"));
    }

    void russianCaptions() {
        Form().ApplyCaptions(kRussian);
        QCOMPARE(Control<QLabel>("Label3")->text(), QStringLiteral("Ось"));
        QCOMPARE(Control<QLabel>("Label4")->text(), QStringLiteral("Ось"));
        QCOMPARE(Control<QPushButton>("btnSave")->text(), QStringLiteral("Сохранить схему"));
        QCOMPARE(Control<QCheckBox>("chbInvert")->text(), QStringLiteral("Обратный"));
    }

    void setStartsTheWalkWithEmptyRedEdits() {
        Click("btnSet");
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Counters().mid(5), QStringList({"1", "1"}));
        QVERIFY(Control("btnSave")->isEnabled());
        QVERIFY(!Control("btnSet")->isEnabled());
        QVERIFY(!Control("cxButton3")->isEnabled());
        QVERIFY(Edit("editRun")->isEnabled());
        QVERIFY(Edit("editRun")->styleSheet().contains("rgb(255, 210, 210)"));

        // The invert box is read-only now: a click changes nothing.
        QTest::mouseClick(Control<QCheckBox>("chbInvert"), Qt::LeftButton);
        QVERIFY(!Control<QCheckBox>("chbInvert")->isChecked());
        QVERIFY(!S().cars[0].inverted);
    }

    void typicalUseSavesTheExpectedBytesAndLoadsThemBack() {
        EnterTwoCarTrain();
        QCOMPARE(Text("editSetCurAxle"), QStringLiteral("8"));
        log_.saveAnswers.push_back(Path("train.sch"));
        Click("btnSave");
        QCOMPARE(log_.lastProposedName, QStringLiteral("new_scheme.sch"));
        QCOMPARE(log_.lastSaveFolder, QDir::currentPath());
        QCOMPARE(Contents(Path("train.sch")), TwoCarTrainFile());
        QCOMPARE(Form().windowTitle(), QStringLiteral("Quorvane 2.0 - train"));
        QVERIFY(log_.warnings.empty());

        Click("btnNew");
        QCOMPARE(Form().windowTitle(), QStringLiteral("Quorvane 2.0 - train"));
        QCOMPARE(S().state.carCount, 1);
        log_.openAnswers.push_back(Path("train.sch"));
        Click("btnLoad");
        QCOMPARE(S().mode, Mode::ParameterMode);
        QCOMPARE(Counters(), QStringList({"2", "4", "2", "1", "1", "1", "1"}));
        QCOMPARE(Text("editSeries"), QStringLiteral("ER2"));
        QCOMPARE(Text("editWheelPair"), QStringLiteral("W1"));
        QVERIFY(S().cars[1].inverted);
        QVERIFY(Control("btnSave")->isEnabled());
        Click("cxButton12");
        QCOMPARE(Text("editNumber"), QStringLiteral("102"));
        QCOMPARE(Text("editAxle"), QStringLiteral("5"));

        log_.saveAnswers.push_back(Path("again.sch"));
        Click("btnSave");
        QCOMPARE(Contents(Path("again.sch")),
                 QByteArray(TwoCarTrainFile()).replace("train\r\n{", "again\r\n{"));
    }

    void cancelledDialogsChangeNothing() {
        Click("btnSet");
        Type("editRun", QStringLiteral("5"));
        const Snapshot before = Snap();
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        Click("btnLoad");
        QCOMPARE(log_.openDialogsShown, 1);
        QCOMPARE(Snap(), before);
        Click("btnSave");
        QCOMPARE(Snap(), before);
        // Save stores the edits all the same.
        QCOMPARE(S().cars[0].axles[0].run, std::string("5"));
        QVERIFY(log_.warnings.empty());
        QVERIFY(QDir(dir_->path()).isEmpty());
    }

    void refusedFileKeepsEverything() {
        Click("cxButton3");
        Click("btnSet");
        Type("editSeries", QStringLiteral("typed"));
        Click("cxButton10");
        Type("editRun", QStringLiteral("not stored yet"));
        const Snapshot before = Snap();
        QVERIFY(
            Write(Path("broken.sch"), "broken\r\n{\r\n1d2|||1l||||;\r\n3d2|||1l||||;\r\n}\r\n"));
        log_.unsavedAnswers.push_back(UnsavedChoice::Discard);
        log_.openAnswers.push_back(Path("broken.sch"));
        Click("btnLoad");
        QCOMPARE(Snap(), before);
        QCOMPARE(S().cars[1].series, std::string("typed"));
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].caption, QStringLiteral("Внимание !"));
        QCOMPARE(
            log_.warnings[0].text,
            QStringLiteral("broken.sch: line 5, column 1: car 2 of the 3 cars has no wheel entry"));
    }

    // Texts of any length pass through the edits whole: a loaded text longer
    // than a line edit holds by default comes back in the saved file.
    void longTextsSurviveTheEdits() {
        const QByteArray series(40000, 'S');
        QVERIFY(
            Write(Path("long.sch"), "long\r\n{\r\n1d2|" + series + "|7|1l||||2l||||;\r\n}\r\n"));
        QVERIFY(Form().OpenFile(Path("long.sch")));
        QVERIFY(!Form().HasUnsavedWork());
        Click("cxButton10");
        log_.saveAnswers.push_back(Path("again.sch"));
        Click("btnSave");
        QVERIFY(Contents(Path("again.sch")).contains("1d2|" + series + "|7|"));
    }

    void saveThatCannotOpenTheFileWarnsAndKeepsTheName() {
        QVERIFY(Write(Path("plain"), "a file, not a folder"));
        Click("btnSet");
        log_.saveAnswers.push_back(Path("plain/train.sch"));
        Click("btnSave");
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].caption, QStringLiteral("Внимание !"));
        // The fixed first line, then the file and why.
        const QStringList lines = log_.warnings[0].text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("Ошибка при открытии файла!!!"));
        QVERIFY2(lines[1].startsWith(Path("plain/train.sch") + QStringLiteral(": ")) &&
                     lines[1].size() > Path("plain/train.sch").size() + 2,
                 qPrintable(lines[1]));
        QCOMPARE(S().fileName, std::string("new_scheme"));
        QCOMPARE(Form().windowTitle(), QStringLiteral("Quorvane 2.0 - new_scheme"));
    }

    void saveIntoAReadOnlyFolderWarns() {
        if (::geteuid() == 0) {
            QSKIP("root writes into read-only folders; the file-as-folder case covers opening");
        }
        QVERIFY(QDir(dir_->path()).mkdir("locked"));
        QVERIFY(QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner));
        Click("btnSet");
        log_.saveAnswers.push_back(Path("locked/train.sch"));
        Click("btnSave");
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
        Click("btnSet");
        log_.saveAnswers.push_back(Path("train.sch"));

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tiny = saved;
        tiny.rlim_cur = 64;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
        Click("btnSave");
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &saved), 0);

        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QVERIFY(log_.warnings[0].text.startsWith(QStringLiteral("Ошибка при записи файла!!!\n") +
                                                 Path("train.sch") + QStringLiteral(": ")));
        QCOMPARE(Contents(Path("train.sch")), old);
        QCOMPARE(S().fileName, std::string("new_scheme"));
        QCOMPARE(Form().windowTitle(), QStringLiteral("Quorvane 2.0 - new_scheme"));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList({"train.sch"}));
    }

    void stripClickSelectsInLayoutMode() {
        Click("cxButton3");
        Click("cxButton3");
        QTest::mouseClick(Strip(), Qt::RightButton, {}, CarBody(2));
        QCOMPARE(S().state.currentCar, 2);
        QCOMPARE(Text("editSetCar"), QStringLiteral("3"));
        QTest::mouseClick(Strip(), Qt::LeftButton, {}, {20 + 112, 40});  // on the outline
        QCOMPARE(S().state.currentCar, 2);
    }

    void stripClickStoresTheEditsBeforeItSelects() {
        Click("cxButton3");
        QTest::mouseClick(Strip(), Qt::LeftButton, {}, CarBody(1));
        QTest::mouseClick(Control<QCheckBox>("chbInvert"), Qt::LeftButton);
        Click("btnSet");
        Type("editNumber", QStringLiteral("101"));
        Type("editRun", QStringLiteral("R1"));
        QTest::mouseClick(Strip(), Qt::LeftButton, {}, CarBody(1));
        QCOMPARE(S().cars[0].carNumber, std::string("101"));
        QCOMPARE(S().cars[0].axles[0].run, std::string("R1"));
        QCOMPARE(S().state.currentCar, 1);
        // An inverted car is entered at its last axle.
        QCOMPARE(S().state.currentAxle, 3);
        QCOMPARE(Text("editNumber"), QString());
        QCOMPARE(Text("editSetCurAxle"), QStringLiteral("5"));
    }

    void hoverLightsUpTheCarUnderThePointer() {
        Click("cxButton3");
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
        Click("btnSet");
        Type("editSeries", QStringLiteral("A|B"));
        QCOMPARE(Text("editSeries"), QStringLiteral("AB"));
        QVERIFY(QToolTip::text().contains(QStringLiteral("cannot be stored")));
        Type("editNumber", QStringLiteral("Ж中"));
        QCOMPARE(Text("editNumber"), QStringLiteral("Ж"));
        Click("cxButton10");
        QCOMPARE(S().cars[0].carNumber, std::string("\xC6"));
        QCOMPARE(S().cars[0].series, std::string("AB"));
    }

    void focusLeaveRecolours() {
        Click("btnSet");
        Edit("editAxle")->setFocus();
        Type("editAxle", QStringLiteral(" "));
        QVERIFY(Edit("editAxle")->styleSheet().contains("rgb(255, 210, 210)"));
        Edit("editRun")->setFocus();
        QVERIFY(Edit("editAxle")->styleSheet().contains("rgb(210, 255, 210)"));
    }

    void exceptionInAHandlerIsShownAndTheEditorGoesOn() {
        Click("btnSet");
        log_.throwOnSave = true;
        Click("btnSave");
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].text, QStringLiteral("the save dialog broke down"));
        Click("cxButton10");
        QCOMPARE(Text("editSetCurAxle"), QStringLiteral("2"));
    }

    // Random clicks, strip clicks and typing over whatever is enabled; after
    // every event the walk invariants hold and the counters show the model.
    void monkey() {
        std::mt19937 random(7);
        auto below = [&random](int n) {
            return static_cast<int>(random() % static_cast<unsigned>(n));
        };
        const QStringList buttons{
            "cxButton1",  "cxButton2",  "cxButton3", "cxButton4",  "cxButton5",  "cxButton6",
            "cxButton7",  "cxButton8",  "cxButton9", "cxButton10", "cxButton11", "cxButton12",
            "cxButton13", "cxButton14", "btnSet",    "btnNew",     "btnSave",    "btnLoad"};
        const QStringList edits{"editSeries", "editNumber", "editAxle", "editWheelPair", "editRun"};
        const QString alphabet = QStringLiteral("ab1 Жё|中");
        for (int step = 0; step < 3000; ++step) {
            const int kind = below(10);
            if (kind < 6) {
                Click(buttons[below(static_cast<int>(buttons.size()))].toLatin1().constData());
            } else if (kind == 6) {
                QTest::mouseClick(Control<QCheckBox>("chbInvert"), Qt::LeftButton);
            } else if (kind == 7) {
                QTest::mouseClick(Strip(), below(2) ? Qt::LeftButton : Qt::RightButton, {},
                                  {below(Strip()->width()), below(Strip()->height())});
            } else {
                QString text;
                for (int n = below(4); n > 0; --n) {
                    text += alphabet[below(static_cast<int>(alphabet.size()))];
                }
                Type(edits[below(static_cast<int>(edits.size()))].toLatin1().constData(), text);
            }

            const SchemeState& st = S().state;
            QVERIFY(st.carCount >= 1 && st.carCount <= kMaxCars);
            QVERIFY(st.currentCar >= 0 && st.currentCar < st.carCount);
            const CarRecord& car = S().cars[st.currentCar];
            QCOMPARE(
                Counters(),
                QStringList({QString::number(st.carCount), QString::number(car.axleCount),
                             QString::number(car.bogieCount), QString::number(st.schemeType),
                             QString::number(st.currentCar + 1), QString::number(st.walkCursor + 1),
                             QString::number(st.currentCar + 1)}));
            QCOMPARE(Control<QCheckBox>("chbInvert")->isChecked(), car.inverted);
            if (S().mode == Mode::ParameterMode) {
                const WalkEntry& here = S().walk[st.walkCursor];
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
