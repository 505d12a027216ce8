// The editor's language reaches Qt's own texts: with Russian, the standard
// buttons of the questions and Qt's file dialog speak Russian, and the file
// dialog is Qt's own when the desktop speaks another language.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "window/qt_translations.h"
#include "window/scheme_dialogs.h"

namespace quorvane {

class LanguageTest : public QObject {
    Q_OBJECT

    // Runs inspect on the modal dialog that ask opens, then closes it.
    template <class Dialog, class Inspect>
    static void WhileOpen(const std::function<void()>& ask, Inspect inspect) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            inspect(*dialog);
            seen = true;
            dialog->reject();
        });
        ask();
        QVERIFY(seen);
    }

    static QStringList ButtonTexts(const QMessageBox& box) {
        QStringList texts;
        for (QAbstractButton* button : box.buttons()) {
            texts << button->text().remove(QLatin1Char('&'));
        }
        texts.sort();
        return texts;
    }

private slots:
    void initTestCase() {
        QCOMPARE(InstallQtTranslations(*QCoreApplication::instance(), Language::English),
                 std::nullopt);
        std::unique_ptr<SchemeDialogs> english = MakeQtDialogs(Language::English, true);
        WhileOpen<QMessageBox>(
            [&] { english->AskUnsaved(nullptr, QStringLiteral("?")); },
            [](QMessageBox& box) {
                QCOMPARE(ButtonTexts(box), QStringList({"Cancel", "Discard", "Save"}));
            });
        QCOMPARE(InstallQtTranslations(*QCoreApplication::instance(), Language::Russian),
                 std::nullopt);
    }

    void questionsHaveRussianButtons() {
        std::unique_ptr<SchemeDialogs> dialogs = MakeQtDialogs(Language::Russian, false);
        WhileOpen<QMessageBox>(
            [&] { dialogs->AskUnsaved(nullptr, QStringLiteral("?")); },
            [](QMessageBox& box) {
                QCOMPARE(ButtonTexts(box), QStringList({"Отклонить", "Отмена", "Сохранить"}));
            });
    }

    void theFileDialogIsQtsOwnAndRussian() {
        std::unique_ptr<SchemeDialogs> dialogs = MakeQtDialogs(Language::Russian, false);
        WhileOpen<QFileDialog>(
            [&] { dialogs->AskOpenFileName(nullptr, QDir::tempPath()); },
            [](QFileDialog& dialog) {
                QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
                QCOMPARE(dialog.nameFilters(), QStringList({"Файлы SCH (*.sch)"}));
                auto* box = dialog.findChild<QDialogButtonBox*>();
                QVERIFY(box != nullptr);
                QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Отмена"));
            });
        // The desktop speaks the editor's language: its own dialog may be used.
        std::unique_ptr<SchemeDialogs> native = MakeQtDialogs(Language::Russian, true);
        WhileOpen<QFileDialog>(
            [&] { native->AskSaveFileName(nullptr, QDir::tempPath(), QStringLiteral("a.sch")); },
            [](QFileDialog& dialog) {
                QVERIFY(!dialog.testOption(QFileDialog::DontUseNativeDialog));
            });
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::LanguageTest)
#include "language_test.moc"
