// Reading a sheet back as a crew gets it: the PDF's pages and page size as
// poppler's tools read them, the images it holds, and the format of a file
// by its first bytes. The targets define where poppler's tools are.
#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <string>

namespace quorvane::testing {

inline QString ProgramOutput(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program;
    EXPECT_EQ(process.exitCode(), 0) << program << ": " << process.readAllStandardError().data();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, as pdftotext reads it.
inline QStringList PdfPages(const std::string& pdf) {
    QStringList pages =
        ProgramOutput(QUORVANE_PDFTOTEXT, {QString::fromStdString(pdf), QStringLiteral("-")})
            .split(QChar('\f'));
    pages.removeLast();  // a form feed ends every page
    return pages;
}

// What pdfinfo says of it: "Page size: 595 x 842 pts (A4)" among the rest.
inline QString PdfInfo(const std::string& pdf) {
    return ProgramOutput(QUORVANE_PDFINFO, {QString::fromStdString(pdf)});
}

// The lines of pdfimages -list: two of header, then one for each image.
inline int PdfImages(const std::string& pdf) {
    const QString list =
        ProgramOutput(QUORVANE_PDFIMAGES, {QStringLiteral("-list"), QString::fromStdString(pdf)});
    return static_cast<int>(list.split(QChar('\n'), Qt::SkipEmptyParts).size()) - 2;
}

// The format of a file by its first bytes, as the sheet's format names go:
// "pdf", "svg", "png", "jpg", "bmp", "tif"; empty for none of them.
inline std::string FormatOfBytes(const std::string& bytes) {
    if (bytes.starts_with("%PDF-")) {
        return "pdf";
    }
    if (bytes.starts_with("<?xml") && bytes.find("<svg") != std::string::npos) {
        return "svg";
    }
    if (bytes.starts_with("\x89PNG\r\n\x1A\n")) {
        return "png";
    }
    if (bytes.starts_with("\xFF\xD8\xFF")) {
        return "jpg";
    }
    if (bytes.starts_with("BM")) {
        return "bmp";
    }
    if (bytes.starts_with(std::string("II*\0", 4)) || bytes.starts_with(std::string("MM\0*", 4))) {
        return "tif";
    }
    return "";
}

}  // namespace quorvane::testing
