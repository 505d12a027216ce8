#include "window/window_texts.h"

namespace quorvane {

std::span<const ButtonTip> ButtonTips() {
    static constexpr std::array<ButtonTip, 14> kTips{{
        {"cxButton1",
         {"Предыдущая колёсная пара (Shift+Enter)", "Previous wheel set (Shift+Enter)"}},
        {"cxButton10", {"Следующая колёсная пара (Enter)", "Next wheel set (Enter)"}},
        {"cxButton11", {"Предыдущий вагон (Page Up)", "Previous car (Page Up)"}},
        {"cxButton12", {"Следующий вагон (Page Down)", "Next car (Page Down)"}},
        {"cxButton2", {"Убрать вагон", "Remove a car"}},
        {"cxButton3", {"Добавить вагон", "Add a car"}},
        {"cxButton4", {"Убрать ось", "Remove an axle"}},
        {"cxButton5", {"Добавить ось", "Add an axle"}},
        {"cxButton6", {"Убрать тележку", "Remove a bogie"}},
        {"cxButton7", {"Добавить тележку", "Add a bogie"}},
        {"cxButton8", {"Предыдущий тип схемы", "Previous scheme type"}},
        {"cxButton9", {"Следующий тип схемы", "Next scheme type"}},
        {"cxButton13", {"Предыдущий вагон", "Previous car"}},
        {"cxButton14", {"Следующий вагон", "Next car"}},
    }};
    return kTips;
}

}  // namespace quorvane
