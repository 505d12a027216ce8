#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string_view>

#include "tool/tool.h"
#include "version.h"

namespace {

// A standard stream the caller closed would be taken by the next file opened
// (a temporary file of a save, say), and what is meant for the stream would
// end up in that file. /dev/null holds its place, opened for reading only so
// that writes to it fail as they would on the closed stream.
void HoldClosedStandardStreams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int held = ::open("/dev/null", O_RDONLY);
            if (held != fd && held >= 0) {
                ::close(held);
            }
        }
    }
}

// Standard output written with write(2) in large blocks, keeping the reason
// of the first failure for the end: what the commands print must not be lost
// without the exit code saying so.
class StandardOutputBuffer final : public std::streambuf {
public:
    StandardOutputBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }

    int Error() const { return error_; }

protected:
    int_type overflow(int_type ch) override {
        if (!Drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain() {
        const char* at = pbase();
        while (error_ == 0 && at < pptr()) {
            const ssize_t written =
                ::write(STDOUT_FILENO, at, static_cast<std::size_t>(pptr() - at));
            if (written < 0 && errno != EINTR) {
                error_ = errno;
            } else if (written > 0) {
                at += written;
            }
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return error_ == 0;
    }

    std::array<char, 64 * 1024> buffer_{};
    int error_ = 0;
};

// Render draws, and it needs fonts but no display; the other commands start
// without the GUI machinery. The command is the first word that is no option.
bool Draws(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view word = argv[i];
        if (word == "--") {
            return i + 1 < argc && std::string_view(argv[i + 1]) == "render";
        }
        if (!word.starts_with('-')) {
            return word == "render";
        }
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    HoldClosedStandardStreams();
    std::unique_ptr<QCoreApplication> app;
    if (Draws(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-tool"));
    QCoreApplication::setApplicationVersion(QLatin1String(quorvane::kVersion));

    StandardOutputBuffer standardOutput;
    std::streambuf* const stdioOutput = std::cout.rdbuf(&standardOutput);
    int code = quorvane::RunTool(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);

    // Output that did not arrive (a full disk, a closed stream) fails the
    // command, also when the failure shows only now, at the last flush.
    std::cout.flush();
    const bool streamFailed = !std::cout;
    std::cout.rdbuf(stdioOutput);
    int error = standardOutput.Error();
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        error = error != 0 ? error : (errno != 0 ? errno : EIO);
    }
    if (error != 0 || streamFailed) {
        std::cerr << "quorvane-tool: standard output: cannot be written: "
                  << std::strerror(error != 0 ? error : EIO) << '\n';
        code = code != quorvane::kToolOk ? code : quorvane::kToolFailed;
    }
    return code;
}
