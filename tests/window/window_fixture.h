// A window with answered dialogs, and the helpers its tests share.
#pragma once

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
#include <QWindow>
#include <array>
#include <memory>

#include "fake_dialogs.h"
#include "window/control_table.h"
#include "window/form_main.h"
#include "window/label_table.h"

namespace quorvane::testing {

inline QByteArray Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toLatin1() + "\r\n";
    }
    return bytes;
}

inline QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the operator sees: enough of the window to tell whether an action
// changed anything.
struct Snapshot {
    Mode mode;
    int carCount;
    int walkCursor;
    int currentCar;
    std::string fileName;
    QString title;
    QStringList edits;
    QStringList counters;

    bool operator==(const Snapshot&) const = default;
};

class WindowFixture : public QObject {
protected:
    DialogLog log_;
    std::unique_ptr<TFormMain> form_;
    std::unique_ptr<QTemporaryDir> dir_;

    TFormMain& Form() { return *form_; }
    // The title as the desktop gets it, the mark of unsaved work resolved.
    QString Title() { return form_->windowHandle()->title(); }
    const Scheme& S() { return form_->scheme(); }

    // A widget that no control of the model stands for, by its object name.
    template <class T = QWidget>
    T* Widget(const char* name) {
        T* widget = form_->findChild<T*>(QString::fromLatin1(name));
        if (!widget) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    // The widget of a control, found by the object name the window gives it.
    template <class T = QWidget>
    T* Widget(Control control) {
        return Widget<T>(ObjectNameOf(control).toLatin1().constData());
    }
    static QString ObjectNameOf(Control control) {
        return QString::fromLatin1(WindowControlOf(control).objectName);
    }
    void Click(Control button) { QTest::mouseClick(Widget<QPushButton>(button), Qt::LeftButton); }
    QLineEdit* Edit(Control edit) { return Widget<QLineEdit>(edit); }
    // Key presses with the text they carry, Cyrillic and CJK included.
    void Type(Control edit, const QString& text) {
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(Edit(edit), &press);
            QApplication::sendEvent(Edit(edit), &release);
        }
    }
    QString Text(Control edit) { return Edit(edit)->text(); }
    // Keys go in through the window, as from a keyboard: shortcuts included.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(Form().windowHandle(), key, modifiers);
    }
    void TypeHere(const QString& text) {
        for (const QChar ch : text) {
            QTest::keyClick(Form().windowHandle(), ch.toLatin1());
        }
    }
    QString FocusedName() {
        QWidget* focused = QApplication::focusWidget();
        return focused ? focused->objectName() : QString();
    }
    static constexpr std::array kDisplays{Control::CarCountDisplay,   Control::AxleCountDisplay,
                                          Control::BogieCountDisplay, Control::SchemeTypeDisplay,
                                          Control::LayoutCarDisplay,  Control::WalkPositionDisplay,
                                          Control::WalkCarDisplay};
    static constexpr std::array kEdits{Control::Series, Control::CarNumber, Control::AxleName,
                                       Control::WheelSetName, Control::Run};
    QStringList Counters() {
        QStringList values;
        for (Control display : kDisplays) {
            values << Text(display);
        }
        return values;
    }
    QWidget* Strip() { return Widget("Image2"); }
    // A point inside the body of car i of the strip.
    static QPoint CarBody(int i) { return {112 * i + 60, 40}; }
    QString Path(const QString& name) { return dir_->filePath(name); }

    Snapshot Snap() {
        QStringList edits;
        for (Control edit : kEdits) {
            edits << Text(edit);
        }
        return {S().mode,
                S().state.carCount,
                S().state.walkCursor,
                S().state.currentCar,
                S().fileName,
                Title(),
                edits,
                Counters()};
    }

    // Two cars, the second inverted, both of 4 axles and 2 bogies, type 1,
    // accepted, and every wheel set typed in: series ER2, numbers 101 and
    // 102, at walk position p axle name p, wheel set Wp and run p00.
    void EnterTwoCarTrain() {
        Click(Control::AddCar);
        Click(Control::NextCarInLayout);
        QTest::mouseClick(Widget<QCheckBox>(Control::Invert), Qt::LeftButton);
        Click(Control::SetScheme);
        Type(Control::Series, QStringLiteral("ER2"));
        for (int p = 1; p <= 8; ++p) {
            if (p == 1 || p == 5) {
                Type(Control::CarNumber, p == 1 ? QStringLiteral("101") : QStringLiteral("102"));
            }
            Type(Control::AxleName, QString::number(p));
            Type(Control::WheelSetName, QStringLiteral("W%1").arg(p));
            Type(Control::Run, QString::number(p) + QStringLiteral("00"));
            Click(Control::NextWheelSet);
        }
    }

    static QByteArray TwoCarTrainFile() {
        return Lines({
            "train",
            "{",
            "1d2|ER2|101|1l|1|W1|100|2l|2|W2|200|3l|3|W3|300|4l|4|W4|400|;",
            "2i2|ER2|102|4r|5|W5|500|3r|6|W6|600|2r|7|W7|700|1r|8|W8|800|;",
            "2i2|ER2|102|1l|8|W8|800|2l|7|W7|700|3l|6|W6|600|4l|5|W5|500|;",
            "1d2|ER2|101|4r|4|W4|400|3r|3|W3|300|2r|2|W2|200|1r|1|W1|100|;",
            "}",
            "",
            "Where:",
            "1d - is a cars, which are located direct(1 - order of the cars)",
            "1i - is a cars, which are located invert(1 - order of the cars)",
            "2 - is a number of bogies in the car",
            "ER2 - is a car series",
            "101 - is a car number",
            "1l - is a wheeled set order and side(l/r)",
            "1 - is a axle name",
            "W1 - is a wheeled set name",
            "100 - is a wheeled set run",
        });
    }

    void OpenWindow(Language language = Language::English) {
        log_ = {};
        dir_ = std::make_unique<QTemporaryDir>();
        form_ = std::make_unique<TFormMain>(std::make_unique<FakeDialogs>(log_), language);
        form_->show();
        // Through the platform, which X11 needs as well as offscreen.
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void CloseWindow() {
        form_.reset();
        dir_.reset();
    }
};

}  // namespace quorvane::testing
