#include "drawing/car_view.h"

#include "drawing/car_diagram.h"
#include "drawing/scheme_marks.h"

namespace quorvane {

void DrawCarView(DrawingSurface& surface, Scheme& scheme) {
    const CarRecord& car = CurrentCar(scheme);
    DrawCar(surface, scheme, kCarViewOriginX, kCarViewOriginY, car.axleCount, kCarViewWheelDepth,
            kCarViewAxleLength);
    DrawSchemeMarks(surface, scheme, scheme.state.schemeType, car.axleCount, car.bogieCount);
}

}  // namespace quorvane
