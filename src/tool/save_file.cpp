#include "tool/save_file.h"

#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace quorvane {

std::optional<SaveFailure> SaveFileAtomically(const QString& path, std::string_view bytes) {
    // Unbuffered, so that a write cut short (a full disk) shows at once:
    // through the buffer, the flush in commit() can lose the rest of the
    // bytes and still report success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return SaveFailure{.opening = true, .reason = file.errorString()};
    }
    const auto size = static_cast<qint64>(bytes.size());
    for (qint64 done = 0; done < size;) {
        errno = 0;
        const qint64 written = file.write(bytes.data() + done, size - done);
        if (written <= 0) {
            const int error = errno;
            file.cancelWriting();
            return SaveFailure{.opening = false,
                               .reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                                                    : file.errorString()};
        }
        done += written;
    }
    if (!file.commit()) {
        return SaveFailure{.opening = false, .reason = file.errorString()};
    }
    return std::nullopt;
}

}  // namespace quorvane
