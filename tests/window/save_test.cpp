// Saving never replaces a file the operator did not mean to replace: another
// scheme's file is replaced only after a question, Ctrl+S writes the scheme's
// own file in place and asks when another program changed it, and a new
// scheme has no file of the scheme before it.
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include "window_fixture.h"

namespace quorvane {

using testing::Contents;
using testing::Write;

class SaveTest : public testing::WindowFixture {
    Q_OBJECT

    static QString Another(const QString& name) {
        return QStringLiteral("Replace %1? It holds another scheme.").arg(name);
    }
    static QString Changed(const QString& name) {
        return QStringLiteral(
                   "%1 has changed on disk since the scheme was opened or saved. Replace it "
                   "with this scheme?")
            .arg(name);
    }
    // The two-car train with another run for wheel set 1, which the legend
    // shows too.
    static QByteArray WithFirstRun(const QByteArray& run) {
        return QByteArray(TwoCarTrainFile())
            .replace("|100|", "|" + run + "|")
            .replace("\r\n100 - ", "\r\n" + run + " - ");
    }
    // The two-car train of TwoCarTrainFile, saved as name and loaded.
    QString OpenTrain(const QString& name) {
        const QString path = Path(name);
        Write(path, QByteArray(TwoCarTrainFile())
                        .replace("train\r\n", name.chopped(4).toLatin1() + "\r\n"));
        if (!Form().OpenFile(path)) {
            qFatal("the train did not load");
        }
        return path;
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void anotherSchemesFileIsReplacedOnlyWhenTheOperatorSaysSo() {
        const QByteArray other = "another scheme\r\n";
        QVERIFY(Write(Path("other.sch"), other));
        EnterTwoCarTrain();

        // Cancel: nothing is written, and the dialog comes back on that file.
        log_.saveAnswers = {Path("other.sch"), QString()};
        Click(Control::SaveScheme);
        QCOMPARE(log_.replaceQuestions, QStringList({Another("other.sch")}));
        QCOMPARE(log_.saveDialogsShown, 2);
        QCOMPARE(log_.lastSaveFolder, dir_->path());
        QCOMPARE(log_.lastProposedName, QStringLiteral("other.sch"));
        QCOMPARE(Contents(Path("other.sch")), other);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme*"));

        // Replace.
        log_.saveAnswers = {Path("other.sch")};
        log_.replaceAnswers = {true};
        Click(Control::SaveScheme);
        QCOMPARE(Contents(Path("other.sch")),
                 QByteArray(TwoCarTrainFile()).replace("train\r\n", "other\r\n"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - other"));

        // Its own file now: the dialog chooses it, and nothing asks.
        Type(Control::Run, QStringLiteral("1"));
        log_.saveAnswers = {Path("other.sch")};
        Click(Control::SaveScheme);
        QCOMPARE(log_.lastProposedName, QStringLiteral("other.sch"));
        QCOMPARE(log_.replaceQuestions.size(), 2);  // Cancel, then Replace above
        QVERIFY(Contents(Path("other.sch")).contains("|8001|"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - other"));
        QVERIFY(log_.warnings.empty());
    }

    void ctrlSSavesInPlaceAndAsksWhenTheFileChangedOnDisk() {
        const QString path = OpenTrain(QStringLiteral("train.sch"));
        Type(Control::Run, QStringLiteral("1"));
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log_.saveDialogsShown, 0);
        QVERIFY(log_.replaceQuestions.isEmpty());
        QCOMPARE(Contents(path), WithFirstRun("1001"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - train"));

        // Another program writes the file: Ctrl+S asks, and Cancel keeps its bytes.
        const QByteArray theirs = "written by another program\r\n";
        QVERIFY(Write(path, theirs));
        Type(Control::Run, QStringLiteral("2"));
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log_.replaceQuestions, QStringList({Changed("train.sch")}));
        QCOMPARE(log_.saveDialogsShown, 0);
        QCOMPARE(Contents(path), theirs);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - train*"));

        // The same file with an older time: still changed.
        QVERIFY(Write(path, WithFirstRun("1001")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                 QFileDevice::FileModificationTime));
        file.close();
        log_.replaceAnswers = {true};
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log_.replaceQuestions.size(), 2);
        QCOMPARE(Contents(path), WithFirstRun("10012"));
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - train"));

        // Ctrl+Shift+S always opens the dialog, on the scheme's own file;
        // chosen there after another program wrote it, it asks too.
        QVERIFY(Write(path, theirs));
        log_.saveAnswers = {path, QString()};
        Key(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(log_.saveDialogsShown, 2);
        QCOMPARE(log_.lastSaveFolder, dir_->path());
        QCOMPARE(log_.lastProposedName, QStringLiteral("train.sch"));
        QCOMPARE(log_.replaceQuestions.size(), 3);
        QCOMPARE(log_.replaceQuestions.last(), Changed("train.sch"));
        QCOMPARE(Contents(path), theirs);
        QVERIFY(log_.warnings.empty());
    }

    void aNewSchemeHasNoFileAndSavesInTheFolderLastUsed() {
        const QString path = OpenTrain(QStringLiteral("train.sch"));
        const QByteArray bytes = Contents(path);
        Click(Control::NewScheme);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme"));
        Click(Control::SetScheme);
        Type(Control::Run, QStringLiteral("5"));

        // Ctrl+S after New: the dialog, never the previous scheme's file.
        log_.saveAnswers = {Path("train.sch"), QString()};
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log_.saveDialogsShown, 2);
        QCOMPARE(log_.replaceQuestions, QStringList({Another("train.sch")}));
        QCOMPARE(Contents(path), bytes);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme*"));

        CloseWindow();
        OpenWindow();
        OpenTrain(QStringLiteral("train.sch"));
        Click(Control::NewScheme);
        Click(Control::SetScheme);
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log_.lastProposedName, QStringLiteral("new_scheme.sch"));
        QCOMPARE(log_.lastSaveFolder, dir_->path());
        log_.unsavedAnswers = {UnsavedChoice::Discard};
        Click(Control::LoadScheme);
        QCOMPARE(log_.lastOpenFolder, dir_->path());
    }

    // What the file pipeline refuses reaches the operator as the editor's
    // warning: its first line, the file, and why; nothing is written and
    // the scheme stays unsaved.
    void aRefusedSaveSaysWhyAndWritesNothing() {
        struct Refusal {
            QString name;
            QString firstLine;
            QString reason;
        };
        const std::vector<Refusal> refusals{
            {QStringLiteral("поезд中.sch"), QStringLiteral("The file cannot be opened."),
             QStringLiteral("the file name holds a character that a scheme name cannot store")},
            {QStringLiteral("missing/train.sch"), QStringLiteral("The file cannot be opened."),
             QStringLiteral("the folder %1 does not exist").arg(Path("missing"))},
        };
        Click(Control::SetScheme);
        for (const Refusal& refusal : refusals) {
            log_.warnings.clear();
            log_.saveAnswers = {Path(refusal.name)};
            Click(Control::SaveScheme);
            QCOMPARE(log_.warnings.size(), std::size_t(1));
            QCOMPARE(log_.warnings[0].text, refusal.firstLine + QLatin1Char('\n') +
                                                Path(refusal.name) + QStringLiteral(": ") +
                                                refusal.reason);
            QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - new_scheme*"));
            QVERIFY(QDir(dir_->path()).isEmpty());
        }
    }

    // A file without a write bit is never replaced, not even by root: Ctrl+S
    // says why and the scheme stays unsaved, with Save As still there. An
    // export that names the scheme's own file is refused likewise.
    void aReadOnlyFileAndTheSchemesOwnFileAreNotReplaced() {
        const QString path = OpenTrain(QStringLiteral("train.sch"));
        const QByteArray bytes = Contents(path);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        Type(Control::Run, QStringLiteral("1"));
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].text, QStringLiteral("The file cannot be opened.\n") + path +
                                            QStringLiteral(": it is read-only (mode 0444)"));
        QCOMPARE(Contents(path), bytes);
        QCOMPARE(Title(), QStringLiteral("Quorvane 2.0 - train*"));
        QVERIFY(Form().Action(Control::SaveScheme)->isEnabled());

        log_.warnings.clear();
        const QString alias = Path("alias.pdf");
        QVERIFY(QFile::link(path, alias));
        log_.exportAnswers = {alias};
        Key(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(log_.warnings.size(), std::size_t(1));
        QCOMPARE(log_.warnings[0].text,
                 QStringLiteral("The file cannot be written.\n") + alias +
                     QStringLiteral(": it is the scheme's own file; a sheet cannot replace it, "
                                    "choose another name"));
        QCOMPARE(Contents(path), bytes);
        QVERIFY(QFileInfo(alias).isSymLink());
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::SaveTest)
#include "save_test.moc"
