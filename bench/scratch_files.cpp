#include "scratch_files.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "schemefile/scheme_writer.h"
#include "trains.h"

namespace quorvane::bench {
namespace {

class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-bench-XXXXXX");
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace

const std::filesystem::path& ScratchFolder() {
    static TemporaryFolder folder;
    return folder.Path();
}

bool PutScheme(const std::filesystem::path& file, const Scheme& scheme) {
    const WriteResult written = WriteScheme(scheme, file.stem().string());
    std::ofstream out(file, std::ios::binary);
    return written.ok && out.write(written.bytes.data(), std::ssize(written.bytes));
}

const std::string& LargestFile() {
    static const std::string path = [] {
        const std::filesystem::path file = ScratchFolder() / "largest_train.sch";
        return PutScheme(file, *LargestTrain(1)) ? file.string() : std::string();
    }();
    return path;
}

}  // namespace quorvane::bench
