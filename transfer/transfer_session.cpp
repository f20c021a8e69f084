#include "transfer/transfer_session.h"

#include "core/computer_models.h"
#include "core/settings.h"
#include "core/strings.h"
#include "core/texts.h"

namespace kelp {

const std::array<const char*, 9> kInfoTextKeys = {"SerNum", "CTyp",    "AnzTG",
                                                  "Batterie", "Beeper", "ZSys",
                                                  "ppO2",   "Reserve", "Atmung"};

InfoTexts formatInfoTexts(const ComputerInfo& info) {
  const auto& models = computerModels();
  InfoTexts t;
  t[0] = format("%ld", static_cast<long>(info.serialNumber));
  t[1] = format("%d", static_cast<int>(info.modelId));
  t[2] = format("%d", static_cast<int>(info.totalDives));
  t[3] = format("%.1f %%", static_cast<double>(info.battery));
  t[4] = str(info.alarmSound ? 62777 : 62778);
  t[5] = str(info.imperialUnits ? 62775 : 62776);
  if (models.nitroxModel(info.modelId)) t[6] = format("%.2f bar", static_cast<double>(info.maxPpO2));
  if (models.airIntegrated(info.modelId)) {
    t[7] = format("%d bar", static_cast<int>(info.airReserve));
    t[8] = format("%d %%", static_cast<int>(info.breathing));
  }
  return t;
}

int batteryLevelFromText(const std::string& text) {
  int v = 0;
  return scanInt(text, v) ? v : -1;
}

InfoTexts lastTransferTexts(const Settings& s) {
  return {s.trSerial, s.trType,  s.trDives,   s.trBattery, s.trBeeper,
          s.trUnits,  s.trPpO2,  s.trReserve, s.trBreathing};
}

void storeLastTransferTexts(Settings& s, const InfoTexts& t) {
  s.trSerial = t[0];
  s.trType = t[1];
  s.trDives = t[2];
  s.trBattery = t[3];
  s.trBeeper = t[4];
  s.trUnits = t[5];
  s.trPpO2 = t[6];
  s.trReserve = t[7];
  s.trBreathing = t[8];
}

LastDive LastDive::of(const Logbook& lb) {
  LastDive l;
  l.logbookSerial = lb.computerSerial;
  if (lb.dives().empty()) return l;
  const DiveRecord& r = lb.dives().back();
  l.any = true;
  l.date = r.date;
  l.timeOfDay = r.timeOfDay;
  l.computerDiveId = r.computerDiveId;
  l.diveNumber = r.diveNumber;
  return l;
}

int findFirstNewDive(const ComputerImage& image, const LastDive& last) {
  if (image.diveCount() == 0) return -1;
  if (last.date == 0) return 0;
  int first = -1;
  for (int k = image.diveCount() - 1; k >= 0; --k) {
    DiveRecord scratch = makeRecord();
    convertDive(image.dive(k), scratch);
    if (scratch.computerDiveId == last.computerDiveId) break;
    if (last.date > scratch.date) break;
    if (last.date == scratch.date && last.timeOfDay >= scratch.timeOfDay) break;
    first = k;
  }
  return first;
}

std::vector<ListRow> listRows(const ComputerImage& image, int firstNew, int startNumber,
                              bool imperial) {
  std::vector<ListRow> rows;
  if (firstNew < 0) return rows;
  int number = startNumber;
  for (int k = firstNew; k < image.diveCount(); ++k) {
    const DownloadedDive& d = image.dive(k);
    ListRow row;
    row.number = format("%5d", number++);
    row.date = formatDateLong(d.date);
    row.time = format("%02d:%02d", d.timeOfDay / 60, d.timeOfDay % 60);
    const double metres = d.maxDepth * 0.01;
    row.depth = imperial ? format("%.0f ft", metresToFeet(metres)) : format("%.1f m", metres);
    row.diveTime = format("%d Min.", static_cast<int>(d.diveTime));
    if (d.airUsed != NO_VALUE) {
      const double bar = d.airUsed * 0.01;
      row.pressure = imperial ? format("%.0f psi", static_cast<double>(barToPsi(bar)))
                              : format("%.0f bar", bar);
    }
    if (d.profileLength != 0) row.profile = "*";
    rows.push_back(std::move(row));
  }
  return rows;
}

DiveRecord recordFromDownload(const DownloadedDive& d, const DiveDefaults& defaults) {
  DiveRecord r = makeRecord();
  if (defaults.use) applyDefaults(r, defaults);
  convertDive(d, r);
  if (r.profileLength != 0) expandProfile(r, computerModels().o2Model(d.modelId));
  return r;
}

bool TransferSession::decode(const uint8_t* stream, size_t size, const Logbook& lb, int64_t now) {
  decoded_ = false;
  newDives_ = false;
  firstNew_ = -1;
  modelOfDives_ = 0;
  if (image_.decode(stream, size, now) < 0) return false;
  decoded_ = true;
  last_ = LastDive::of(lb);
  firstNew_ = findFirstNewDive(image_, last_);
  newDives_ = firstNew_ >= 0;
  image_.fillInfo(info_);
  texts_ = formatInfoTexts(info_);
  batteryLevel_ = static_cast<int>(info_.battery);
  // The model of the downloaded dives names itself on the status line only when there is a
  // new dive to insert; otherwise the dialog goes on waiting for a transfer.
  if (newDives_) modelOfDives_ = image_.dive(firstNew_).modelId;
  return true;
}

std::vector<ListRow> TransferSession::rows() const {
  if (!newDives_) return {};
  const int start = last_.any ? last_.diveNumber + 1 : 1;
  return listRows(image_, firstNew_, start, info_.imperialUnits != 0);
}

bool TransferSession::otherComputer(const Logbook& lb) const {
  return decoded_ && lb.diveCount() > 0 && image_.serialNumber() != lb.computerSerial;
}

Result TransferSession::insert(Logbook& lb, const DiveDefaults& defaults, int* added) {
  int count = 0;
  Result result = Result::success();
  if (decoded_ && firstNew_ >= 0) {
    for (int k = firstNew_; k < image_.diveCount() && result; ++k) {
      result = lb.insert(recordFromDownload(image_.dive(k), defaults));
      if (result) ++count;
    }
    if (count > 0 && result) lb.computerSerial = image_.serialNumber();
  }
  inserted_ = true;
  if (added) *added = count;
  return result;
}

std::string TransferSession::statusText(bool receiving) const {
  if (modelOfDives_ != 0) return computerDisplayName(modelOfDives_);
  return str(receiving ? 62735 : 62734);
}

}  // namespace kelp
