#include "window/label_table.h"

#include <string>

#include "version.h"

namespace quorvane {

const LabelTable& Labels() {
    static const std::string title = std::string("Quorvane ") + kVersion;
    static const LabelTable table{
        title,
        {
            {{"Число вагонов", "The number of cars"}, {"Label13"}},
            {{"Текущий вагон", "Current car"}, {"Label9"}},
            {{"Осей в вагоне", "Axles in the car"}, {"Label14"}},
            {{"Тележек в вагоне", "Bogies in the car"}, {"Label15"}},
            {{"Тип схемы", "Type of the scheme"}, {"Label12"}},
            {{"Параметры К/П", "Wheel parameters"}, {"Label7"}},
            {{"Серия", "Series"}, {"Label1"}},
            {{"Номер вагона", "Car number"}, {"Label2"}},
            {{"Ось", "Axle"}, {"Label3"}},
            // The walk position: a word no parameter field uses.
            {{"Позиция", "Position"}, {"Label4"}},
            {{"Номер К/П", "Wheelset"}, {"Label5"}},
            {{"Пробег", "Run"}, {"Label6"}},
            {{"Вагон", "Car"}, {"Label8"}},
        },
    };
    return table;
}

}  // namespace quorvane
