#include "schemefile/scheme_name.h"

#include <algorithm>

namespace quorvane {

std::string SchemeNameFromFileName(std::string_view path) {
    const std::size_t slash = path.find_last_of('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    name.remove_suffix(std::min<std::size_t>(name.size(), 4));
    return std::string(name);
}

}  // namespace quorvane
