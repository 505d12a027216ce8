#include "figures.h"

#include <array>

namespace quorvane::bench {

std::span<const Figure> Figures() {
    static constexpr std::array<Figure, 29> kFigures{{
        // A full refresh within an eighth of a 60 Hz frame at ratio 1 and a
        // quarter at 1.5 and 2, hover within a sixteenth: room for the rest of
        // the frame on a slow machine. Plain drawing is the reference that
        // stamping must beat to be kept (ratio: plain over stamped).
        {"BM_FullRefresh", "full refresh (strip 4496x88 + car 800x147)", Measure::Time, "ms", 2.1},
        {"BM_FullRefreshPlain", "full refresh, plain QPainter (reference)", Measure::Time, "ms", 0,
         "BM_FullRefresh"},
        {"BM_FullRefreshRatio1_5", "full refresh at ratio 1.5 (strip 6744x132 + car 1200x221)",
         Measure::Time, "ms", 4.2},
        {"BM_FullRefreshPlainRatio1_5", "full refresh at ratio 1.5, plain QPainter (reference)",
         Measure::Time, "ms", 0, "BM_FullRefreshRatio1_5"},
        {"BM_FullRefreshRatio2", "full refresh at ratio 2 (strip 8992x176 + car 1600x294)",
         Measure::Time, "ms", 4.2},
        {"BM_FullRefreshPlainRatio2", "full refresh at ratio 2, plain QPainter (reference)",
         Measure::Time, "ms", 0, "BM_FullRefreshRatio2"},
        {"BM_StripHover", "strip hover", Measure::Time, "ms", 1},
        {"BM_StripHoverPlain", "strip hover, plain QPainter (reference)", Measure::Time, "ms", 0,
         "BM_StripHover"},
        {"BM_WholeTrainWalk", "whole-train walk, 640 steps", Measure::Time, "ms", 500},
        {"BM_WriteLargest", "write largest file to bytes", Measure::Time, "us", 100},
        {"BM_ReadFloor", "floor: a new model given the texts of the file"},
        {"BM_ReadLargest", "read largest file into a new model, as the editor loads", Measure::Time,
         "us", 250, "BM_ReadFloor"},
        {"BM_SheetPdfLargest", "sheet of the largest train to PDF", Measure::Time, "ms", 1000},
        {"BM_SheetPdfLargest", "sheet of the largest train to PDF, size", Measure::OutputMegabytes,
         "MB", 2},
        {"BM_ToolCheck", "quorvane-tool check, 10,000 files", Measure::Time, "ms", 2000},
        {"BM_ToolPlanHugeSeries", "quorvane-tool plan, 16 MiB file, one huge series", Measure::Time,
         "ms", 0},
        // The file's bytes and the scheme's texts (16 MiB each, while the file
        // is read) and Qt's libraries; the rows stream, so 100 MB leaves room
        // for all of that and no copy of a row of the huge series.
        {"BM_ToolPlanHugeSeries", "quorvane-tool plan peak resident memory, 16 MiB file",
         Measure::ResidentMegabytes, "MB", 100},
        // The picture (4 bytes a pixel) and its BMP bytes (3) held at once.
        {"BM_ToolSheetPictureAtBudget",
         "quorvane-tool sheet picture at the budget, BMP, peak resident memory",
         Measure::ResidentMegabytes, "MB", 1000},
        {"BM_EditorFirstPaint", "editor start to first paint", Measure::Time, "ms", 300},
        {"BM_EditorLargestFile", "editor start to first paint, largest file loaded", Measure::Time,
         "ms", 0},
        {"BM_EditorLargestFile", "editor peak resident memory, largest file loaded",
         Measure::ResidentMegabytes, "MB", 80},
        {"BM_EditorHugeText", "editor start to first paint, a text of 16 MiB", Measure::Time, "ms",
         1000},
        {"BM_EditorHugeText", "editor peak resident memory, a text of 16 MiB",
         Measure::ResidentMegabytes, "MB", 300},
        {"BM_UndoStep", "undo one step, largest file, with the repaint", Measure::Time, "us", 1000},
        {"BM_RedoStep", "redo one step, largest file, with the repaint", Measure::Time, "us", 1000},
        {"BM_UndoMemory", "editor resident memory growth, 1,000 stored edits",
         Measure::ResidentMegabytes, "MB", 30},
        // How much of that growth is the heap, the undo stack's steps among it.
        {"BM_UndoMemory", "editor heap growth, 1,000 stored edits", Measure::HeapMegabytes, "MB",
         0},
        // A step holds two layout snapshots (1 KB) and at most one car's
        // texts (66 of 20 bytes here, 7 KB), which an insertion takes from
        // the train, so that 1,000 steps hold the train's texts at most once
        // (0.3 MB), 1.3 MB in all; the window's own heap grows about as
        // much again. A copy of the train (100 KB) a step would take 100 MB.
        {"BM_UndoMemoryCars", "editor resident memory growth, 1,000 cars removed and inserted",
         Measure::ResidentMegabytes, "MB", 30},
        {"BM_UndoMemoryCars", "editor heap growth, 1,000 cars removed and inserted",
         Measure::HeapMegabytes, "MB", 6},
    }};
    return kFigures;
}

}  // namespace quorvane::bench
