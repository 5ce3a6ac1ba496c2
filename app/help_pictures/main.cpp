// help_pictures: draws the three pictures of the help pages and writes them as JPEG files and as a C++
// source that holds their bytes (the help window decodes them from there).
//   help_pictures OUT_DIR SOURCE.cpp
// The second page's figure is a source network graph with two bypasses, the two nested subgraphs cut
// out of it, and the resulting network graph where two fictitious operations stand in their places;
// it is drawn where src/views/help_layout.h puts the labels that name its parts. No text is drawn: the
// labels are the window's, in the user's language.
#include "views/help_layout.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <jpeglib.h>
#include <string>
#include <vector>

namespace {

using namespace zep::help;

const QColor kInk(40, 55, 80);
const QColor kArc(70, 95, 130);
const QColor kNested(30, 120, 90);
const QColor kFictitious(200, 70, 50);

void event_at(QPainter& p, QPointF at, double r = 8) {
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(Qt::white);
    p.drawEllipse(at, r, r);
    p.setBrush(Qt::NoBrush);
}

// An operation: an arc between two events, straight or bowed by `bow` pixels, with an arrowhead.
void arc(QPainter& p, QPointF from, QPointF to, const QColor& colour, double bow = 0, double width = 1.8,
         Qt::PenStyle style = Qt::SolidLine) {
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF unit = d / len;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF a = from + unit * 9;
    const QPointF b = to - unit * 9;
    const QPointF control = (a + b) / 2 + normal * bow;
    QPainterPath path(a);
    path.quadTo(control, b);
    p.setPen(QPen(colour, width, style, Qt::RoundCap));
    p.drawPath(path);
    // The arrowhead follows the tangent at the end.
    const QPointF t = b - control;
    const QPointF tu = t / std::hypot(t.x(), t.y());
    const QPointF tn(-tu.y(), tu.x());
    QPolygonF head;
    head << b << b - tu * 9 + tn * 4 << b - tu * 9 - tn * 4;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

void chain(QPainter& p, const std::vector<QPointF>& events, const QColor& colour) {
    for (std::size_t i = 1; i < events.size(); ++i)
        arc(p, events[i - 1], events[i], colour);
}

void frame(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(120, 135, 160), 1.2, Qt::DashLine));
    p.setBrush(QColor(240, 246, 252));
    p.drawRoundedRect(r, 10, 10);
    p.setBrush(Qt::NoBrush);
}

QImage page_background(Size size, QColor top, QColor bottom) {
    QImage img(size.width, size.height, QImage::Format_RGB888);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, size.height);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(img.rect(), g);
    return img;
}

// A faint network graph motif in a corner, light enough for text to stand over it.
void faint_motif(QPainter& p, QPointF origin, double scale) {
    const QColor light(214, 224, 238);
    auto at = [&](double x, double y) { return origin + QPointF(x, y) * scale; };
    const std::vector<QPointF> base = {at(0, 60), at(60, 60), at(120, 60), at(180, 60), at(240, 60)};
    p.setOpacity(0.9);
    for (std::size_t i = 1; i < base.size(); ++i)
        arc(p, base[i - 1], base[i], light, 0, 2);
    arc(p, base[1], at(120, 10), light, 0, 2);
    arc(p, at(120, 10), base[3], light, 0, 2);
    arc(p, base[0], at(120, 110), light, 0, 2);
    arc(p, at(120, 110), base[4], light, 0, 2);
    for (QPointF e : {base[0], base[1], base[2], base[3], base[4], at(120, 10), at(120, 110)}) {
        p.setPen(QPen(light, 2));
        p.setBrush(QColor(246, 249, 253));
        p.drawEllipse(e, 7 * scale, 7 * scale);
    }
    p.setOpacity(1);
}

// A page background in two shades with the faint motif drawn about `centre`.
QImage motif_page(Size size, QColor top, QColor bottom, QPointF centre, double scale) {
    QImage img = page_background(size, top, bottom);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    faint_motif(p, centre, scale);
    return img;
}

QImage picture1() {
    return motif_page(kPicture1, QColor(252, 253, 255), QColor(232, 240, 250), QPointF(470, 360), 1.2);
}

QImage picture3() {
    return motif_page(kPicture3, QColor(252, 253, 255), QColor(236, 242, 236), QPointF(330, 190), 1.0);
}

// Source network graph: the base chain with two bypasses, and a second ordinary chain below.
void draw_source_graph(QPainter& p) {
    const double y1 = kSourceGraphY;
    const std::vector<QPointF> base = {{505, y1}, {580, y1}, {650, y1}, {720, y1},
                                       {790, y1}, {860, y1}, {935, y1}};
    frame(p, QRectF(490, kSourceGraphTop + 22, 460, 140));
    chain(p, base, kArc);
    arc(p, base[1], QPointF(650, y1 - 50), kNested);
    arc(p, QPointF(650, y1 - 50), base[3], kNested);
    arc(p, base[3], QPointF(790, y1 - 50), kNested);
    arc(p, QPointF(790, y1 - 50), base[5], kNested);
    arc(p, base[0], QPointF(720, y1 + 38), kArc, 10);
    arc(p, QPointF(720, y1 + 38), base[6], kArc, 10);
    for (QPointF e : base)
        event_at(p, e);
    for (QPointF e : {QPointF(650, y1 - 50), QPointF(790, y1 - 50), QPointF(720, y1 + 38)})
        event_at(p, e);
}

// The two nested subgraphs, each a span of the base chain with its bypass.
void draw_nested_subgraphs(QPainter& p) {
    const double y2 = kSubgraphY;
    for (double cx : {kSubgraph1X, kSubgraph2X}) {
        frame(p, QRectF(cx - 68, kSubgraphTop + 22, 136, 92));
        const std::vector<QPointF> span = {{cx - 52, y2}, {cx, y2}, {cx + 52, y2}};
        chain(p, span, kArc);
        arc(p, span[0], QPointF(cx, y2 - 40), kNested);
        arc(p, QPointF(cx, y2 - 40), span[2], kNested);
        for (QPointF e : span)
            event_at(p, e);
        event_at(p, QPointF(cx, y2 - 40));
    }
}

// The resulting network graph: each subgraph replaced by one fictitious operation.
void draw_result_graph(QPainter& p) {
    const double y3 = kResultGraphY;
    const std::vector<QPointF> result = {{505, y3}, {580, y3}, {720, y3}, {860, y3}, {935, y3}};
    frame(p, QRectF(490, kResultGraphTop + 22, 460, 160));
    arc(p, result[0], result[1], kArc);
    arc(p, result[1], result[2], kFictitious, 0, 4, Qt::DashLine);
    arc(p, result[2], result[3], kFictitious, 0, 4, Qt::DashLine);
    arc(p, result[3], result[4], kArc);
    arc(p, result[0], QPointF(720, y3 + 58), kArc, 10);
    arc(p, QPointF(720, y3 + 58), result[4], kArc, 10);
    for (QPointF e : result)
        event_at(p, e);
    event_at(p, QPointF(720, y3 + 58));
}

QImage picture2() {
    QImage img = page_background(kPicture2, QColor(255, 255, 255), QColor(246, 248, 252));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The left column holds the window's text blocks.
    p.fillRect(QRectF(0, 0, kTextColumnLeft * 2 + kTextColumnWidth, kPicture2.height), QColor(243, 246, 251));
    p.setPen(QPen(QColor(205, 214, 228), 1));
    p.drawLine(QPointF(kTextColumnLeft * 2 + kTextColumnWidth, 8),
               QPointF(kTextColumnLeft * 2 + kTextColumnWidth, kPicture2.height - 8));
    draw_source_graph(p);
    draw_nested_subgraphs(p);
    draw_result_graph(p);
    // Arrows from the subgraphs down to the fictitious operations that replace them.
    // They end above the first fictitious operation's label.
    for (double x : {kSubgraph1X, kSubgraph2X})
        arc(p, QPointF(x, kSubgraphTop + 108), QPointF(x, kFictitious1Top - 4), QColor(170, 180, 198), 0, 1.2,
            Qt::DotLine);
    return img;
}

std::vector<unsigned char> encode_jpeg(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = static_cast<JDIMENSION>(rgb.width());
    c.image_height = static_cast<JDIMENSION>(rgb.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 92, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(c.next_scanline)));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<unsigned char> bytes(buffer, buffer + size);
    jpeg_destroy_compress(&c);
    std::free(buffer);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: help_pictures OUT_DIR SOURCE.cpp\n";
        return 2;
    }
    const std::string dir = argv[1];
    const QImage pictures[] = {picture1(), picture2(), picture3()};
    std::ofstream source(argv[2], std::ios::binary);
    source << "// Written by help_pictures: the JPEG files of the help pages.\n"
              "#include \"views/ui/help_pictures.h\"\n\nnamespace zep {\nnamespace {\n";
    for (int i = 0; i < 3; ++i) {
        const std::vector<unsigned char> jpeg = encode_jpeg(pictures[i]);
        std::ofstream file(dir + "/Help" + std::to_string(i + 1) + ".jpg", std::ios::binary);
        file.write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
        if (!file) {
            std::cerr << "help_pictures: cannot write into " << dir << "\n";
            return 1;
        }
        source << "const std::uint8_t kPicture" << i + 1 << "[] = {";
        for (std::size_t k = 0; k < jpeg.size(); ++k)
            source << (k % 24 == 0 ? "\n    " : "") << static_cast<int>(jpeg[k]) << ",";
        source << "\n};\n";
    }
    source << "\n} // namespace\n\nstd::span<const std::uint8_t> help_picture_jpeg(int page) {\n"
              "    switch (page) {\n    case 1:\n        return kPicture1;\n    case 2:\n        return "
              "kPicture2;\n"
              "    case 3:\n        return kPicture3;\n    }\n    return {};\n}\n\n} // namespace zep\n";
    return source ? 0 : 1;
}
