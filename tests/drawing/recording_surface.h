// A drawing surface that draws nothing and records every call together with
// the pen and brush in force, so tests can check vertices, colours, widths,
// pen positions and text corners without comparing pixels.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/drawing_surface.h"

namespace quorvane {

inline void PrintTo(const Point& p, std::ostream* os) {
    *os << '(' << p.x << ", " << p.y << ')';
}

inline void PrintTo(const Rgb& c, std::ostream* os) {
    *os << "rgb(" << int{c.r} << ", " << int{c.g} << ", " << int{c.b} << ')';
}

namespace testing {

enum class Op {
    Resize,
    MoveTo,
    LineTo,
    SetPenColour,
    SetPenWidth,
    SetBrushColour,
    Polygon,
    Ellipse,
    FillWhite,
    Text,
};

struct Call {
    Op op;
    // Resize: {width, height}; MoveTo: {to}; LineTo: {from, to}; Polygon: the
    // vertices; Ellipse: {top left, bottom right}; Text: {top left}.
    std::vector<Point> points;
    // In force during the call; after it for the setters.
    Rgb pen;
    int penWidth;
    Rgb brush;
    std::string text;
    TextStyle style;
};

struct Line {
    Point from;
    Point to;
    Rgb colour;
    int width;

    bool operator==(const Line&) const = default;
};

inline void PrintTo(const Line& l, std::ostream* os) {
    *os << "line ";
    PrintTo(l.from, os);
    *os << " -> ";
    PrintTo(l.to, os);
    *os << ' ';
    PrintTo(l.colour, os);
    *os << " width " << l.width;
}

struct Label {
    std::string text;
    Point topLeft;

    bool operator==(const Label&) const = default;
};

inline void PrintTo(const Label& l, std::ostream* os) {
    *os << '"' << l.text << "\" at ";
    PrintTo(l.topLeft, os);
}

class RecordingSurface final : public DrawingSurface {
public:
    RecordingSurface(int width, int height) : width_(width), height_(height) {}

    std::vector<Call> calls;

    std::vector<Call> Only(Op op) const {
        std::vector<Call> picked;
        for (const Call& call : calls) {
            if (call.op == op) {
                picked.push_back(call);
            }
        }
        return picked;
    }
    std::vector<Line> Lines() const {
        std::vector<Line> lines;
        for (const Call& call : Only(Op::LineTo)) {
            lines.push_back({call.points[0], call.points[1], call.pen, call.penWidth});
        }
        return lines;
    }
    std::vector<Label> Labels() const {
        std::vector<Label> labels;
        for (const Call& call : Only(Op::Text)) {
            labels.push_back({call.text, call.points[0]});
        }
        return labels;
    }

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void Resize(int width, int height) override {
        width_ = width;
        height_ = height;
        Record(Op::Resize, {{width, height}});
    }

    Point PenPosition() const override { return position_; }
    void MoveTo(Point to) override {
        position_ = to;
        Record(Op::MoveTo, {to});
    }
    void LineTo(Point to) override {
        Record(Op::LineTo, {position_, to});
        position_ = to;
    }

    Rgb PenColour() const override { return pen_; }
    void SetPenColour(Rgb colour) override {
        pen_ = colour;
        Record(Op::SetPenColour, {});
    }
    int PenWidth() const override { return penWidth_; }
    void SetPenWidth(int width) override {
        penWidth_ = width;
        Record(Op::SetPenWidth, {});
    }
    Rgb BrushColour() const override { return brush_; }
    void SetBrushColour(Rgb colour) override {
        brush_ = colour;
        Record(Op::SetBrushColour, {});
    }

    void Polygon(std::span<const Point> points) override {
        Record(Op::Polygon, {points.begin(), points.end()});
    }
    void Ellipse(Point topLeft, Point bottomRight) override {
        Record(Op::Ellipse, {topLeft, bottomRight});
    }
    void FillWhite() override { Record(Op::FillWhite, {}); }
    void Text(Point topLeft, std::string_view text, const TextStyle& style) override {
        Record(Op::Text, {topLeft}, std::string(text), style);
    }

private:
    void Record(Op op, std::vector<Point> points, std::string text = {}, TextStyle style = {}) {
        calls.push_back({op, std::move(points), pen_, penWidth_, brush_, std::move(text), style});
    }

    int width_;
    int height_;
    Point position_;
    Rgb pen_ = kDefaultPenColour;
    int penWidth_ = kDefaultPenWidth;
    Rgb brush_ = kDefaultBrushColour;
};

}  // namespace testing
}  // namespace quorvane
