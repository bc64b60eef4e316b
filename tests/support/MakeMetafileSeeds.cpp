// Writes the metafile fuzz target's seeds into the folder given (fuzz/corpus/metafile).
#include "support/WmfWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

using namespace waybill::test;

// A placeable line drawing as a CAD program writes one: pens, lines, a frame and a label.
WmfWriter LineDrawing() {
    WmfWriter w;
    w.Placeable(0, 0, 4000, 2000, 1000);
    w.SetWindowOrg(0, 0);
    w.SetWindowExt(4000, 2000);
    w.SetBkMode(1);
    const int pen = w.CreatePen(0, 10, Rgb(0, 0, 0));
    const int dashed = w.CreatePen(1, 0, Rgb(0, 0, 128));
    const int hollow = w.CreateBrush(1, 0);
    const int font = w.CreateFont(-150, "ArialDT");
    w.Select(pen);
    w.Select(hollow);
    w.Select(font);
    w.Rectangle(100, 100, 3900, 1900);
    w.MoveTo(500, 1500);
    w.LineTo(1000, 500);
    w.LineTo(3000, 500);
    w.LineTo(3500, 1500);
    w.Select(dashed);
    w.Polyline({{500, 1600}, {3500, 1600}});
    w.SetTextAlign(6 | 24);
    w.SetTextColor(Rgb(0, 0, 0));
    w.TextOut(2000, 1750, "1'-6\xD1");
    w.Select(pen);
    w.Delete(dashed);
    return w;
}

// Curves, fills and a y axis running upward, without a placeable header.
WmfWriter Curves() {
    WmfWriter w;
    w.SetMapMode(8);
    w.SetWindowOrg(0, 1440);
    w.SetWindowExt(2880, -1440);
    w.SetPolyFillMode(2);
    w.Select(w.CreatePen(0, 0, Rgb(0, 0, 0)));
    w.Select(w.CreateBrush(2, Rgb(0, 0, 0), 3));
    w.Ellipse(100, 100, 1340, 1340);
    w.ArcLike(WmfWriter::kArc, 1540, 100, 2780, 1340, {2780, 720}, {2160, 1340});
    w.ArcLike(WmfWriter::kPie, 1540, 100, 2780, 1340, {2160, 100}, {1540, 720});
    w.ArcLike(WmfWriter::kChord, 200, 200, 1240, 1240, {1240, 720}, {200, 720});
    w.Select(w.CreateBrush(0, Rgb(200, 200, 200)));
    w.PolyPolygon({{{300, 300}, {1100, 300}, {700, 1100}}, {{600, 500}, {800, 500}, {700, 700}}});
    w.Polygon({{1600, 1300}, {2700, 1300}, {2150, 1400}});
    return w;
}

// Drawing state: saved and restored states, objects replaced, spaced and boxed texts.
WmfWriter States() {
    WmfWriter w;
    w.Placeable(0, 0, 1440, 720, 1440);
    w.SetMapMode(6);
    const int red = w.CreatePen(0, 15, Rgb(255, 0, 0));
    w.CreateRegion();
    w.SaveDc();
    w.Select(red);
    w.MoveTo(0, -360);
    w.LineTo(1440, -360);
    w.RestoreDc(-1);
    w.Delete(red);
    w.Select(w.CreateFont(200, "Arial", 900, 700));
    w.SetBkMode(2);
    w.SetBkColor(Rgb(255, 255, 200));
    w.ExtTextOut(100, -100, "AB", {120, 120}, std::vector<std::int16_t>{100, 100, 400, 300});
    w.SetTextAlign(1);
    w.MoveTo(700, -500);
    w.TextOut(0, 0, "cp");
    return w;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (const auto& [name, writer] :
         {std::pair{"line_drawing.wmf", LineDrawing()}, std::pair{"curves.wmf", Curves()},
          std::pair{"states.wmf", States()}}) {
        if (!(std::ofstream(folder / name, std::ios::binary) << writer.Bytes())) {
            std::fprintf(stderr, "cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
