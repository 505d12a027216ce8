// How far the editor's memory grows over 1,000 stored wheel-set edits, or
// over 1,000 cars removed and inserted, in a process of its own so that
// nothing freed before can hide the growth:
//
//     quorvane_undo_memory FILE.sch [cars]
//
// opens the file in a shown window (offscreen unless QT_QPA_PLATFORM says
// otherwise), walks it storing an edit at each wheel set (with "cars":
// goes back to the layout and, car by car, removes the current car and
// inserts one in its place), and prints the growth of its
// resident memory and of its heap in use, then what of the heap the undo
// stack holds, in bytes:
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

constexpr int kSteps = 1000;

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

// Removes the current car and inserts one in its place, kSteps steps in
// all, the current car one further after each pair and back to the first
// from the last. An insertion takes the slot the removed car went to and
// holds its texts, the most a step may hold: a whole car's on the first
// round, none after, since the inserted cars are empty.
bool RemoveAndInsertCars(quorvane::TFormMain& form) {
    for (int i = 0; i < kSteps; i += 2) {
        if (form.scheme().state.currentCar + 1 == form.scheme().state.carCount) {
            while (form.scheme().state.currentCar > 0) {
                form.cxButton13Click();
            }
        }
        form.RemoveCurrentCar();
        QCoreApplication::processEvents();
        form.InsertCarBefore();
        QCoreApplication::processEvents();
        form.cxButton14Click();
    }
    return form.scheme().state.carCount == quorvane::kMaxCars;
}

}  // namespace

int main(int argc, char** argv) {
    const bool cars = argc == 3 && std::string(argv[2]) == "cars";
    if (argc != 2 && !cars) {
        std::fputs("usage: quorvane_undo_memory FILE.sch [cars]\n", stderr);
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

    int before = 0;
    if (cars) {
        form.btnSetClick();  // Edit layout, a step of its own
        QCoreApplication::processEvents();
        before = form.document().undoStack().count();
    }
    const long long residentBefore = ResidentBytes();
    const long long heapBefore = HeapInUseBytes();
    if (cars && !RemoveAndInsertCars(form)) {
        return 1;
    }
    // Forward along the walk and, at its end, back again.
    const int last = form.scheme().state.totalAxles - 1;
    bool forward = true;
    for (int i = 0; i < (cars ? 0 : kSteps); ++i) {
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
    if (form.document().undoStack().count() - before != kSteps) {
        std::fprintf(stderr, "quorvane_undo_memory: %d steps stored, not %d\n",
                     form.document().undoStack().count() - before, kSteps);
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
