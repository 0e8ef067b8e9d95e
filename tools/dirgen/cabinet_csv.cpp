#include "cabinet_csv.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, ',')) {
    const auto first = field.find_first_not_of(" \t\r");
    const auto last = field.find_last_not_of(" \t\r");
    fields.push_back(first == std::string::npos ? "" : field.substr(first, last - first + 1));
  }
  return fields;
}

double ParsePositive(const std::string& text, const std::string& where) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(value > 0))
    throw std::runtime_error(where + ": expected a positive number, got '" + text + "'");
  return value;
}

}  // namespace

std::vector<CabinetModel> ReadCabinetCsv(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot open " + path);

  const char* const kColumns[] = {"set",           "front_height_m",         "front_width_m",
                                  "depth_m",       "horizontal_nominal_deg", "rear_max_db",
                                  "rear_ka_half",  "rear_shape"};
  constexpr int kColumnCount = sizeof kColumns / sizeof kColumns[0];
  int position[kColumnCount];
  bool haveHeader = false;
  std::vector<CabinetModel> cabinets;
  std::string line;
  int lineNumber = 0;

  while (std::getline(file, line)) {
    ++lineNumber;
    if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == '#') continue;
    const std::vector<std::string> fields = SplitFields(line);
    const std::string where = path + ":" + std::to_string(lineNumber);
    if (!haveHeader) {
      for (int c = 0; c < kColumnCount; ++c) {
        position[c] = -1;
        for (size_t f = 0; f < fields.size(); ++f)
          if (fields[f] == kColumns[c]) position[c] = int(f);
        if (position[c] < 0) throw std::runtime_error(where + ": no column " + kColumns[c]);
      }
      haveHeader = true;
      continue;
    }
    auto field = [&](int c) -> const std::string& {
      if (size_t(position[c]) >= fields.size())
        throw std::runtime_error(where + ": missing " + kColumns[c]);
      return fields[position[c]];
    };
    CabinetModel cabinet;
    cabinet.name = field(0);
    if (cabinet.name.empty()) throw std::runtime_error(where + ": empty set name");
    cabinet.frontHeight = ParsePositive(field(1), where);
    cabinet.frontWidth = ParsePositive(field(2), where);
    cabinet.depth = ParsePositive(field(3), where);
    cabinet.horizontalNominalDeg = ParsePositive(field(4), where);
    cabinet.rearMaxDb = ParsePositive(field(5), where);
    cabinet.rearKaHalf = ParsePositive(field(6), where);
    cabinet.rearShape = ParsePositive(field(7), where);
    if (cabinet.horizontalNominalDeg >= 180)
      throw std::runtime_error(where + ": horizontal coverage must be below 180 degrees");
    cabinets.push_back(cabinet);
  }
  if (!haveHeader) throw std::runtime_error(path + ": no header line");
  return cabinets;
}
