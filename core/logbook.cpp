// The Logbook's files: the .log logbook file and the .add extension file, both
// little-endian and packed, written and read field by field.
#include "core/logbook.h"
#include "core/file_write.h"
#include "core/logbook_history.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

#include "core/computer_models.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {

namespace {

constexpr int32_t kAddHeaderA = 594;
constexpr int32_t kAddHeaderB = 110;
constexpr size_t kAddHeaderSize = 12;
constexpr size_t kAddReservedSize = 300;
constexpr size_t kLogHeaderSize = 12;
constexpr size_t kMinEntrySize = 52;  // a dive entry with empty texts and no profile
constexpr int kProfileHeaderSize = 17;  // header byte + 16-byte header
constexpr int kGasSettingSize = 2;

// Bounds-checked little-endian reader. A read past the end yields zeros and
// leaves the reader failed.
class ByteReader {
 public:
  ByteReader(const char* data, size_t size) : p_(reinterpret_cast<const uint8_t*>(data)), n_(size) {}
  bool ok() const { return ok_; }
  size_t remaining() const { return n_ - pos_; }
  bool need(size_t k) {
    if (!ok_ || remaining() < k) ok_ = false;
    return ok_;
  }
  uint8_t u8() { return need(1) ? p_[pos_++] : 0; }
  uint16_t u16() {
    if (!need(2)) return 0;
    uint16_t v = static_cast<uint16_t>(p_[pos_] | (p_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t u32() {
    if (!need(4)) return 0;
    uint32_t v = static_cast<uint32_t>(p_[pos_]) | (static_cast<uint32_t>(p_[pos_ + 1]) << 8) |
                 (static_cast<uint32_t>(p_[pos_ + 2]) << 16) |
                 (static_cast<uint32_t>(p_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  int16_t i16() { return static_cast<int16_t>(u16()); }
  int32_t i32() { return static_cast<int32_t>(u32()); }
  void bytes(void* dst, size_t k) {
    if (!need(k)) return;
    if (k) std::memcpy(dst, p_ + pos_, k);
    pos_ += k;
  }
  void skip(size_t k) {
    if (need(k)) pos_ += k;
  }

 private:
  const uint8_t* p_;
  size_t n_;
  size_t pos_ = 0;
  bool ok_ = true;
};

class ByteWriter {
 public:
  explicit ByteWriter(std::string& out) : out_(out) {}
  void u8(uint8_t v) { out_.push_back(static_cast<char>(v)); }
  void u16(uint16_t v) {
    u8(static_cast<uint8_t>(v));
    u8(static_cast<uint8_t>(v >> 8));
  }
  void u32(uint32_t v) {
    u16(static_cast<uint16_t>(v));
    u16(static_cast<uint16_t>(v >> 16));
  }
  void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void bytes(const void* src, size_t k) { out_.append(static_cast<const char*>(src), k); }
  void zeros(size_t k) { out_.append(k, '\0'); }

 private:
  std::string& out_;
};

// Gas kind and gasSetting presence by computer type, looked up once per type.
class GasInfo {
 public:
  GasInfo() { known_.fill(false); }
  bool hasGasSetting(uint8_t type) { return get(type).first; }
  bool gasKind2(uint8_t type) { return get(type).second; }

 private:
  std::pair<bool, bool> get(uint8_t type) {
    if (!known_[type]) {
      const ComputerModelTable& t = computerModels();
      info_[type] = {t.hasGasSetting(type), t.gasKind(type) == 2};
      known_[type] = true;
    }
    return info_[type];
  }
  std::array<bool, 256> known_;
  std::array<std::pair<bool, bool>, 256> info_{};
};

template <size_t N> void readText(ByteReader& in, char (&field)[N], size_t limit) {
  const size_t n = in.u8();
  const size_t take = n < limit ? n : limit;
  in.bytes(field, take);
  in.skip(n - take);
}

template <size_t N> void writeText(ByteWriter& out, const char (&field)[N], size_t limit) {
  size_t n = 0;
  while (n < limit && n < N && field[n]) ++n;
  out.u8(static_cast<uint8_t>(n));
  out.bytes(field, n);
}

// Reads one dive entry into a record whose empty values are already set.
void readEntry(ByteReader& in, DiveRecord& r, GasInfo& gas) {
  r.recordTag = in.u16();
  r.date = in.i32();
  r.timeOfDay = in.i16();
  readText(in, r.location, 60);
  readText(in, r.site, 60);
  r.altitudeClass = in.u8();
  r.surfaceInterval = in.i16();
  r.weather = in.u8();
  r.airTemperature = in.i16();
  r.suit = in.u8();
  r.tankSize = in.i16();
  r.maxDepth = in.i16();
  r.diveTime = in.i16();
  r.minWaterTemperature = in.i16();
  r.airConsumed = in.i16();
  r.diveTypeFlags = in.u16();
  r.activityFlags = in.u16();
  readText(in, r.otherActivities, 40);
  readText(in, r.buddies, 80);
  readText(in, r.notes, 255);
  r.warningFlags = in.u16();
  r.diveNumber = in.u16();
  r.computerDiveId = in.u32();
  r.computerType = in.u8();
  r.computerFlags = in.u8();
  in.bytes(r.computerData, sizeof r.computerData);
  r.profileLength = in.i16();
  if (r.profileLength == 0 || !in.ok()) return;

  r.profileHeaderByte = in.u8();
  for (auto& w : r.profileHeader) w = in.u16();
  const bool withGas = gas.hasGasSetting(r.computerType);
  if (withGas) r.gasSetting = in.u16();
  const int head = kProfileHeaderSize + (withGas ? kGasSettingSize : 0);
  const int rawLen = r.profileLength - head;
  if (rawLen < 0) {
    // Too short to hold its own header: no raw bytes follow.
    r.profileLength = static_cast<int16_t>(head);
    return;
  }
  const int take = rawLen < RAW_PROFILE_SIZE ? rawLen : RAW_PROFILE_SIZE;
  in.bytes(r.rawProfile, static_cast<size_t>(take));
  if (rawLen > take) {
    // Longer than the raw field: keep what fits, skip the rest so the next entry stays aligned.
    in.skip(static_cast<size_t>(rawLen - take));
    r.profileLength = static_cast<int16_t>(head + take);
  }
}

void writeEntry(ByteWriter& out, const DiveRecord& r, GasInfo& gas) {
  out.u16(r.recordTag);
  out.i32(r.date);
  out.i16(r.timeOfDay);
  writeText(out, r.location, 60);
  writeText(out, r.site, 60);
  out.u8(r.altitudeClass);
  out.i16(r.surfaceInterval);
  out.u8(r.weather);
  out.i16(r.airTemperature);
  out.u8(r.suit);
  out.i16(r.tankSize);
  out.i16(r.maxDepth);
  out.i16(r.diveTime);
  out.i16(r.minWaterTemperature);
  out.i16(r.airConsumed);
  out.u16(r.diveTypeFlags);
  out.u16(r.activityFlags);
  writeText(out, r.otherActivities, 40);
  writeText(out, r.buddies, 80);
  writeText(out, r.notes, 255);
  out.u16(r.warningFlags);
  out.u16(r.diveNumber);
  out.u32(r.computerDiveId);
  out.u8(r.computerType);
  out.u8(r.computerFlags);
  out.bytes(r.computerData, sizeof r.computerData);
  if (r.profileLength == 0) {
    out.i16(0);
    return;
  }
  const bool withGas = gas.hasGasSetting(r.computerType);
  const int head = kProfileHeaderSize + (withGas ? kGasSettingSize : 0);
  int rawLen = r.profileLength - head;
  if (rawLen < 0) rawLen = 0;
  if (rawLen > RAW_PROFILE_SIZE) rawLen = RAW_PROFILE_SIZE;
  // The length always describes exactly the bytes that follow.
  out.i16(static_cast<int16_t>(head + rawLen));
  out.u8(r.profileHeaderByte);
  for (uint16_t w : r.profileHeader) out.u16(w);
  if (withGas) out.u16(r.gasSetting);
  out.bytes(r.rawProfile, static_cast<size_t>(rawLen));
}

void readExtendedBlock(ByteReader& in, DiveRecord& r) {
  in.bytes(r.notesMore, sizeof r.notesMore);
  r.weight = in.i16();
  r.visibility = in.i16();
  r.avgDepthCm = in.i16();
  r.tankMaterial = in.u16();
  r.moreActivityFlags = in.u16();
  r.startPressure = in.i16();
  in.bytes(r.suitDescription, sizeof r.suitDescription);
  // Both texts are NUL-terminated within their field.
  r.notesMore[sizeof r.notesMore - 1] = '\0';
  r.suitDescription[sizeof r.suitDescription - 1] = '\0';
}

void writeExtendedBlock(ByteWriter& out, const DiveRecord& r) {
  out.bytes(r.notesMore, sizeof r.notesMore);
  out.i16(r.weight);
  out.i16(r.visibility);
  out.i16(avgDepthToCm(r.avgDepth));
  out.u16(r.tankMaterial);
  out.u16(r.moreActivityFlags);
  out.i16(r.startPressure);
  out.bytes(r.suitDescription, sizeof r.suitDescription);
}

std::string absolutePath(const std::string& p) {
  std::error_code ec;
  auto a = std::filesystem::absolute(std::filesystem::path(p), ec);
  return ec ? p : a.lexically_normal().string();
}


Result truncatedError(const std::string& path, int dive) {
  return Result::failure(
      strf(63400, path.c_str(), dive));
}

}  // namespace

Logbook::Logbook() = default;

void Logbook::formCompanionNames(const std::string& logPath) {
  // Same folder and base name, another extension.
  const size_t slash = logPath.find_last_of('/');
  const size_t dot = logPath.find_last_of('.');
  const std::string base =
      (dot != std::string::npos && (slash == std::string::npos || dot > slash)) ? logPath.substr(0, dot)
                                                                                : logPath;
  infPath = base + ".inf";
  prgPath = base + ".prg";
  trpPath = base + ".trp";
  addPath = base + ".add";
}

void Logbook::newLogbook() {
  m_dives.clear();
  m_dives.shrink_to_fit();
  currentPosition = 0;
  path = str(62588);
  infPath.clear();
  prgPath.clear();
  trpPath.clear();
  addPath.clear();
  formatVersion = LOG_FORMAT_VERSION;
  headerReserved = 0;
  headerWordA = 100;
  headerWordB = 20;
  firstDiveNumber = 1;
  averageSac = 0;
  totalDiveTime = 0;
  modified = false;
  for (StringList* l : {&locationList, &siteList, &tankSizeList, &buddyList, &otherActivityList, &suitList}) {
    l->clear();
    l->reserve(0);
  }
  changes.raise();
}

void Logbook::addTextsToLists(const DiveRecord& r) {
  locationList.add(getText(r.location));
  suitList.add(getText(r.suitDescription));
  siteList.add(getText(r.site));
  if (r.tankSize != NO_VALUE) tankSizeList.addDisplayed(utf8ToCp1252(formatTankSizeList(r.tankSize)));
  for (const std::string& b : splitEntries(getText(r.buddies))) buddyList.add(b);
  for (const std::string& a : splitEntries(getText(r.otherActivities)))
    if (!isSpecialActivityName(a)) otherActivityList.add(a);
}

void Logbook::rebuildTotals(bool withLists) {
  if (m_link.journal) {
    m_link.journal->totalsPending = true;
    m_link.journal->listsPending = m_link.journal->listsPending || withLists;
    return;
  }
  changes.raise();
  averageSac = 0;
  totalDiveTime = 0;
  if (withLists) {
    for (StringList* l : {&locationList, &siteList, &tankSizeList, &buddyList, &otherActivityList, &suitList}) {
      l->clear();
      // Reserved even when empty, so the texts of the next new dive are kept.
      l->reserve(diveCount());
    }
  }
  double sacSum = 0;
  int sacCount = 0;
  for (const DiveRecord& r : m_dives) {
    if (withLists) addTextsToLists(r);
    if (r.diveTime != NO_VALUE) totalDiveTime += r.diveTime;
    if (r.sac != 0) {
      sacSum += r.sac;
      ++sacCount;
    }
  }
  if (!m_dives.empty()) firstDiveNumber = m_dives.front().diveNumber;
  if (sacCount) {
    averageSac = static_cast<float>(sacSum / sacCount);
    averageSacUpdated = 1;
  }
}

Result Logbook::loadFromBytes(const std::string& logPath, const std::string& logBytes,
                              const std::string* addBytes) {
  ByteReader in(logBytes.data(), logBytes.size());
  if (logBytes.size() < kLogHeaderSize)
    return Result::failure(strf(63401, logPath.c_str()));
  const uint16_t version = in.u16();
  if (version != LOG_FORMAT_VERSION)
    return Result::failure(strf(63402, logPath.c_str(),
                                  static_cast<int>(version), static_cast<int>(LOG_FORMAT_VERSION)));

  Logbook lb;
  lb.formatVersion = version;
  lb.headerReserved = in.u32();
  const int count = in.i16();
  lb.headerWordA = in.u16();
  lb.headerWordB = in.u16();
  if (count < 0)
    return Result::failure(strf(63403,
                                  logPath.c_str(), count));
  if (static_cast<size_t>(count) * kMinEntrySize > in.remaining()) {
    // Not even room for the smallest entries: find the entry the file ends in.
    const size_t whole = in.remaining() / kMinEntrySize;
    return truncatedError(logPath, static_cast<int>(whole) + 1);
  }

  lb.path = logPath;
  lb.formCompanionNames(logPath);

  ByteReader add(addBytes ? addBytes->data() : "", addBytes ? addBytes->size() : 0);
  bool addOpen = addBytes != nullptr && addBytes->size() >= kAddHeaderSize;
  if (addOpen) add.skip(kAddHeaderSize);  // 594, 110, count: not used on reading

  try {
    lb.m_dives.resize(static_cast<size_t>(count));
  } catch (const std::bad_alloc&) {
    return Result::failure(strf(63404, logPath.c_str()));
  }
  lb.currentPosition = count;
  for (StringList* l : {&lb.locationList, &lb.siteList, &lb.tankSizeList, &lb.buddyList,
                        &lb.otherActivityList, &lb.suitList})
    l->reserve(count);

  GasInfo gas;
  double sacSum = 0;
  int sacCount = 0;
  for (int i = 0; i < count; ++i) {
    DiveRecord& r = lb.m_dives[static_cast<size_t>(i)];
    initZeroedRecord(r);
    readEntry(in, r, gas);
    if (!in.ok()) return truncatedError(logPath, i + 1);
    if (r.profileLength != 0) expandProfile(r, gas.gasKind2(r.computerType));
    if (addOpen) {
      clearExtendedBlock(r);
      if (add.remaining() >= EXTENDED_BLOCK_SIZE) {
        readExtendedBlock(add, r);
        add.skip(add.remaining() < kAddReservedSize ? add.remaining() : kAddReservedSize);
      } else {
        addOpen = false;  // a short .add file: the remaining dives keep empty values
      }
      if (r.avgDepthCm > 0) r.avgDepth = static_cast<float>(r.avgDepthCm * 0.01);
    }
    lb.addTextsToLists(r);
    if (r.diveTime != NO_VALUE) lb.totalDiveTime += r.diveTime;
    if (r.sac != 0) {
      sacSum += r.sac;
      ++sacCount;
    }
    if (i == 0) lb.firstDiveNumber = r.diveNumber;
  }

  // Success: take the new contents, keep what does not belong to a file.
  lb.averageSacUpdated = averageSacUpdated;
  if (sacCount) {
    lb.averageSac = static_cast<float>(sacSum / sacCount);
    lb.averageSacUpdated = 1;
  }
  lb.computerSerial = computerSerial;
  lb.sitesAtLocationList = std::move(sitesAtLocationList);
  lb.modified = false;
  lb.changes = changes;
  lb.changes.raise();
  *this = std::move(lb);
  settings().lastLogbookPath = path;
  return Result::success();
}

Result Logbook::loadFile(const std::string& logPath) {
  const std::string full = absolutePath(logPath);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(full, ec))
    return Result::failure(strf(63405, full.c_str()));
  std::string logBytes;
  if (!readWholeFile(full, logBytes))
    return Result::failure(strf(63406, full.c_str()));
  Logbook names;
  names.formCompanionNames(full);
  std::string addBytes;
  const bool haveAdd =
      std::filesystem::is_regular_file(names.addPath, ec) && readWholeFile(names.addPath, addBytes);
  return loadFromBytes(full, logBytes, haveAdd ? &addBytes : nullptr);
}

std::string Logbook::serializeLog() const {
  std::string bytes;
  bytes.reserve(kLogHeaderSize + m_dives.size() * 256);
  ByteWriter out(bytes);
  out.u16(LOG_FORMAT_VERSION);
  out.u32(headerReserved);
  out.i16(static_cast<int16_t>(diveCount()));
  out.u16(headerWordA);
  out.u16(headerWordB);
  GasInfo gas;
  for (const DiveRecord& r : m_dives) writeEntry(out, r, gas);
  return bytes;
}

std::string Logbook::serializeAdd() const {
  std::string bytes;
  bytes.reserve(kAddHeaderSize + m_dives.size() * (EXTENDED_BLOCK_SIZE + kAddReservedSize));
  ByteWriter out(bytes);
  out.i32(kAddHeaderA);
  out.i32(kAddHeaderB);
  out.i32(diveCount());
  for (const DiveRecord& r : m_dives) {
    writeExtendedBlock(out, r);
    out.zeros(kAddReservedSize);
  }
  return bytes;
}

Result Logbook::saveFile(const std::string& logPath) {
  const std::string full = absolutePath(logPath);
  if (diveCount() > MAX_DIVES)
    return Result::failure(strf(63407, full.c_str()));
  Logbook names;
  names.formCompanionNames(full);

  // Both files go to temporary files first and replace the old ones only when
  // written whole, so an interrupted save leaves the previous logbook intact.
  const std::string tmpLog = writeTemporaryFile(full, serializeLog());
  if (tmpLog.empty()) return Result::failure(strf(63408, full.c_str()));
  const std::string tmpAdd = writeTemporaryFile(names.addPath, serializeAdd());
  if (tmpAdd.empty()) {
    ::unlink(tmpLog.c_str());
    return Result::failure(strf(63408, names.addPath.c_str()));
  }
  if (std::rename(tmpAdd.c_str(), names.addPath.c_str()) != 0) {
    ::unlink(tmpLog.c_str());
    ::unlink(tmpAdd.c_str());
    return Result::failure(strf(63408, names.addPath.c_str()));
  }
  if (std::rename(tmpLog.c_str(), full.c_str()) != 0) {
    ::unlink(tmpLog.c_str());
    return Result::failure(strf(63408, full.c_str()));
  }

  modified = false;
  path = full;
  formCompanionNames(full);
  settings().lastLogbookPath = path;
  for (DiveRecord& r : m_dives) r.avgDepthCm = avgDepthToCm(r.avgDepth);
  return Result::success();
}

Result Logbook::reload() {
  const std::string p = path;
  std::error_code ec;
  // A logbook that was never loaded or saved has no companion names; its
  // "Senzanome.log" is no file, even if the working folder holds one of that name.
  if (p.empty() || addPath.empty() || !std::filesystem::is_regular_file(p, ec)) {
    newLogbook();
    return Result::success();
  }
  return loadFile(p);
}

}  // namespace kelp
