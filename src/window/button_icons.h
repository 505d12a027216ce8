// The 16 × 16 pictures of the window's buttons.
#pragma once

#include <QIcon>

namespace quorvane {

enum class ButtonPicture {
    RedMinus,
    GreenPlus,
    LeftArrow,
    RightArrow,
    BlankDocument,
    SaveDocument,
    OpenDocument,
    ExitDoor,
};

QIcon ButtonIcon(ButtonPicture picture);

}  // namespace quorvane
