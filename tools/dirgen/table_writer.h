// Writes a deliverable's table as a little-endian binary file plus the assembler file that links
// it in under its C symbol.
#ifndef DIRGEN_TABLE_WRITER_H
#define DIRGEN_TABLE_WRITER_H

#include <cstdint>
#include <string>
#include <vector>

#include "table_layout.h"

// Writes <outDir>/<name>_directivity.bin and <outDir>/<name>_directivity.S. The .S includes the
// binary by its absolute path, so it assembles from any working directory. Throws
// std::runtime_error when a file cannot be written.
void WriteTableFiles(const std::string& outDir, const DeliverableLayout& layout,
                     const std::vector<std::int16_t>& table);

#endif  // DIRGEN_TABLE_WRITER_H
