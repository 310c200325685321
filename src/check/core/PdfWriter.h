#pragma once
// Writes printed pages (PrintItem.h) as a PDF file without any printing
// system: the standard Courier faces with WinAnsi encoding, which is code
// page 1252, so the texts go in byte for byte; content streams stay
// uncompressed.
#include <filesystem>
#include <string>
#include <vector>

#include "check/core/PrintItem.h"

namespace v3 {

// The whole document for pages of the given size (0.1 mm).
std::string PdfDocument(const std::vector<PrintPage>& pages, int pageWidth = kA4Width, int pageHeight = kA4Height);

// Writes the document into `path` (replacing it as a whole); false with the
// reason in `error` when the file cannot be written.
bool WritePdf(const std::filesystem::path& path, const std::vector<PrintPage>& pages, std::string* error = nullptr,
              int pageWidth = kA4Width, int pageHeight = kA4Height);

}  // namespace v3
