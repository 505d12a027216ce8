// The window's widgets where they stand: its panels, buttons, parameter
// edits, number fields, labels and the Invert box, each under the object
// name of the window's layout, kept as typed pointers. The drawings and the
// status line place themselves in the panels and the place given here.
#pragma once

#include <QRect>
#include <array>
#include <utility>
#include <vector>

#include "model/language.h"
#include "model/mode_table.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace quorvane {

class InvertCheckBox;
class NumberField;
class ParameterEdit;

inline constexpr int kClientWidth = 1009;
inline constexpr int kPanelsHeight = 364;
inline constexpr int kStatusHeight = 22;
inline constexpr int kClientHeight = kPanelsHeight + kStatusHeight;
inline constexpr QRect kStatusPlace{0, kPanelsHeight, kClientWidth, kStatusHeight};

struct WindowWidgets {
    // By Control: the buttons, the number fields; null for the others.
    std::array<QPushButton*, kControlCount> buttons{};
    std::array<NumberField*, kControlCount> displays{};
    // Series first, in tab order.
    std::array<ParameterEdit*, 5> edits{};
    InvertCheckBox* invert = nullptr;
    // Each label with its caption.
    std::vector<std::pair<QLabel*, TextPair>> labels;
    // Where the car diagram and the strip go.
    QWidget* carPanel = nullptr;
    QWidget* stripPanel = nullptr;
};

// Makes the widgets as children of window.
WindowWidgets BuildWindowWidgets(QWidget& window);

}  // namespace quorvane
