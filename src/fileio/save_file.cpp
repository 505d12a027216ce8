#include "fileio/save_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>

namespace quorvane {

namespace {

QString ErrnoText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

const char* KindOf(mode_t mode) {
    return S_ISDIR(mode)    ? "a folder"
           : S_ISFIFO(mode) ? "a FIFO"
           : S_ISCHR(mode)  ? "a character device"
           : S_ISBLK(mode)  ? "a block device"
           : S_ISSOCK(mode) ? "a socket"
                            : "of an unknown kind";
}

// Why the file at path, or the folder a new one goes to, cannot be replaced
// or made; nothing when it can, as far as can be told before opening.
// Links are followed, as the save itself follows them.
std::optional<QString> Refusal(const QString& path, std::optional<struct stat>& existing) {
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    if (::stat(name.constData(), &status) != 0) {
        if (errno == ELOOP) {
            return QStringLiteral(
                "its symbolic links cannot be resolved: they form a loop, or a chain longer "
                "than the system follows");
        }
        // A missing file is made in its folder; the open reports any other trouble.
        const QString folder = QFileInfo(path).path();
        if (!QFileInfo::exists(folder)) {
            return QStringLiteral("the folder %1 does not exist").arg(folder);
        }
        if (::access(QFile::encodeName(folder).constData(), W_OK) != 0 && errno == EROFS) {
            return QStringLiteral("the file system is read-only");
        }
        return std::nullopt;
    }
    // Renaming over a special file would put a plain file where it stood.
    if (!S_ISREG(status.st_mode)) {
        return QStringLiteral("it is not a regular file (%1)").arg(QLatin1String(KindOf(status.st_mode)));
    }
    // Root may write a file without a write bit, but whoever took them all
    // away meant it to stay; either way the mode tells the operator why.
    const bool writable = ::access(name.constData(), W_OK) == 0;
    if (!writable && errno == EROFS) {
        return QStringLiteral("the file system is read-only");
    }
    if (!writable || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return QStringLiteral("it is read-only (mode %1)")
            .arg(status.st_mode & 07777, 4, 8, QLatin1Char('0'));
    }
    existing = status;
    return std::nullopt;
}

// Gives the new file the owner, group and mode of the one it replaces. A
// change of owner that is not allowed is let go, as cp -p does: the file
// is then the writer's, as any new file would be.
std::optional<QString> KeepOwnerAndMode(int handle, const struct stat& old) {
    if (::fchown(handle, old.st_uid, old.st_gid) != 0 && errno != EPERM) {
        return ErrnoText(errno);
    }
    // After the owner: a change of owner clears the setuid and setgid bits.
    if (::fchmod(handle, old.st_mode & 07777) != 0) {
        return ErrnoText(errno);
    }
    return std::nullopt;
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const QString& path) : path_(path), file_(path) {}

std::optional<SaveFailure> AtomicFileWriter::Open() {
    std::optional<struct stat> existing;
    if (std::optional<QString> refusal = Refusal(path_, existing)) {
        return SaveFailure{.opening = true, .reason = std::move(*refusal)};
    }
    // Unbuffered, so that a write cut short (a full disk) shows at once:
    // through the buffer, the flush in commit() can lose the rest of the
    // bytes and still report success.
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return SaveFailure{.opening = true, .reason = file_.errorString()};
    }
    if (existing) {
        if (std::optional<QString> error = KeepOwnerAndMode(file_.handle(), *existing)) {
            file_.cancelWriting();
            return SaveFailure{.opening = true,
                               .reason = QStringLiteral("its owner and mode cannot be kept: %1")
                                             .arg(*error)};
        }
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
                               .reason = error != 0 ? ErrnoText(error) : file_.errorString()};
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
