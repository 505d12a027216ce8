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
// existing file whole. A path that exists and is not a regular file (a FIFO,
// a device, a folder, ...) is refused before anything is written: renaming
// over it would put a plain file where the special one stood. Dropped without
// Commit, nothing is replaced.
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
