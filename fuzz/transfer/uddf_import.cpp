// UDDF files of any content are read without leaving their fields, and what is read inserts
// into a logbook. The bytes are read once as a whole file and once as the inside of a dive,
// so that the fuzzer reaches the dive reader without having to find the document's frame.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/logbook.h"
#include "transfer/uddf_import.h"

namespace {

void readAndInsert(const std::string& bytes) {
  using namespace kelp;
  UddfImport found;
  if (!readUddfBytes("fuzz.uddf", bytes, found)) return;
  Logbook lb;
  lb.newLogbook();
  classifyUddfDives(lb, found);
  insertUddfDives(lb, found);
  for (const UddfDive& d : found.dives) uddfDiveLine(d);
  UddfBooks books;
  mergeUddfBooks(books, found.books);
  mergeUddfBooks(books, found.books);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  readAndInsert(bytes);
  readAndInsert("<uddf><generator><name>Kelp</name></generator><diver><buddy id='b'><personal><firstname>A"
                "</firstname></personal></buddy></diver><divesite><site id='s'><name>L, S</name><geography>"
                "<location>L</location></geography></site></divesite><profiledata><repetitiongroup><dive>"
                "<informationbeforedive><link ref='b'/><link ref='s'/><datetime>2020-01-01T10:00</datetime>"
                "</informationbeforedive>" + bytes + "</dive></repetitiongroup></profiledata></uddf>");
  return 0;
}
