#pragma once
// Helpers of the UDDF tests: the published schema, xmllint over an exported file, and the
// parsed document.
#include <cstdio>
#include <filesystem>
#include <pugixml.hpp>
#include <string>

namespace kelp::test {

inline std::string uddfSchema() { return KELP_UDDF_SCHEMA; }
inline bool haveUddfSchema() { return std::filesystem::is_regular_file(uddfSchema()); }

// Skips the calling GoogleTest test when the schema is not there (a checkout without the shared folder).
#define SKIP_WITHOUT_UDDF_SCHEMA()                                                  \
  do {                                                                              \
    if (!::kelp::test::haveUddfSchema())                                            \
      GTEST_SKIP() << "no UDDF schema at " << ::kelp::test::uddfSchema();           \
  } while (0)

// Validates a file against the schema: "" when it is valid, else what xmllint says about it.
inline std::string uddfSchemaErrors(const std::string& file) {
  const std::string cmd = "xmllint --noout --schema '" + uddfSchema() + "' '" + file + "' 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return "cannot run xmllint";
  std::string out;
  char buf[4096];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  const int status = ::pclose(p);
  if (status == 0) return {};
  return "xmllint (status " + std::to_string(status) + "):\n" + out.substr(0, 4000);
}

// The element a path of child names leads to from `from`; empty when there is none.
inline pugi::xml_node at(pugi::xml_node from, const char* xpath) { return from.select_node(xpath).node(); }
inline std::string textAt(pugi::xml_node from, const char* xpath) { return at(from, xpath).child_value(); }

}  // namespace kelp::test
