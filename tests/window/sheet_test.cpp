// The measurement sheet from the editor: Ctrl+E exports it, Ctrl+P prints
// it (or offers to export it when no printer is set up), both from the
// keys and the drawings' context menus, in either mode, with typing
// stored first; and what the editor writes is what quorvane-tool writes.
#include <QAction>
#include <QDate>
#include <QProcess>
#include <QStatusBar>

#include "window_fixture.h"

namespace quorvane {

using testing::Contents;

class SheetTest : public testing::WindowFixture {
    Q_OBJECT

    // The PDF's text, as pdftotext reads it, without the date it was printed.
    static QString PdfText(const QString& pdf) {
        QProcess process;
        process.start(QStringLiteral(QUORVANE_PDFTOTEXT), {pdf, QStringLiteral("-")});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            return QStringLiteral("<pdftotext failed>");
        }
        return QString::fromUtf8(process.readAllStandardOutput())
            .replace(QDate::currentDate().toString(Qt::ISODate), QStringLiteral("DATE"));
    }

    // The title pdfinfo reads from the PDF.
    static QString PdfTitle(const QString& pdf) {
        QProcess process;
        process.start(QStringLiteral(QUORVANE_PDFINFO), {pdf});
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            return QStringLiteral("<pdfinfo failed>");
        }
        for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
            if (line.startsWith(QStringLiteral("Title:"))) {
                return line.mid(6).trimmed();
            }
        }
        return QStringLiteral("<no title>");
    }

    static int Tool(const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(QUORVANE_TOOL), arguments);
        return process.waitForFinished(30000) ? process.exitCode() : -1;
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    void exportGivesWhatTheToolGivesWithTypingStored() {
        EnterTwoCarTrain();
        log_.saveAnswers = {Path("train.sch")};
        Key(Qt::Key_S, Qt::ControlModifier);
        Key(Qt::Key_PageUp);
        Edit(Control::Run)->setText(QStringLiteral("777"));  // not stored yet

        log_.exportAnswers = {Path("sheet.pdf")};
        Key(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(log_.exportDialogsShown, 1);
        QCOMPARE(log_.lastExportName, QStringLiteral("train.pdf"));
        QCOMPARE(Widget<QStatusBar>("StatusBar")->currentMessage(),
                 QStringLiteral("Sheet exported to sheet.pdf"));
        const QString editor = PdfText(Path("sheet.pdf"));
        QVERIFY2(editor.contains(QStringLiteral("777")), qPrintable(editor));
        QVERIFY(editor.contains(QStringLiteral("train.sch · printed DATE")));

        // The tool, given the scheme as the editor now holds it.
        log_.saveAnswers.clear();
        Key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(Tool({QStringLiteral("render"), Path("train.sch"), QStringLiteral("--sheet"),
                       QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("-o"),
                       Path("tool.pdf")}),
                 0);
        QCOMPARE(editor, PdfText(Path("tool.pdf")));
    }

    void printWithoutAPrinterOffersToExport() {
        log_.printersAvailable = false;
        log_.exportInsteadAnswers = {false, true};
        Key(Qt::Key_P, Qt::ControlModifier);  // from the layout, before Set
        QCOMPARE(log_.exportInsteadQuestions,
                 QStringList({"No printer is set up. Export the sheet to a file instead?"}));
        QCOMPARE(log_.exportDialogsShown, 0);
        log_.exportAnswers = {Path("new.svg")};
        Key(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(log_.exportDialogsShown, 1);
        QVERIFY(Contents(Path("new.svg")).contains("not saved"));
        QCOMPARE(log_.printDialogsShown, 0);
    }

    // The print dialog's printer here writes a PDF: the same pages.
    void printGivesTheExportsPages() {
        EnterTwoCarTrain();
        log_.printersAvailable = true;
        log_.printTo = Path("printed.pdf");
        Key(Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(log_.printDialogsShown, 1);
        log_.exportAnswers = {Path("exported.pdf")};
        Key(Qt::Key_E, Qt::ControlModifier);
        const QString printed = PdfText(Path("printed.pdf"));
        QVERIFY(printed.contains(QStringLiteral("W8")));
        QCOMPARE(printed, PdfText(Path("exported.pdf")));
    }

    // A control byte in the scheme's name is drawn as U+FFFD, and the
    // printed PDF's title, the print job's name, shows it so too.
    void printedTitleShowsAControlByteAsTheExportDoes() {
        QVERIFY(testing::Write(Path("odd.sch"), "n\x01m\r\n{\r\n1d2|||1l||||;\r\n}\r\n"));
        log_.openAnswers.push_back(Path("odd.sch"));
        Click(Control::LoadScheme);
        QCOMPARE(S().fileName, std::string("n\x01m"));
        log_.printersAvailable = true;
        log_.printTo = Path("printed.pdf");
        Key(Qt::Key_P, Qt::ControlModifier);
        log_.exportAnswers = {Path("exported.pdf")};
        Key(Qt::Key_E, Qt::ControlModifier);
        const QString title = QStringLiteral("n\uFFFDm");
        for (const char* pdf : {"printed.pdf", "exported.pdf"}) {
            QVERIFY2(PdfText(Path(pdf)).contains(title + QStringLiteral(" — scheme type")), pdf);
            QVERIFY2(PdfTitle(Path(pdf)) == title, qPrintable(PdfTitle(Path(pdf))));
        }
    }

    void bothDrawingsOfferTheSheetInTheOperatorsLanguage() {
        for (const char* drawing : {"Image1", "Image2"}) {
            QWidget* widget = Widget(drawing);
            QCOMPARE(widget->contextMenuPolicy(), Qt::ActionsContextMenu);
            QList<QAction*> actions = widget->actions();
            // The strip's menu starts with the car commands and a separator.
            if (QByteArray(drawing) == "Image2") {
                QCOMPARE(actions.size(), 6);
                QVERIFY(actions[3]->isSeparator());
                actions = actions.mid(4);
            }
            QCOMPARE(actions.size(), 2);
            QCOMPARE(actions[0]->text(), QStringLiteral("Export sheet…"));
            QCOMPARE(actions[1]->text(), QStringLiteral("Print…"));
            Form().ApplyCaptions(Language::Russian);
            QCOMPARE(actions[0]->text(), QStringLiteral("Экспорт листа…"));
            Form().ApplyCaptions(Language::English);
            log_.exportAnswers = {Path("menu.png")};
            actions[0]->trigger();
            QVERIFY(Contents(Path("menu.png")).startsWith("\x89PNG"));
        }
    }

    // The sheet's one rule of formats, as the tool has it: each format by
    // its suffix, any other suffix refused with the list, nothing written
    // and a file already there left as it was.
    void theSuffixNamesTheFormat() {
        const std::vector<std::pair<QString, QByteArray>> made{
            {"sheet.jpg", "\xFF\xD8\xFF"}, {"sheet.JPEG", "\xFF\xD8\xFF"}, {"sheet.bmp", "BM"},
            {"sheet.tif", "II*"},          {"sheet.tiff", "II*"},          {"sheet.Svg", "<?xml"}};
        for (const auto& [name, magic] : made) {
            log_.exportAnswers = {Path(name)};
            Key(Qt::Key_E, Qt::ControlModifier);
            QVERIFY2(Contents(Path(name)).startsWith(magic), qPrintable(name));
        }
        QVERIFY(log_.warnings.empty());
        for (const QString name : {"sheet.doc", "sheet.ico", "sheet.cur", "sheet"}) {
            QVERIFY(testing::Write(Path(name), "kept"));
            log_.warnings.clear();
            log_.exportAnswers = {Path(name)};
            Key(Qt::Key_E, Qt::ControlModifier);
            QCOMPARE(log_.warnings.size(), std::size_t(1));
            QCOMPARE(log_.warnings[0].text,
                     QStringLiteral("A sheet is saved as one of .pdf, .svg, .png, .jpg, .jpeg, "
                                    ".bmp, .tif, .tiff"));
            QCOMPARE(Contents(Path(name)), QByteArray("kept"));
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::SheetTest)
#include "sheet_test.moc"
