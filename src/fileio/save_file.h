#pragma once

#include <QSaveFile>
#include <QString>
#include <optional>
#include <string_view>

namespace quorvane {

struct SaveFailure {
    bool opening = false;  // the file could not even be opened for writing
    QString reason;
};

// A file written in pieces through a temporary file in the same folder, which
// replaces the old file only once Commit succeeds, so that a failure leaves an
// existing file whole. Links are followed. Open refuses, before anything is
// written: a path that is there but not a regular file (renaming over a FIFO,
// a device or a folder would put a plain file where it stood), links that
// cannot be resolved, a file without a write bit or that this process may
// not write ("it is read-only (mode 0444)", root too), and a read-only file
// system. A replaced file keeps its owner, group and mode, setuid and setgid
// included, as far as the process may set them; its ACLs, extended
// attributes and other hard links are not kept. Dropped without Commit,
// nothing is replaced.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& path);

    std::optional<SaveFailure> Open();
    // Every byte reaches the temporary file before it returns, so that a full
    // disk shows here and not later in a flush whose loss would go unseen.
    std::optional<SaveFailure> Write(std::string_view bytes);
    std::optional<SaveFailure> Commit();

private:
    QString path_;
    QSaveFile file_;
};

// Writes the bytes to path through an AtomicFileWriter.
std::optional<SaveFailure> SaveFileAtomically(const QString& path, std::string_view bytes);

}  // namespace quorvane
