// A system without Qt's image format plugins (their package not installed):
// a sheet in a format whose writer is missing is refused by the name of its
// file, before anything is written, and the formats built into Qt are still
// made. The plugins are hidden by taking Qt's plugin folders away before
// any picture is written.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImageWriter>
#include <string>
#include <vector>

#include "read_sheet.h"
#include "sheet/sheet_export.h"
#include "sheet_fixture.h"

namespace quorvane {
namespace {

using testing::Train;

class WithoutImagePluginsTest : public testing::ScratchFolderTest {};

TEST_F(WithoutImagePluginsTest, AFormatWithoutItsWriterIsRefusedByName) {
    const QList<QByteArray> writers = QImageWriter::supportedImageFormats();
    ASSERT_FALSE(writers.contains("tif")) << "the plugins are still there";
    ASSERT_FALSE(writers.contains("jpg")) << "the plugins are still there";

    struct Case {
        std::string name;
        std::string reason;
    };
    const std::vector<Case> cases{
        {"sheet.tif",
         "this system has no writer for TIFF pictures: Qt's image format plugin for them is "
         "missing (Debian package qt6-image-formats-plugins)"},
        {"sheet.TIFF",
         "this system has no writer for TIFF pictures: Qt's image format plugin for them is "
         "missing (Debian package qt6-image-formats-plugins)"},
        {"sheet.jpeg",
         "this system has no writer for JPEG pictures: Qt's image format plugin for them is "
         "missing (Debian package libqt6gui6)"},
    };
    for (const Case& c : cases) {
        const std::string path = Put(c.name, "the old file\r\n");
        const std::optional<SheetExportFailure> failure =
            ExportTrainSheet(*Train(2), QString::fromStdString(path), SheetOptions());
        ASSERT_TRUE(failure) << c.name;
        EXPECT_EQ(failure->kind, SheetExportFailure::Kind::Format);
        EXPECT_EQ(failure->reason.toStdString(), c.reason);
        EXPECT_EQ(Contents(path), "the old file\r\n");
        EXPECT_EQ(Listing(), std::vector<std::string>{c.name});
        std::filesystem::remove(path);
    }
    QByteArray bytes;
    EXPECT_TRUE(DrawTrainSheet(*Train(2), "tif", SheetOptions(), bytes));
    EXPECT_TRUE(bytes.isEmpty());

    for (const std::string name : {"sheet.png", "sheet.bmp", "sheet.pdf", "sheet.svg"}) {
        const std::optional<SheetExportFailure> failure =
            ExportTrainSheet(*Train(2), QString::fromStdString(Path(name)), SheetOptions());
        EXPECT_FALSE(failure) << name << ": " << failure->reason.toStdString();
        EXPECT_EQ(testing::FormatOfBytes(Contents(Path(name))), name.substr(6));
    }
}

}  // namespace
}  // namespace quorvane

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();  // test discovery at build time needs no application
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    // The platform plugin is in; no other plugin is found from here on.
    QCoreApplication::setLibraryPaths({});
    return RUN_ALL_TESTS();
}
