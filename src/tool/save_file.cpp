#include "tool/save_file.h"

#include <QSaveFile>

namespace quorvane {

std::optional<QString> SaveFileAtomically(const QString& path, std::string_view bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

}  // namespace quorvane
