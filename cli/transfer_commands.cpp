// kelp-cli commands of the dive computer transfer, the imports and the export.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/csv_export.h"
#include "transfer/image_writer.h"
#include "transfer/imports.h"
#include "transfer/transfer_session.h"

namespace kelp::cli {
namespace {

std::string trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(' ');
  size_t b = s.find_last_not_of(' ');
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

// "--now": seconds since 1970, or a local "YYYY-MM-DD[ T]HH:MM[:SS]".
bool parseNow(const std::string& text, int64_t& now) {
  if (text.empty()) {
    now = static_cast<int64_t>(std::time(nullptr));
    return true;
  }
  // Numbers separated by any other characters: one number is seconds since 1970.
  std::vector<long long> n;
  bool inNumber = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (!inNumber) n.push_back(0);
      n.back() = n.back() * 10 + (c - '0');
      inNumber = true;
    } else {
      inNumber = false;
    }
  }
  if (n.size() == 1 && text.find_first_not_of("0123456789") == std::string::npos) {
    now = n[0];
    return true;
  }
  if (n.size() >= 5 && n.size() <= 6) {
    now = localCalendarTime(int(n[0]), int(n[1]), int(n[2]), int(n[3]), int(n[4]),
                            n.size() == 6 ? int(n[5]) : 0);
    return true;
  }
  return false;
}

bool readFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

// Opens the logbook, or starts a new one when the file does not exist yet.
bool openLogbook(Logbook& lb, const std::string& path, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    lb.newLogbook();
    return true;
  }
  Result r = lb.loadFile(path);
  if (!r) error = r.error;
  return r.ok;
}

int insertAndSave(Logbook& lb, const std::string& path, const DiveRecord& r) {
  Result ins = lb.insert(r);
  if (!ins) return fail(ins.error);
  lb.addTextsToLists(r);
  Result saved = lb.saveFile(path);
  if (!saved) return fail(saved.error);
  std::printf("%d\t%s\n", lb.currentPosition > 0 ? lb.dives()[lb.currentPosition - 1].diveNumber : 0,
              formatDateLong(r.date).c_str());
  return 0;
}

int runDecode(const Args& a) {
  const Args pos = positionals(a, {"--into", "--now"});
  if (pos.size() != 1) return fail("usage: decode IMAGE [--into LOGBOOK] [--now TIME] [--force]");
  int64_t now = 0;
  if (!parseNow(optionValue(a, "--now"), now)) return fail("cannot read --now");
  std::string bytes;
  if (!readFile(pos[0], bytes)) return fail(str(62524) + ": " + pos[0]);
  const std::string into = optionValue(a, "--into");
  Logbook lb;
  if (!into.empty()) {
    std::string error;
    if (!openLogbook(lb, into, error)) return fail(error);
  }
  TransferSession session;
  if (!session.decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), lb, now))
    return fail(trimmed(str(62740)));
  const InfoTexts& t = session.infoTexts();
  for (size_t i = 0; i < t.size(); ++i) std::printf("%s: %s\n", kInfoTextKeys[i], t[i].c_str());
  if (!session.newDives()) {
    std::printf("%s\n", str(62781).c_str());
    return 0;
  }
  for (const ListRow& row : session.rows()) {
    std::string line;
    for (const auto& cell : row.cells()) line += (line.empty() ? "" : "\t") + cell;
    std::printf("%s\n", line.c_str());
  }
  if (into.empty()) return 0;
  if (session.otherComputer(lb) && !hasFlag(a, "--force"))
    return fail("Altro computer: the dives come from another computer than the one last used "
                "with this logbook; repeat with --force to insert them");
  const int added = session.insert(lb, settings().defaults);
  Result saved = lb.saveFile(into);
  if (!saved) return fail(saved.error);
  std::printf("%d\n", added);
  return 0;
}

int runMakeImage(const Args& a) {
  const Args pos = positionals(a, {"--from", "--model", "--serial", "--now"});
  const std::string from = optionValue(a, "--from");
  if (pos.size() != 1 || from.empty())
    return fail("usage: make-image --from LOGBOOK OUT [--model ID] [--serial N] [--now TIME]");
  int64_t now = 0;
  if (!parseNow(optionValue(a, "--now"), now)) return fail("cannot read --now");
  Logbook lb;
  Result loaded = lb.loadFile(from);
  if (!loaded) return fail(loaded.error);
  ImageSettings st;
  // Without --model the image is one of the computer the newest dives came from.
  st.modelId = imageModelFor(lb.dives(), st.modelId);
  int v = 0;
  if (!optionValue(a, "--model").empty()) {
    if (!scanInt(optionValue(a, "--model"), v) || v < 0 || v > 255) return fail("bad --model");
    st.modelId = static_cast<uint8_t>(v);
  }
  if (!optionValue(a, "--serial").empty()) {
    if (!scanInt(optionValue(a, "--serial"), v) || v < 0 || v > 0xFFFFFF) return fail("bad --serial");
    st.serialNumber = static_cast<uint32_t>(v);
  }
  std::vector<DownloadedDive> dives;
  for (const DiveRecord& r : lb.dives()) {
    DownloadedDive d = downloadedFromRecord(r, st.modelId);
    // Only what a computer's memory can hold: dated dives with depth and time.
    if (d.date < 0 || d.timeOfDay == NO_VALUE || d.maxDepth == NO_VALUE || d.maxDepth <= 0 ||
        d.diveTime == NO_VALUE || d.diveTime <= 0)
      continue;
    if (d.diveTime > 199) d.diveTime = 199;
    dives.push_back(d);
  }
  ImageResult img = writeImage(st, dives, now);
  if (img.stream.empty()) return fail(img.error);
  std::ofstream out(pos[0], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(img.stream.data()),
            static_cast<std::streamsize>(img.stream.size()));
  out.close();
  if (!out) return fail("cannot write " + pos[0]);
  std::printf("%d dives, %d profiles\n", img.divesWritten, img.profilesWritten);
  return 0;
}

int runImport(const Args& a, bool citizen) {
  const Args pos = positionals(a);
  if (pos.size() != 2)
    return fail(citizen ? "usage: import-citizen LOGBOOK FILE.wgm"
                        : "usage: import-guardian LOGBOOK FILE.txt");
  Logbook lb;
  std::string error;
  if (!openLogbook(lb, pos[0], error)) return fail(error);
  ImportResult res = citizen ? importCitizen(pos[1]) : importGuardian(pos[1]);
  if (!res.ok) return fail(res.error);
  return insertAndSave(lb, pos[0], res.record);
}

int runExportCsv(const Args& a) {
  const Args pos = positionals(a, {"--fields", "--first", "--last", "--profile"});
  if (pos.size() != 2)
    return fail("usage: export-csv LOGBOOK OUT.csv --fields F[,F...]|all [--first N] [--last N] "
                "[--tab] [--profile N [--positive] [--hms]]");
  Logbook lb;
  Result loaded = lb.loadFile(pos[0]);
  if (!loaded) return fail(loaded.error);
  CsvOptions o;
  const std::string fields = optionValue(a, "--fields");
  if (fields == "all") {
    for (int bit : kCsvFieldOrder) o.fields |= 1u << bit;
  } else {
    size_t start = 0;
    while (start <= fields.size() && !fields.empty()) {
      const size_t comma = fields.find(',', start);
      const std::string item = fields.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
      int bit = -1;
      if (!scanInt(item, bit) || bit < 0 || bit > 25) return fail("bad field number: " + item);
      o.fields |= 1u << bit;
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
  }
  o.separator = hasFlag(a, "--tab") ? 1 : 0;
  o.firstNumber = lb.dives().empty() ? 0 : lb.dives().front().diveNumber;
  o.lastNumber = lb.dives().empty() ? 0 : lb.dives().back().diveNumber;
  auto number = [&](const char* name, int& target) {
    const std::string v = optionValue(a, name);
    return v.empty() || scanInt(v, target);
  };
  if (!number("--first", o.firstNumber) || !number("--last", o.lastNumber))
    return fail("bad dive number");
  if (!optionValue(a, "--profile").empty()) {
    if (!number("--profile", o.lastNumber)) return fail("bad dive number");
    o.fields |= 1u << CSV_PROFILE_BIT;
    o.sign = hasFlag(a, "--positive") ? 1 : 0;
    o.timeFormat = hasFlag(a, "--hms") ? 1 : 0;
  }
  Result r = exportCsv(lb, pos[1], o, &settings());
  if (!r) return fail(r.error);
  return 0;
}

}  // namespace

REGISTER_CLI_COMMAND({"decode", "decode IMAGE [--into LOGBOOK] [--now TIME] [--force]",
                      runDecode});
REGISTER_CLI_COMMAND({"make-image",
                      "make-image --from LOGBOOK OUT [--model ID] [--serial N] [--now TIME]",
                      runMakeImage});
REGISTER_CLI_COMMAND({"import-citizen", "import-citizen LOGBOOK FILE.wgm",
                      [](const Args& a) { return runImport(a, true); }});
REGISTER_CLI_COMMAND({"import-guardian", "import-guardian LOGBOOK FILE.txt",
                      [](const Args& a) { return runImport(a, false); }});
REGISTER_CLI_COMMAND({"export-csv",
                      "export-csv LOGBOOK OUT.csv --fields F[,F...]|all [--first N] [--last N] "
                      "[--tab] [--profile N [--positive] [--hms]]",
                      runExportCsv});

}  // namespace kelp::cli
