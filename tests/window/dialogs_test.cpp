// The editor's own file dialogs, shown for real and read while they are
// open: what they are titled and which files they offer.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "window/scheme_dialogs.h"

namespace quorvane {

class DialogsTest : public QObject {
    Q_OBJECT

    struct Shown {
        QString title;
        QStringList filters;
    };

    // What the file dialog that ask opens shows; it is then cancelled.
    template <typename Ask>
    static Shown WhileOpen(const Ask& ask) {
        Shown shown;
        QTimer::singleShot(0, [&shown] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr) {
                shown = {dialog->windowTitle(), dialog->nameFilters()};
                dialog->reject();
            }
        });
        const std::optional<QString> chosen = ask();
        return chosen ? Shown{} : shown;
    }

private slots:
    // Not "Save As", which would read as saving the scheme.
    void theExportDialogSaysWhatItExports() {
        for (const auto& [language, title] :
             {std::pair{Language::English, QStringLiteral("Export sheet")},
              std::pair{Language::Russian, QStringLiteral("Экспорт листа")}}) {
            const std::unique_ptr<SchemeDialogs> dialogs = MakeQtDialogs(language, false);
            const Shown exporting = WhileOpen([&] {
                return dialogs->AskExportFileName(nullptr, QDir::tempPath(),
                                                  QStringLiteral("train.pdf"));
            });
            QCOMPARE(exporting.title, title);
            QCOMPARE(exporting.filters.mid(0, 3),
                     QStringList({"PDF (*.pdf)", "SVG (*.svg)", "PNG (*.png)"}));
            const Shown saving = WhileOpen([&] {
                return dialogs->AskSaveFileName(nullptr, QDir::tempPath(),
                                                QStringLiteral("train.sch"));
            });
            QVERIFY(!saving.title.isEmpty());
            QVERIFY(saving.title != title);
        }
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::DialogsTest)
#include "dialogs_test.moc"
