// How far the editor's memory grows over 1,000 stored wheel-set edits, in a
// process of its own so that nothing freed before can hide the growth:
//
//     quorvane_undo_memory FILE.sch
//
// opens the file in a shown window (offscreen unless QT_QPA_PLATFORM says
// otherwise), walks it storing an edit at each wheel set, and prints the
// growth of its resident memory and of its heap in use, then what of the
// heap the undo stack holds, in bytes:
//
//     resident N
//     heap M
//     stack S
//     quorvane: undo memory measured
#include <malloc.h>

#include <QApplication>
#include <QLineEdit>
#include <QUndoStack>
#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "window/control_table.h"
#include "window/form_main.h"
#include "window/scheme_dialogs.h"

namespace {

constexpr int kEdits = 1000;

// VmRSS of /proc/self/status; 0 when it cannot be read.
long long ResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmRSS:") {
            long long kilobytes = 0;
            status >> kilobytes;
            return kilobytes * 1024;
        }
    }
    return 0;
}

long long HeapInUseBytes() {
    return static_cast<long long>(mallinfo2().uordblks);
}

// The text an operator types into the i-th edit of the walk: 20 bytes, each
// different from every text before it.
QString TypedText(const char* prefix, int i) {
    const QString start = QString::fromLatin1(prefix);
    return start +
           QStringLiteral("%1").arg(i, 20 - static_cast<int>(start.size()), 10, QLatin1Char('0'));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: quorvane_undo_memory FILE.sch\n", stderr);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    using quorvane::Control;
    quorvane::TFormMain form(quorvane::MakeQtDialogs(quorvane::Language::English, true),
                             quorvane::Language::English);
    form.show();
    if (!form.OpenFile(QString::fromLocal8Bit(argv[1]))) {
        return 1;
    }
    QCoreApplication::processEvents();

    // Every edit in turn, so that series and car numbers, which go to every
    // car and to the whole car, are among the steps.
    struct Typed {
        Control control;
        const char* prefix;
    };
    constexpr std::array<Typed, 5> kTyped{{{Control::Series, "ER2-"},
                                           {Control::CarNumber, "N-"},
                                           {Control::AxleName, "AX-"},
                                           {Control::WheelSetName, "WS-"},
                                           {Control::Run, "RUN-"}}};
    std::array<QLineEdit*, kTyped.size()> edits{};
    for (std::size_t e = 0; e < kTyped.size(); ++e) {
        edits[e] = form.findChild<QLineEdit*>(
            QString::fromLatin1(quorvane::WindowControlOf(kTyped[e].control).objectName));
        if (edits[e] == nullptr) {
            return 1;
        }
    }

    const long long residentBefore = ResidentBytes();
    const long long heapBefore = HeapInUseBytes();
    // Forward along the walk and, at its end, back again.
    const int last = form.scheme().state.totalAxles - 1;
    bool forward = true;
    for (int i = 0; i < kEdits; ++i) {
        const Typed& typed = kTyped[static_cast<std::size_t>(i) % kTyped.size()];
        edits[static_cast<std::size_t>(i) % kTyped.size()]->setText(TypedText(typed.prefix, i));
        const int at = form.scheme().state.walkCursor;
        forward = forward ? at < last : at == 0;
        if (forward) {
            form.cxButton10Click();
        } else {
            form.cxButton1Click();
        }
        QCoreApplication::processEvents();
    }
    if (form.document().undoStack().count() != kEdits) {
        std::fprintf(stderr, "quorvane_undo_memory: %d steps stored, not %d\n",
                     form.document().undoStack().count(), kEdits);
        return 1;
    }
    QCoreApplication::processEvents();
    const long long residentAfter = ResidentBytes();
    const long long heapAfter = HeapInUseBytes();
    // Opening the file again empties the stack and puts back texts of the same
    // lengths: what the heap gives back is the stack's steps.
    if (!form.OpenFile(QString::fromLocal8Bit(argv[1]))) {
        return 1;
    }
    QCoreApplication::processEvents();
    std::printf("resident %lld\nheap %lld\nstack %lld\nquorvane: undo memory measured\n",
                residentAfter - residentBefore, heapAfter - heapBefore,
                heapAfter - HeapInUseBytes());
    return 0;
}
