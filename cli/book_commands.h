#pragma once
// kelp-cli book: the printing part lives in its own file, built only where the print pages
// (QtGui) are; it registers itself here.
#include <functional>
#include <string>

#include "records/any_book.h"

namespace kelp::cli {

// Writes a book's pages into a PDF file; returns the exit status. Empty without printing.
using BookPdfWriter = std::function<int(const AnyBook& book, const std::string& file, const std::string& pdf)>;
BookPdfWriter& bookPdfWriter();

}  // namespace kelp::cli
