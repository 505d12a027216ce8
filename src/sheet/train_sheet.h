// The measurement sheet: the whole train on pages a crew measures from.
// Every page is headed by the scheme's name, its file, the date printed and
// "page N of M"; the first holds the strip of the train and a legend of the
// marks; then each car has its heading, its diagram with every wheel's
// position number, and a table of its wheels in the order of measurement
// with an empty column for what is measured. A car and its table stay on
// one page whenever one page can hold them.
//
// Everything is drawn with QPainter as vectors: PDF pages and printers get
// lines and real text, SVG one tall picture of the same, and image formats
// a picture at the scale asked for. Needs a QGuiApplication (offscreen will
// do).
#pragma once

#include <QByteArray>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <optional>

#include "model/language.h"
#include "model/scheme.h"

class QPagedPaintDevice;

namespace quorvane {

struct SheetOptions {
    Language language = Language::English;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    bool landscape = false;
    // The base name of the scheme's file; empty: "not saved".
    QString fileName;
    QDate printed = QDate::currentDate();
    // Of a picture in an image format: its pixels to one of 96 dots per inch.
    double scale = 1;
};

// The most pixels a sheet's picture may have. The picture and its encoded
// bytes are held whole while it is written: as BMP, the format that peaks
// highest, a picture of this size takes the program to about 0.9 GB.
inline constexpr qint64 kLargestSheetPicture = 120'000'000;

// Why the sheet is not drawn in format (a QImageWriter name): a sheet is
// drawn only as "pdf", "svg" or the pictures "png", "jpg", "bmp" and "tif",
// which keep it whole (an icon format would shrink it), and a picture only
// when this Qt has a writer for it. Nothing when it can be drawn.
std::optional<QString> SheetFormatProblem(const QByteArray& format);

// Draws the sheet into bytes in the given format: "pdf" for pages, "svg" or
// a picture format for one tall picture. Gives why it failed, or nothing.
std::optional<QString> DrawTrainSheet(const Scheme& scheme, const QByteArray& format,
                                      const SheetOptions& options, QByteArray& bytes);

// A text as the sheet draws it, in every format and in print, and as it
// names its files: each control character but tab (U+0000 to U+001F) turned
// into U+FFFD, and so what else XML 1.0 cannot hold (U+FFFE, U+FFFF, a
// surrogate without its pair), which only a file's name can bring. Scheme
// texts may hold any byte but the field ends; with a control character the
// SVG would not parse, and each format would show it its own way.
QString SheetText(QString text);

// The scheme's name as the sheet's pages, its PDF and SVG title show it.
QString SheetTitle(const Scheme& scheme);

// The page layout of the options: their size and orientation, 10 mm margins.
QPageLayout SheetPageLayout(const SheetOptions& options);

// Prints the sheet's pages on a device that has begun no painter, a printer
// or a PDF writer, with the page layout the device has (SheetPageLayout, or
// what the print dialog made of it). False when the device cannot be
// painted on.
bool PrintTrainSheet(const Scheme& scheme, const SheetOptions& options, QPagedPaintDevice& device);

}  // namespace quorvane
