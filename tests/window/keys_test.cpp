// Every command key works wherever the focus is in the window. Run on X11
// (xcb under Xvfb): its key bindings give a line edit keys of its own that
// are command keys here (Ctrl+E moves to the end of the line), which the
// offscreen platform's bindings do not, so there the test would pass
// without the fix.
#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

#include "window_fixture.h"

namespace quorvane {

namespace {

struct CommandKey {
    const char* name;
    QKeyCombination key;
    Control command;
    bool inLayout;     // whether the command works before Set too
    bool inWalk = true;  // whether it works after Set
};

// As the README's key table gives them.
const std::vector<CommandKey>& CommandKeys() {
    static const std::vector<CommandKey> keys{
        {"Ctrl+N", Qt::CTRL | Qt::Key_N, Control::NewScheme, true},
        {"Ctrl+O", Qt::CTRL | Qt::Key_O, Control::LoadScheme, true},
        {"Ctrl+S", Qt::CTRL | Qt::Key_S, Control::SaveInPlace, false},
        {"Ctrl+Shift+S", Qt::CTRL | Qt::SHIFT | Qt::Key_S, Control::SaveScheme, false},
        {"Ctrl+L", Qt::CTRL | Qt::Key_L, Control::SetScheme, true},
        {"Ctrl+E", Qt::CTRL | Qt::Key_E, Control::ExportSheet, true},
        {"Ctrl+P", Qt::CTRL | Qt::Key_P, Control::PrintSheet, true},
        {"Ctrl+Q", Qt::CTRL | Qt::Key_Q, Control::Exit, true},
        {"Ctrl+Z", Qt::CTRL | Qt::Key_Z, Control::Undo, true},
        {"Ctrl+Shift+Z", Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Control::Redo, true},
        {"Ctrl+Y", Qt::CTRL | Qt::Key_Y, Control::Redo, true},
        {"Page Up", QKeyCombination(Qt::Key_PageUp), Control::PreviousCarInWalk, false},
        {"Page Down", QKeyCombination(Qt::Key_PageDown), Control::NextCarInWalk, false},
        {"Ctrl+G", Qt::CTRL | Qt::Key_G, Control::GoToWheelSet, false},
        {"Insert", QKeyCombination(Qt::Key_Insert), Control::InsertCarAfter, true, false},
        {"Alt+Insert", Qt::ALT | Qt::Key_Insert, Control::InsertCarBefore, true, false},
        {"Alt+Delete", Qt::ALT | Qt::Key_Delete, Control::RemoveCurrentCar, true, false},
    };
    return keys;
}

// Where the focus is when the key is pressed.
enum class Place { Edit, Button, Invert, Strip, NumberField };

}  // namespace

class KeysTest : public testing::WindowFixture {
    Q_OBJECT

    // A train of two cars with something to undo, in the mode asked for,
    // and with something to redo when the key is a redo.
    void Prepare(bool walking, Control command) {
        Click(Control::AddCar);
        if (walking) {
            Click(Control::SetScheme);
        }
        if (command == Control::Redo) {
            if (walking) {
                Type(Control::Series, QStringLiteral("ER2"));
                Click(Control::NextWheelSet);
            }
            Click(Control::Undo);
        }
    }

    QWidget* FocusPlace(Place place, Control edit, bool walking) {
        switch (place) {
            case Place::Edit:
                return Edit(edit);
            case Place::Button:
                return Widget(walking ? Control::NextWheelSet : Control::AddCar);
            case Place::Invert:
                return Widget(Control::Invert);
            case Place::NumberField:
                return Widget(walking ? Control::WalkPositionDisplay : Control::CarCountDisplay);
            case Place::Strip:
                break;
        }
        return Strip();
    }

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }

    // Each command key belongs to one action, with just the keys the
    // README lists, whatever the platform's standard keys would be.
    void eachCommandHasExactlyItsKeys() {
        std::map<Control, QList<QKeySequence>> expected;
        for (const CommandKey& key : CommandKeys()) {
            expected[key.command] << QKeySequence(key.key);
        }
        for (const WindowControl& row : WindowControls()) {
            if (QAction* action = Form().Action(row.control)) {
                QCOMPARE(action->shortcuts(), expected[row.control]);
            }
        }
    }

    // The run on a screen narrower than the window (QUORVANE_SCREEN=small)
    // presses every key with the content in a scroll area that scrolls.
    void theScreenIsAsTheRunSays() {
        const bool small = qgetenv("QUORVANE_SCREEN") == "small";
        QCOMPARE(Widget<QScrollArea>("ContentScroll")->horizontalScrollBar()->isVisible(), small);
    }

    void keyWorksWhereverTheFocusIs_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("walking");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("edit");
        const std::vector<std::pair<Control, const char*>> edits{
            {Control::Series, "series"},
            {Control::CarNumber, "car number"},
            {Control::AxleName, "axle name"},
            {Control::WheelSetName, "wheel-set name"},
            {Control::Run, "run"}};
        for (std::size_t k = 0; k < CommandKeys().size(); ++k) {
            const CommandKey& key = CommandKeys()[k];
            const auto row = [&](const QString& where, bool walking, Place place,
                                 Control edit = Control::Series) {
                QTest::newRow(qPrintable(
                    QStringLiteral("%1 in %2 (%3)")
                        .arg(QLatin1String(key.name), where,
                             walking ? QStringLiteral("walk") : QStringLiteral("layout"))))
                    << static_cast<int>(k) << walking << static_cast<int>(place)
                    << static_cast<int>(edit);
            };
            if (key.inWalk) {
                for (const auto& [edit, name] : edits) {
                    row(QLatin1String(name), true, Place::Edit, edit);
                }
                row(QStringLiteral("a button"), true, Place::Button);
                row(QStringLiteral("the strip"), true, Place::Strip);
                row(QStringLiteral("the position"), true, Place::NumberField);
            }
            if (key.inLayout) {
                row(QStringLiteral("a button"), false, Place::Button);
                row(QStringLiteral("Invert"), false, Place::Invert);
                row(QStringLiteral("the strip"), false, Place::Strip);
                row(QStringLiteral("the number of cars"), false, Place::NumberField);
            }
        }
    }

    void keyWorksWhereverTheFocusIs() {
        QFETCH(int, key);
        QFETCH(bool, walking);
        QFETCH(int, place);
        QFETCH(int, edit);
        const CommandKey& pressed = CommandKeys()[static_cast<std::size_t>(key)];
        Prepare(walking, pressed.command);
        QAction* action = Form().Action(pressed.command);
        QVERIFY(action->isEnabled());

        QWidget* focus = FocusPlace(static_cast<Place>(place), static_cast<Control>(edit), walking);
        focus->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), focus);
        const QSignalSpy triggered(action, &QAction::triggered);
        QTest::keyClick(Form().windowHandle(), pressed.key.key(), pressed.key.keyboardModifiers());
        QCOMPARE(triggered.count(), 1);
    }
};

}  // namespace quorvane

QTEST_MAIN(quorvane::KeysTest)
#include "keys_test.moc"
