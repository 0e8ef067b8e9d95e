#include "polar_plot.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "directivity_model.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRangeDb = 40;
constexpr double kRadius = 175;
constexpr int kPlotBands[] = {4, 10, 16, 20};  // 250 Hz, 1 kHz, 4 kHz, 10 kHz
const char* const kColours[] = {"#1f77b4", "#2ca02c", "#ff7f0e", "#d62728"};

struct Chart {
  const char* title;
  int positiveAzimuth;  // azimuth of the side drawn with positive angles
  int negativeAzimuth;
  bool sideView;        // front to the right and up at the top; else front at the top
  const char* positiveLabel;
  const char* negativeLabel;
};

const Chart kCharts[] = {
    {"Horizontal plane (top view)", 0, 180, false, "az 0", "az 180"},
    {"Vertical plane (side view)", 90, 270, true, "up (az 90)", "down (az 270)"},
};

std::string BandLabel(int band) {
  const double f = kBandCentresHz[band];
  std::ostringstream s;
  if (f >= 1000)
    s << f / 1000 << " kHz";
  else
    s << f << " Hz";
  return s.str();
}

// Page position of a signed angle from the axis at an attenuation.
void ToPage(const Chart& chart, double cx, double cy, double angleDeg, double db, double& x,
            double& y) {
  const double r = kRadius * (1 - std::fmin(db, kRangeDb) / kRangeDb);
  const double a = angleDeg * kPi / 180;
  if (chart.sideView) {
    x = cx + r * std::cos(a);
    y = cy - r * std::sin(a);
  } else {
    x = cx + r * std::sin(a);
    y = cy - r * std::cos(a);
  }
}

// A label just outside the outer ring, anchored away from the chart.
void DrawLabel(std::ostream& svg, const Chart& chart, double cx, double cy, double angleDeg,
               const char* text) {
  double x, y;
  ToPage(chart, cx, cy, angleDeg, -2, x, y);
  const char* anchor = std::fabs(x - cx) < 1 ? "middle" : x > cx ? "start" : "end";
  if (y > cy + 1) y += 10;
  else if (std::fabs(y - cy) <= 1) y += 4;
  svg << "<text x='" << x << "' y='" << y << "' font-size='11' text-anchor='" << anchor << "'>"
      << text << "</text>\n";
}

void DrawGrid(std::ostream& svg, const Chart& chart, double cx, double cy) {
  for (int db = 0; db < kRangeDb; db += 10) {
    const double r = kRadius * (1 - db / kRangeDb);
    svg << "<circle cx='" << cx << "' cy='" << cy << "' r='" << r
        << "' fill='none' stroke='#bbb' stroke-width='0.8'/>\n";
    svg << "<text x='" << cx + 3 << "' y='" << cy - r + 11 << "' font-size='9' fill='#777'>"
        << (db == 0 ? "0" : "-" + std::to_string(db)) << " dB</text>\n";
  }
  for (int a = 0; a < 360; a += 30) {
    double x, y;
    ToPage(chart, cx, cy, a, 0, x, y);
    svg << "<line x1='" << cx << "' y1='" << cy << "' x2='" << x << "' y2='" << y
        << "' stroke='#ddd' stroke-width='0.8'/>\n";
  }
  DrawLabel(svg, chart, cx, cy, 0, "front");
  DrawLabel(svg, chart, cx, cy, 90, chart.positiveLabel);
  DrawLabel(svg, chart, cx, cy, -90, chart.negativeLabel);
}

void DrawCurve(std::ostream& svg, const Chart& chart, double cx, double cy,
               const std::vector<std::int16_t>& table, const DeliverableLayout& layout, int set,
               int band, const char* colour) {
  const int step = GridStepDegrees(layout, band);
  svg << "<polygon fill='none' stroke='" << colour << "' stroke-width='1.6' points='";
  for (int a = -180 + step; a <= 180; a += step) {
    const int polar = a < 0 ? -a : a;
    const int azimuth = a < 0 ? chart.negativeAzimuth : chart.positiveAzimuth;
    const double db = StoredValue(table, layout, set, band, polar, azimuth) / 100.0;
    double x, y;
    ToPage(chart, cx, cy, a, db, x, y);
    svg << x << ',' << y << ' ';
  }
  svg << "'/>\n";
}

}  // namespace

void WriteDirectivityPlots(const std::string& plotsDir, const DeliverableLayout& layout,
                           const std::vector<CabinetModel>& cabinets,
                           const std::vector<std::int16_t>& table) {
  std::filesystem::create_directories(plotsDir);
  for (int set = 0; set < layout.setCount; ++set) {
    const CabinetModel& cabinet = cabinets[set];
    std::ostringstream svg;
    svg.precision(5);
    svg << "<svg xmlns='http://www.w3.org/2000/svg' width='900' height='540' "
           "font-family='sans-serif'>\n<rect width='900' height='540' fill='white'/>\n";
    svg << "<text x='450' y='26' font-size='16' text-anchor='middle'>" << layout.title << " "
        << cabinet.name << ": attenuation below on-axis (front " << cabinet.frontHeight
        << " m high, " << cabinet.frontWidth << " m wide, nominal " << cabinet.horizontalNominalDeg
        << " deg)</text>\n";
    for (int c = 0; c < 2; ++c) {
      const Chart& chart = kCharts[c];
      const double cx = 225 + 450 * c, cy = 290;
      svg << "<text x='" << cx << "' y='58' font-size='13' text-anchor='middle'>" << chart.title
          << "</text>\n";
      DrawGrid(svg, chart, cx, cy);
      for (int i = 0; i < 4; ++i)
        DrawCurve(svg, chart, cx, cy, table, layout, set, kPlotBands[i], kColours[i]);
    }
    for (int i = 0; i < 4; ++i) {
      const int x = 270 + 100 * i;
      svg << "<line x1='" << x << "' y1='520' x2='" << x + 24 << "' y2='520' stroke='"
          << kColours[i] << "' stroke-width='3'/><text x='" << x + 30
          << "' y='524' font-size='12'>" << BandLabel(kPlotBands[i]) << "</text>\n";
    }
    svg << "</svg>\n";

    const std::filesystem::path path =
        std::filesystem::path(plotsDir) / (std::string(layout.name) + "_" + cabinet.name + ".svg");
    std::ofstream file(path, std::ios::trunc);
    file << svg.str();
    if (!file) throw std::runtime_error("cannot write " + path.string());
  }
}
