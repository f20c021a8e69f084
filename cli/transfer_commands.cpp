// kelp-cli commands of the dive computer transfer, the imports and the export.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

#include "cli/cli.h"
#include "core/logbook.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"
#include "transfer/csv_export.h"
#include "transfer/image_writer.h"
#include "transfer/imports.h"
#include "transfer/simulator.h"
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

struct DecodeArgs {
  std::string image, into, now;
  bool force = false;
};

int runDecode(const DecodeArgs& a) {
  int64_t now = 0;
  if (!parseNow(a.now, now)) return fail("cannot read --now");
  std::string bytes;
  if (!readFile(a.image, bytes)) return fail(str(62524) + ": " + a.image);
  const std::string& into = a.into;
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
  // The serial number of the last computer is not kept in the logbook's files, so a logbook
  // loaded here that holds dives matches only a computer whose serial number is 0.
  if (session.otherComputer(lb) && !a.force)
    return fail(strf(63549,
                       static_cast<unsigned>(session.image().serialNumber())));
  int added = 0;
  Result inserted = session.insert(lb, settings().defaults, &added);
  if (!inserted) return fail(inserted.error);
  Result saved = lb.saveFile(into);
  if (!saved) return fail(saved.error);
  std::printf("%d\n", added);
  return 0;
}

struct MakeImageArgs {
  std::string from, out, now;
  int model = -1;   // -1: the computer of the newest dive
  int serial = 0;
};

int runMakeImage(const MakeImageArgs& a) {
  int64_t now = 0;
  if (!parseNow(a.now, now)) return fail("cannot read --now");
  Logbook lb;
  Result loaded = lb.loadFile(a.from);
  if (!loaded) return fail(loaded.error);
  ImageSettings st;
  // Without --model the image is one of the computer the newest dives came from.
  st.modelId = a.model >= 0 ? static_cast<uint8_t>(a.model) : imageModelFor(lb.dives(), st.modelId);
  st.serialNumber = static_cast<uint32_t>(a.serial);
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
  std::ofstream out(a.out, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(img.stream.data()),
            static_cast<std::streamsize>(img.stream.size()));
  out.close();
  if (!out) return fail("cannot write " + a.out);
  std::printf("%d dives, %d profiles\n", img.divesWritten, img.profilesWritten);
  return 0;
}

int runImport(const std::string& logbook, const std::string& file, bool citizen) {
  Logbook lb;
  std::string error;
  if (!openLogbook(lb, logbook, error)) return fail(error);
  ImportResult res = citizen ? importCitizen(file) : importGuardian(file);
  if (!res.ok) return fail(res.error);
  return insertAndSave(lb, logbook, res.record);
}

// "--fields": "all" or bit numbers 0 to 25 separated by commas.
bool parseFields(const std::string& fields, uint32_t& bits) {
  bits = 0;
  if (fields == "all") {
    for (int bit : kCsvFieldOrder) bits |= 1u << bit;
    return true;
  }
  size_t start = 0;
  while (!fields.empty()) {
    const size_t comma = fields.find(',', start);
    const std::string item = fields.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (item.empty() || item.size() > 2 || item.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(item) > 25)
      return false;
    bits |= 1u << std::stoi(item);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

struct ExportArgs {
  std::string logbook, out, fields;
  std::optional<int> first, last, profile;
  bool tab = false, positive = false, hms = false;
  std::string encoding = "cp1252";
};

int runExportCsv(const ExportArgs& a) {
  Logbook lb;
  Result loaded = lb.loadFile(a.logbook);
  if (!loaded) return fail(loaded.error);
  CsvOptions o;
  parseFields(a.fields, o.fields);  // checked by the parser
  o.separator = a.tab ? 1 : 0;
  o.encoding = a.encoding == "utf8" ? CsvEncoding::Utf8 : CsvEncoding::Cp1252;
  o.firstNumber = a.first.value_or(lb.dives().empty() ? 0 : lb.dives().front().diveNumber);
  o.lastNumber = a.last.value_or(lb.dives().empty() ? 0 : lb.dives().back().diveNumber);
  if (a.profile) {
    o.lastNumber = *a.profile;
    o.fields |= 1u << CSV_PROFILE_BIT;
    o.sign = a.positive ? 1 : 0;
    o.timeFormat = a.hms ? 1 : 0;
  }
  Result r = exportCsv(lb, a.out, o, &settings());
  if (!r) return fail(r.error);
  return 0;
}

struct SimulateArgs {
  std::string image, device, link;
  bool pty = false;
  int pauseMs = 0, noise = 0, truncate = -1, delayMs = 500;
};

std::atomic<bool> g_stopSimulation{false};

extern "C" void stopSimulation(int) { g_stopSimulation = true; }

// Plays a memory image into a serial device as a dive computer interface would.
int runSimulate(const SimulateArgs& a) {
  if (a.pty == !a.device.empty()) return fail("give either --device PATH or --pty");
  if (!a.link.empty() && !a.pty) return fail("--link needs --pty");
  std::string bytes;
  if (!readFile(a.image, bytes)) return fail(str(62524) + ": " + a.image);
  const std::vector<uint8_t> image(bytes.begin(), bytes.end());
  Result valid = checkSimulatorImage(image);
  if (!valid) return fail(a.image + ": " + valid.error);
  SimulatorOptions o;
  o.noise = a.noise;
  o.pauseMs = a.pauseMs;
  o.truncate = a.truncate;
  o.delayMs = a.delayMs;
  o.seed = static_cast<unsigned>(std::time(nullptr));
  int pauseAt = -1;
  const std::vector<uint8_t> out = simulatedBytes(image, o, &pauseAt);

  std::signal(SIGINT, stopSimulation);
  std::signal(SIGTERM, stopSimulation);
  Result played = Result::success();
  if (a.pty) {
    PseudoTerminal pty;
    Result opened = openPseudoTerminal(pty);
    if (!opened) return fail(opened.error);
    if (!a.link.empty()) {
      std::error_code ec;
      if (std::filesystem::exists(a.link, ec) && !std::filesystem::is_symlink(a.link, ec))
        return fail(a.link + " exists and is not a symbolic link");
      std::filesystem::remove(a.link, ec);
      std::filesystem::create_symlink(pty.devicePath, a.link, ec);
      if (ec) return fail("cannot link " + a.link + ": " + ec.message());
    }
    std::printf("%s\n", pty.devicePath.c_str());
    std::fflush(stdout);
    if (waitForReader(pty.master, -1, &g_stopSimulation)) {
      played = playBytes(pty.master, out, pauseAt, o, &g_stopSimulation);
      // The bytes wait in the device until the program has read them: keep this end
      // open until it lets the device go.
      if (played) waitForReaderToLeave(pty.master, -1, &g_stopSimulation);
    } else {
      played = Result::failure("stopped before a program opened the device");
    }
    if (!a.link.empty()) {
      std::error_code ec;
      std::filesystem::remove(a.link, ec);
    }
  } else {
    const int fd = ::open(a.device.c_str(), O_RDWR | O_NOCTTY);
    if (fd < 0) return fail("cannot open " + a.device);
    Result line = setRawLine(fd, o.baud);
    if (line) played = playBytes(fd, out, pauseAt, o, &g_stopSimulation);
    else played = Result::failure(a.device + ": " + line.error);
    ::close(fd);
  }
  if (!played) return fail(played.error);
  std::printf("%zu bytes sent\n", out.size());
  return 0;
}

Run setupSimulate(CLI::App& cmd) {
  auto a = std::make_shared<SimulateArgs>();
  cmd.add_option("IMAGE", a->image, "memory image (2050 bytes, as make-image writes it)")->required();
  CLI::Option* device = cmd.add_option("--device", a->device, "serial device to send into");
  CLI::Option* pty = cmd.add_flag("--pty", a->pty, "open a pseudo-terminal pair and print the device end's path");
  device->excludes(pty);
  cmd.add_option("--link", a->link, "with --pty: a symbolic link to the device end, removed at the end")
      ->needs(pty);
  cmd.add_option("--pause-ms", a->pauseMs, "pause in the middle of the stream (0)")
      ->check(number(0, 600000, "a pause in ms"));
  cmd.add_option("--noise", a->noise, "bytes of noise before the start marker (0)")
      ->check(number(0, 100000, "a number of bytes"));
  cmd.add_option("--truncate", a->truncate, "send only the first N bytes of the stream")
      ->check(number(0, 2052, "a number of bytes"));
  cmd.add_option("--delay-ms", a->delayMs, "wait before the first byte (500)")
      ->check(number(0, 600000, "a delay in ms"));
  return [a] { return runSimulate(*a); };
}

const char* const kNowHelp = "moment of reading: seconds since 1970 or local \"YYYY-MM-DD HH:MM[:SS]\" (now)";

CLI::Validator nowCheck() {
  return accepted("a time (seconds since 1970 or YYYY-MM-DD HH:MM[:SS])", [](const std::string& s) {
    int64_t t = 0;
    return !s.empty() && parseNow(s, t);
  });
}

Run setupDecode(CLI::App& cmd) {
  auto a = std::make_shared<DecodeArgs>();
  cmd.add_option("IMAGE", a->image, "file holding the 2050-byte stream")->required();
  cmd.add_option("--into", a->into, "logbook to insert the new dives into (started when missing)");
  cmd.add_option("--now", a->now, kNowHelp)->check(nowCheck());
  cmd.add_flag("--force", a->force, "insert even when the dives come from another computer");
  return [a] { return runDecode(*a); };
}

Run setupMakeImage(CLI::App& cmd) {
  auto a = std::make_shared<MakeImageArgs>();
  cmd.add_option("--from", a->from, "logbook whose newest dives go into the image")->required();
  cmd.add_option("OUT", a->out, "file to write the stream to")->required();
  cmd.add_option("--model", a->model, "computer model id (the computer of the newest dive)")
      ->check(number(0, 255, "a model id"));
  cmd.add_option("--serial", a->serial, "serial number (0)")->check(number(0, 0xFFFFFF, "a serial number"));
  cmd.add_option("--now", a->now, kNowHelp)->check(nowCheck());
  return [a] { return runMakeImage(*a); };
}

Run setupImport(CLI::App& cmd, bool citizen) {
  auto a = std::make_shared<std::pair<std::string, std::string>>();
  cmd.add_option("LOGBOOK", a->first, "logbook to insert the dive into (started when missing)")->required();
  cmd.add_option(citizen ? "FILE.wgm" : "FILE.txt", a->second, "file to import")->required();
  return [a, citizen] { return runImport(a->first, a->second, citizen); };
}

Run setupExportCsv(CLI::App& cmd) {
  auto a = std::make_shared<ExportArgs>();
  cmd.add_option("LOGBOOK", a->logbook, "logbook file")->required();
  cmd.add_option("OUT.csv", a->out, "file to write")->required();
  cmd.add_option("--fields", a->fields, "field numbers separated by commas, or all")
      ->check(accepted("a field list (numbers 0 to 25 separated by commas, or all)", [](const std::string& s) {
        uint32_t bits = 0;
        return parseFields(s, bits);
      }));
  cmd.add_option("--first", a->first, "number of the first dive (the first in the logbook)")
      ->check(number(0, 65535, "a dive number"));
  cmd.add_option("--last", a->last, "number of the last dive (the last in the logbook)")
      ->check(number(0, 65535, "a dive number"));
  cmd.add_flag("--tab", a->tab, "separate with tabs instead of ';'");
  CLI::Option* profile = cmd.add_option("--profile", a->profile, "export the profile of the dive with this number")
                             ->check(number(0, 65535, "a dive number"));
  cmd.add_flag("--positive", a->positive, "profile depths positive")->needs(profile);
  cmd.add_flag("--hms", a->hms, "profile times as h:mm:ss")->needs(profile);
  cmd.add_option("--encoding", a->encoding, "character set of the file: cp1252 (Windows-1252) or utf8 (cp1252)")
      ->check(accepted("an encoding (cp1252 or utf8)",
                       [](const std::string& s) { return s == "cp1252" || s == "utf8"; }));
  return [a] { return runExportCsv(*a); };
}

}  // namespace

REGISTER_CLI_COMMAND({"decode", "decode IMAGE [--into LOGBOOK] [--now TIME] [--force]",
                      "read a dive computer's memory image", setupDecode});
REGISTER_CLI_COMMAND({"make-image", "make-image --from LOGBOOK OUT [--model ID] [--serial N] [--now TIME]",
                      "write a memory image of a logbook's newest dives", setupMakeImage});
REGISTER_CLI_COMMAND({"simulate",
                      "simulate IMAGE [--device PATH | --pty [--link PATH]] [--pause-ms N] [--noise N] "
                      "[--truncate N] [--delay-ms N]",
                      "play a memory image into a serial device as a dive computer interface", setupSimulate});
REGISTER_CLI_COMMAND({"import-citizen", "import-citizen LOGBOOK FILE.wgm", "import a Citizen logbook file",
                      [](CLI::App& cmd) { return setupImport(cmd, true); }});
REGISTER_CLI_COMMAND({"import-guardian", "import-guardian LOGBOOK FILE.txt", "import a Guardian text export",
                      [](CLI::App& cmd) { return setupImport(cmd, false); }});
REGISTER_CLI_COMMAND({"export-csv",
                      "export-csv LOGBOOK OUT.csv --fields F[,F...]|all [--first N] [--last N] "
                      "[--tab] [--profile N [--positive] [--hms]] [--encoding cp1252|utf8]",
                      "write dives or a profile as separated values", setupExportCsv});

}  // namespace kelp::cli
