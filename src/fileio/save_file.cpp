#include "fileio/save_file.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace quorvane {

namespace {

// What the path names when it is there but not a regular file; stat follows
// symbolic links, so that a link to a regular file is written through.
std::optional<QString> NotRegularFile(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode)) {
        return std::nullopt;  // a missing file is made; the open reports any other trouble
    }
    const char* kind = S_ISDIR(status.st_mode)    ? "a folder"
                       : S_ISFIFO(status.st_mode) ? "a FIFO"
                       : S_ISCHR(status.st_mode)  ? "a character device"
                       : S_ISBLK(status.st_mode)  ? "a block device"
                       : S_ISSOCK(status.st_mode) ? "a socket"
                                                  : "of an unknown kind";
    return QStringLiteral("it is not a regular file (%1)").arg(QLatin1String(kind));
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path) : path_(path), file_(path) {}

std::optional<SaveFailure> AtomicFileWriter::Open() {
    if (std::optional<QString> kind = NotRegularFile(path_)) {
        return SaveFailure{.opening = true, .reason = std::move(*kind)};
    }
    // QSaveFile would only say "No such file or directory".
    const QString folder = QFileInfo(path_).path();
    if (!QFileInfo::exists(folder)) {
        return SaveFailure{.opening = true,
                           .reason = QStringLiteral("the folder %1 does not exist").arg(folder)};
    }
    // Unbuffered, so that a write cut short (a full disk) shows at once:
    // through the buffer, the flush in commit() can lose the rest of the
    // bytes and still report success.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return SaveFailure{.opening = true, .reason = file_.errorString()};
    }
    return std::nullopt;
}

std::optional<SaveFailure> AtomicFileWriter::Write(std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    for (qint64 done = 0; done < size;) {
        errno = 0;
        const qint64 written = file_.write(bytes.data() + done, size - done);
        if (written <= 0) {
            const int error = errno;
            file_.cancelWriting();
            return SaveFailure{.opening = false,
                               .reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error))
                                                    : file_.errorString()};
        }
        done += written;
    }
    return std::nullopt;
}

std::optional<SaveFailure> AtomicFileWriter::Commit() {
    if (!file_.commit()) {
        return SaveFailure{.opening = false, .reason = file_.errorString()};
    }
    return std::nullopt;
}

std::optional<SaveFailure> SaveFileAtomically(const QString& path, std::string_view bytes) {
    AtomicFileWriter file(path);
    if (std::optional<SaveFailure> failure = file.Open()) {
        return failure;
    }
    if (std::optional<SaveFailure> failure = file.Write(bytes)) {
        return failure;
    }
    return file.Commit();
}

}  // namespace quorvane
