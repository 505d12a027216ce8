#include "tool/save_file.h"

#include <QSaveFile>

namespace quorvane {

std::optional<SaveFailure> SaveFileAtomically(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return SaveFailure{.opening = true, .reason = file.errorString()};
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        return SaveFailure{.opening = false, .reason = file.errorString()};
    }
    return std::nullopt;
}

}  // namespace quorvane
