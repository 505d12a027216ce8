// Open and save is the identity: nothing the operator did not change may
// change in a file, however the file came to be.
#include <QApplication>
#include <QClipboard>
#include <QLocale>

#include "../schemefile/random_schemes.h"
#include "schemefile/scheme_writer.h"
#include "window_fixture.h"

namespace quorvane {

using testing::Contents;
using testing::Write;

class FidelityTest : public testing::WindowFixture {
    Q_OBJECT

    // Opens the file, steps over every wheel set without typing, and saves
    // it under its own name.
    void OpenWalkAndSave(const QString& path) {
        QVERIFY(Form().OpenFile(path));
        for (int step = 1; step < S().state.totalAxles; ++step) {
            Click(Control::NextWheelSet);
        }
        QCOMPARE(S().state.walkCursor, S().state.totalAxles - 1);
        QVERIFY(!Form().HasUnsavedWork());
        log_.saveAnswers.push_back(path);
        Click(Control::SaveScheme);
        QVERIFY(log_.warnings.empty());
    }

    void KeyInto(Control edit, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Edit(edit)->setFocus();
        QTest::keyClick(Edit(edit), key, modifiers);
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    // An axle whose two wheels have different wheel-set names keeps both when
    // the walk passes it; the edit shows the first and says so.
    void differentNamesOfTheTwoWheelsSurviveTheWalk() {
        const QByteArray file = testing::Lines(
            {"t3", "{", "1d2|S|N|1l|A1|WL1|R1|1r|A1|WR1|R1|2l|A2|WL2|R2|2r|A2|WR2|R2|;", "}"});
        QVERIFY(Write(Path("t3.sch"), file));
        QVERIFY(Form().OpenFile(Path("t3.sch")));
        QCOMPARE(Text(Control::WheelSetName), QStringLiteral("WL1"));
        QCOMPARE(Edit(Control::WheelSetName)->toolTip(),
                 QStringLiteral("The wheels of axle 1 have different wheel-set names: 1L \"WL1\" "
                                "and 1R \"WR1\". Shown is the name of the wheel the scheme lists "
                                "first; a changed text goes to both wheels."));

        Click(Control::NextWheelSet);
        Click(Control::PreviousWheelSet);
        log_.saveAnswers.push_back(Path("other.sch"));
        Click(Control::SaveScheme);
        const QByteArray saved = Contents(Path("other.sch"));
        QVERIFY2(saved.contains("{\r\n1d2|S|N|1l|A1|WL1|R1|1r|A1|WR1|R1|2l|A2|WL2|R2|2r|A2|WR2|R2|;"
                                "\r\n}\r\n"),
                 saved.constData());

        // A changed name goes to both wheels, and the note goes with it.
        Type(Control::WheelSetName, QStringLiteral("X"));
        Click(Control::NextWheelSet);
        QCOMPARE(S().cars[0].axles[0].sides[0].wheelSetName, std::string("WL1X"));
        QCOMPARE(S().cars[0].axles[0].sides[1].wheelSetName, std::string("WL1X"));
        Click(Control::PreviousWheelSet);
        QCOMPARE(Edit(Control::WheelSetName)->toolTip(), QString());
    }

    // Random files in the editor's own form, of every type, with inverted
    // cars and different names on the two wheels: opened, walked over and
    // saved under their own name, they keep every byte.
    void randomFilesComeBackByteForByte() {
        testing::RandomSchemes random(20261212);
        for (int round = 0; round < 12; ++round) {
            auto scheme = random.Next(testing::Counts::File);
            scheme->state.carCount = std::min(scheme->state.carCount, 4);
            const QString name = QStringLiteral("round %1").arg(round);
            const WriteResult written = WriteScheme(*scheme, name.toStdString());
            QVERIFY(written.ok);
            const QByteArray file = QByteArray::fromStdString(written.bytes);
            const QString path = Path(name + QStringLiteral(".sch"));
            QVERIFY(Write(path, file));
            OpenWalkAndSave(path);
            QVERIFY2(Contents(path) == file, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }

    // A text of megabytes opens at once, shortened and read-only with its
    // length in the tooltip, and is saved back whole; typing over it or
    // deleting it replaces it.
    void aMegabyteTextIsShownShortenedAndSavedWhole() {
        const QByteArray series(4 * 1024 * 1024, 'S');
        QVERIFY(
            Write(Path("long.sch"), "long\r\n{\r\n1d2|" + series + "|7|1l|a|b|c|2l||||;\r\n}\r\n"));
        QVERIFY(Form().OpenFile(Path("long.sch")));
        QCOMPARE(Text(Control::Series), QString(64, QLatin1Char('S')) + QChar(0x2026));
        QVERIFY(Edit(Control::Series)->isReadOnly());
        QVERIFY(Edit(Control::Series)
                    ->toolTip()
                    .startsWith(QStringLiteral("A text of %1 characters, shown shortened.")
                                    .arg(QLocale().toString(4 * 1024 * 1024))));
        QVERIFY(!Form().HasUnsavedWork());

        Click(Control::NextWheelSet);
        log_.saveAnswers.push_back(Path("again.sch"));
        Click(Control::SaveScheme);
        QVERIFY(
            Contents(Path("again.sch")).startsWith("again\r\n{\r\n1d2|" + series + "|7|1l|a|b|c|"));

        KeyInto(Control::Series, Qt::Key_Delete);
        QCOMPARE(Text(Control::Series), QString());
        QVERIFY(!Edit(Control::Series)->isReadOnly());
        QCOMPARE(Edit(Control::Series)->toolTip(), QString());
        Type(Control::Series, QStringLiteral("ER2"));
        QVERIFY(Form().HasUnsavedWork());
        Click(Control::PreviousWheelSet);
        QCOMPARE(S().cars[0].series, std::string("ER2"));

        // Typing over a shortened text starts the new one.
        QVERIFY(Form().OpenFile(Path("long.sch")));
        Edit(Control::Series)->setFocus();
        QTest::keyClicks(Edit(Control::Series), QStringLiteral("N1"));
        QCOMPARE(Text(Control::Series), QStringLiteral("N1"));
    }

    // A lone UTF-16 surrogate is no character: Windows-1251 cannot hold it,
    // whether typed or pasted.
    void aLoneSurrogateIsRefusedLikeAnyCharacterAFileCannotHold() {
        Click(Control::SetScheme);
        for (const char16_t surrogate : {u'\xD83D', u'\xD800', u'\xDC00'}) {
            Type(Control::Series, QString(QChar(surrogate)));
            QCOMPARE(Text(Control::Series), QString());
            QApplication::clipboard()->setText(QStringLiteral("a") + QChar(surrogate));
            KeyInto(Control::Series, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(Text(Control::Series), QString());
        }
        QApplication::clipboard()->setText(QStringLiteral("ЭР2"));
        KeyInto(Control::Series, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(Text(Control::Series), QStringLiteral("ЭР2"));
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::FidelityTest)
#include "fidelity_test.moc"
