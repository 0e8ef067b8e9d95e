#include "host_road.h"

#include "design_layout.h"
#include "outline_records.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace {
class Road {
 public:
  Road(LoadedPlugin& plugin, std::FILE* out) : p_(plugin), fn_(plugin.fn), out_(out) {}

  int failures = 0;

  void Expect(bool ok, const char* what) {
    if (!ok) {
      ++failures;
      std::fprintf(out_, "  !! unexpected: %s\n", what);
    }
  }

  void Identity() {
    std::fprintf(out_, "== Identity\n");
    const char* name = "";
    const char* maker = "";
    const char* resolution = "";
    fn_.DLLGetName(&name);
    fn_.DLLGetManufacturer(&maker);
    fn_.DLLGetDataResolution(&resolution);
    std::fprintf(out_, "  name            %s\n  manufacturer    %s\n", name, maker);
    std::fprintf(out_, "  data resolution %s\n", Latin1ToUtf8(resolution).c_str());
    std::fprintf(out_, "  version         %d\n  class           %d\n", fn_.DLLVersion(),
                 fn_.DLLClass());
    std::fprintf(out_, "  caps 0..6      ");
    for (int cap = 0; cap <= 6; ++cap) std::fprintf(out_, " %d", fn_.DLLGetCaps(cap));
    std::fprintf(out_, "\n");
    int symmetry = 0;
    fn_.DLLGetSymmetry(&symmetry);
    int bands[21] = {};
    fn_.DLLGetValidBands(bands);
    std::fprintf(out_, "  symmetry        %d\n  valid bands     %d (all 21: %s)\n", symmetry,
                 bands[0], AllEqual(bands, -1) ? "yes" : "no");
    float directivity[21] = {};
    const int dirResult = fn_.DLLGetDirectivity(directivity);
    std::fprintf(out_, "  directivity     %s\n", dirResult == 0 ? "reported" : "not reported");
    Expect(fn_.DLLGetComponents() == -1, "DLLGetComponents without a current slot gives -1");
  }

  void Parameters() {
    std::fprintf(out_, "== Input parameter\n");
    char label[128] = {};
    fn_.IP_GetLabel(1, label);
    std::fprintf(out_, "  count %d, id %d, type %d, label \"%s\"\n", fn_.IP_GetNumber(),
                 fn_.IP_GetID(1), fn_.IP_GetType(1), label);
    float gain[21], phase[21];
    fn_.IP_GetFilterMin(gain, phase);
    std::fprintf(out_, "  filter gain %.1f..", gain[0]);
    fn_.IP_GetFilterMax(gain, phase);
    std::fprintf(out_, "%.1f dB, phase ", gain[0]);
    fn_.IP_GetFilterMin(gain, phase);
    std::fprintf(out_, "%.1f..", phase[0]);
    fn_.IP_GetFilterMax(gain, phase);
    std::fprintf(out_, "%.1f degrees\n", phase[0]);

    std::fprintf(out_, "== Air parameters\n");
    const int count = fn_.RP_GetNumber();
    for (int id = 1; id <= count; ++id) {
      char airLabel[128] = {};
      float def = 0, lo = 0, hi = 0;
      fn_.RP_GetLabel(id, airLabel);
      fn_.RP_GetDefault(id, &def);
      fn_.RP_GetMinimum(id, &lo);
      fn_.RP_GetMaximum(id, &hi);
      std::fprintf(out_, "  %d %-16s type %d  default %g  range %g..%g\n", fn_.RP_GetID(id),
                   airLabel, fn_.RP_GetType(id), def, lo, hi);
    }
    float humidity = 10.0f;
    fn_.RP_SetValue(2, &humidity);
    std::fprintf(out_, "  RP_SetValue(Humidity, 10) -> stored %g\n", humidity);
    Expect(humidity == 20.0f, "humidity clamps to 20");
    float pressure = 2000.0f;
    fn_.RP_SetValue(4, &pressure);
    std::fprintf(out_, "  RP_SetValue(Air Pressure, 2000) -> stored %g\n", pressure);
    Expect(pressure == 1050.0f, "pressure clamps to 1050");
    float restore[] = {60.0f, 1013.0f};
    fn_.RP_SetValue(2, &restore[0]);
    fn_.RP_SetValue(4, &restore[1]);
  }

  bool Slot(const RoadOptions& options) {
    std::fprintf(out_, "== Component slot\n");
    const int id = fn_.CI_GetFreeID();
    const int made = fn_.CI_MakeCurrent(id);
    std::fprintf(out_, "  claimed id %d, made current: %s, components %d\n", id,
                 made == 0 ? "yes" : "no", fn_.DLLGetComponents());
    Expect(id > 0 && made == 0, "a slot can be claimed and made current");
    if (made != 0) return false;

    ReadBlock();
    std::fprintf(out_, "  settings block: %d words\n", static_cast<int>(block_.size()));
    std::fprintf(out_, "  tag \"%.3s\", boxes %d, checksum %d\n",
                 reinterpret_cast<const char*>(&block_[1]), block_[2], block_.back());

    if (!options.blockFile.empty()) RestoreFromFile(options.blockFile);
    if (options.showDialog) ShowDialog();
    std::vector<int32_t> again(block_.size(), 0);
    again[0] = static_cast<int32_t>(block_.size());
    fn_.IP_SetValue(1, block_.data());
    fn_.IP_GetValue(1, again.data());
    const bool same = again == block_;
    std::fprintf(out_, "  round trip through IP_SetValue/IP_GetValue: %s\n",
                 same ? "unchanged" : "CHANGED");
    Expect(same, "a stored block reads back unchanged");
    Design();
    if (!options.saveFile.empty()) SaveToFile(options.saveFile);
    return true;
  }

 void Placement(const float* seat) {
    std::fprintf(out_, "== Placement\n");
    const float position[3] = {0.0f, 0.0f, 8.0f};
    const float angles[3] = {0.0f, 0.0f, 0.0f};
    fn_.CI_SetLspkPosition3fv(position);
    fn_.CI_SetLspkAngles3fv(angles);
    fn_.CI_SetSeatPosition3fv(seat);
    fn_.CI_SetSeatAngles3fv(angles);
    std::fprintf(out_, "  array at (%g, %g, %g), seat at (%g, %g, %g), distance %.3f m\n",
                 position[0], position[1], position[2], seat[0], seat[1], seat[2],
                 fn_.CI_GetDistance());
    const int count = fn_.DLLGetComponents();
    std::fprintf(out_, "  %d components\n", count);
    std::fprintf(out_, "  %4s %9s %9s %9s  %8s %8s %8s  %9s\n", "c", "x", "y", "z", "turn",
                 "tilt", "roll", "distance");
    int listed = 0;
    for (int c = 1; c <= count; ++c) {
      float p[3] = {}, a[3] = {};
      const bool ok = fn_.CI_GetCompPosition3fv(c, p) == 0 && fn_.CI_GetCompAngles3fv(c, a) == 0;
      Expect(ok, "every reported component has a position and angles");
      const float d = fn_.CI_GetCompDistance(c);
      Expect(std::isfinite(d) && d >= 0.0f, "component distances are finite");
      if (c <= 12 || c == count) {
        std::fprintf(out_, "  %4d %9.4f %9.4f %9.4f  %8.3f %8.3f %8.3f  %9.4f\n", c, p[0], p[1],
                     p[2], a[0], a[1], a[2], d);
        ++listed;
      } else if (c == 13) {
        std::fprintf(out_, "  %4s ...\n", "");
      }
    }
    float beyond[3];
    Expect(fn_.CI_GetCompPosition3fv(count + 1, beyond) == -1,
           "a component past the reported count is refused");
    if (fn_.CS_GetVertexNumber && fn_.CS_GetEdgeNumber) {
      int vertices = 0, edges = 0;
      fn_.CS_GetVertexNumber(&vertices);
      fn_.CS_GetEdgeNumber(&edges);
      std::vector<CsVertex> v(vertices > 0 ? vertices : 0);
      std::vector<CsEdge> e(edges > 0 ? edges : 0);
      if (!v.empty()) fn_.CS_GetVertexArray(v.data());
      if (!e.empty()) fn_.CS_GetEdgeArray(e.data());
      float zMin = 0.0f;
      for (const CsVertex& vertex : v) zMin = std::fmin(zMin, vertex.z);
      std::fprintf(out_, "  outline: %d vertices, %d edges, %.3f m high\n", vertices, edges, -zMin);
    }
  }

 void Levels() {
    if (!fn_.CI_GetCompFR || !fn_.CI_GetCompSPL1m) return;
    std::fprintf(out_, "== Levels\n");
    float level[21] = {}, phase[21] = {}, time = 0.0f;
    const int result = fn_.CI_GetCompFR(1, level, phase, &time);
    Expect(result == 0, "CI_GetCompFR answers with a current slot");
    std::fprintf(out_, "  arrival time %.6f s\n", time);
    const int boxes = fn_.DLLGetComponents() / 6;
    const bool pirrowan = p_.deliverable() == kInPirrowan;
    std::fprintf(out_, "  %7s %10s", "band Hz", "seat dB");
    for (int b = 1; b <= boxes && b <= 4; ++b) std::fprintf(out_, "  box%d@1m", b);
    std::fprintf(out_, "\n");
    static const int kCentres[21] = {100,  125,  160,  200,  250,  315,  400,  500,  630,  800, 1000,
                                     1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000};
    for (int band = 0; band < 21; ++band) {
      Expect(std::isfinite(level[band]), "levels are finite");
      std::fprintf(out_, "  %7d %10.2f", kCentres[band], level[band]);
      for (int b = 1; b <= boxes && b <= 4; ++b) {
        float spl = 0.0f;
        // Pirrowan counts components and bands from 1; the others take a box and band 0..20.
        if (pirrowan)
          fn_.CI_GetCompSPL1m(6 * (b - 1) + 1, band + 1, &spl);
        else
          fn_.CI_GetCompSPL1m(b, band, &spl);
        std::fprintf(out_, " %7.2f", spl);
      }
      std::fprintf(out_, "\n");
    }
  }

 private:
  // The block as IP_GetValue hands it out: first its length, then the words.
  void ReadBlock() {
    int32_t size = 0;
    fn_.IP_GetValue(1, &size);
    block_.assign(size > 0 ? size : 1, 0);
    block_[0] = size;
    fn_.IP_GetValue(1, block_.data());
  }

  void RestoreFromFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < block_.size() * sizeof(int32_t)) {
      std::fprintf(out_, "  design file %s: too short, ignored\n", path.c_str());
      return;
    }
    std::vector<int32_t> stored(block_.size());
    std::memcpy(stored.data(), bytes.data(), stored.size() * sizeof(int32_t));
    if (stored[1] != block_[1]) {
      std::fprintf(out_, "  design file %s: made for another plug-in (tag \"%.3s\"), ignored\n",
                   path.c_str(), reinterpret_cast<const char*>(&stored[1]));
      return;
    }
    fn_.IP_SetValue(1, stored.data());
    fn_.IP_GetValue(1, block_.data());
    std::fprintf(out_, "  restored design from %s: boxes %d\n", path.c_str(), block_[2]);
  }

  // As the host does when the user opens the plug-in's setup: the plug-in's own design dialog
  // on the current slot. What OK stores is what the placement and the levels below use.
  void ShowDialog() {
    std::fprintf(out_, "== Design dialog\n  open: OK keeps the design, Cancel the one before\n");
    std::fflush(out_);
    const std::vector<int32_t> before = block_;
    const int result = fn_.IP_ShowDialog(1);
    ReadBlock();
    std::fprintf(out_, "  closed (result %d), design %s\n", result,
                 block_ == before ? "unchanged" : "changed");
    Expect(result == 0, "IP_ShowDialog answers 0 on a current slot");
  }

  void Design() {
    std::fprintf(out_, "== Design\n");
    if (const DesignLayout* layout = FindDesignLayout(block_)) {
      PrintDesign(*layout, block_, out_);
    } else {
      std::fprintf(out_, "  unknown block layout\n");
    }
  }

  void SaveToFile(const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(block_.data()),
               static_cast<std::streamsize>(block_.size() * sizeof(int32_t)));
    file.close();
    const bool ok = !file.fail();
    std::fprintf(out_, "  saved the block to %s%s\n", path.c_str(), ok ? "" : ": FAILED");
    Expect(ok, "the design file can be written");
  }

  static bool AllEqual(const int* values, int v) {
    for (int i = 0; i < 21; ++i)
      if (values[i] != v) return false;
    return true;
  }

  static std::string Latin1ToUtf8(const char* text) {
    std::string s;
    for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
      if (*c < 0x80) {
        s += static_cast<char>(*c);
      } else {
        s += static_cast<char>(0xC0 | (*c >> 6));
        s += static_cast<char>(0x80 | (*c & 0x3F));
      }
    }
    return s;
  }

  LoadedPlugin& p_;
  PluginExports& fn_;
  std::FILE* out_;
  std::vector<int32_t> block_;
};
}  // namespace

int WalkHostRoad(LoadedPlugin& plugin, const RoadOptions& options, std::FILE* out) {
  Road road(plugin, out);
  road.Identity();
  road.Parameters();
  if (road.Slot(options)) {
    road.Placement(options.seat);
    road.Levels();
    plugin.fn.CI_Release();
  }
  return road.failures;
}
