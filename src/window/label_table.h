// The captions of the window's labels in Russian and English, and the title.
// The captions of buttons and the check box stand in the control table.
#pragma once

#include <string_view>
#include <vector>

#include "model/language.h"

namespace quorvane {

struct CaptionPair {
    TextPair text;
    std::vector<std::string_view> labels;  // the object names of the labels that show it
};

struct LabelTable {
    std::string_view title;
    std::vector<CaptionPair> pairs;
};

// The table as the program fills it at start: the title ("Quorvane" and the
// version) and the captions of the labels.
const LabelTable& Labels();

}  // namespace quorvane
