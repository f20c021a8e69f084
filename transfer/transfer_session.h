#pragma once
// One download from a dive computer, after the stream has arrived: decoding,
// the computer's nine info texts, which dives are new for the logbook, the
// rows of the list of new dives and their insertion. The transfer dialog only
// calls this; the command line uses it the same way.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/logbook.h"
#include "transfer/computer_image.h"

namespace kelp {

struct Settings;

// The nine texts in the order serial number, computer type, total dives,
// battery, alarm sound, units, maximum ppO2, air reserve, breathing sensitivity.
using InfoTexts = std::array<std::string, 9>;
// Their keys in section "Transfer" of the settings file, same order.
extern const std::array<const char*, 9> kInfoTextKeys;

InfoTexts formatInfoTexts(const ComputerInfo& info);
// Battery level for colouring: leading integer of the saved battery text, -1 when none.
int batteryLevelFromText(const std::string& text);
InfoTexts lastTransferTexts(const Settings& s);
void storeLastTransferTexts(Settings& s, const InfoTexts& t);

// What the logbook's last dive tells about which downloaded dives are new.
struct LastDive {
  int32_t date = 0;
  int16_t timeOfDay = 0;
  uint32_t computerDiveId = 0;
  uint32_t logbookSerial = 0;
  int diveNumber = 0;
  bool any = false;
  static LastDive of(const Logbook& lb);
};

// Index of the first new dive (-1 when none): from the newest backwards, a
// dive is new while it is later than the last dive by date, then time of day,
// and its computer timestamp differs. An empty logbook takes every dive.
int findFirstNewDive(const ComputerImage& image, const LastDive& last);

struct ListRow {
  std::string number, date, time, depth, diveTime, pressure, profile;
  std::vector<std::string> cells() const {
    return {number, date, time, depth, diveTime, pressure, profile};
  }
};
// Rows for dives firstNew..N-1, numbered from startNumber, in the computer's own units.
std::vector<ListRow> listRows(const ComputerImage& image, int firstNew, int startNumber,
                              bool imperial);

// Builds the record of one downloaded dive: defaults, decoded values, expansion.
DiveRecord recordFromDownload(const DownloadedDive& d, const DiveDefaults& defaults);

class TransferSession {
 public:
  // Decodes the stream against the logbook. False on a checksum error
  // ("Errore di transfer."); the session then has no dives.
  bool decode(const uint8_t* stream, size_t size, const Logbook& lb, int64_t now);
  bool decode(const std::vector<uint8_t>& stream, const Logbook& lb, int64_t now) {
    return decode(stream.data(), stream.size(), lb, now);
  }

  bool decoded() const { return decoded_; }
  const ComputerImage& image() const { return image_; }
  const ComputerInfo& info() const { return info_; }
  const InfoTexts& infoTexts() const { return texts_; }
  int batteryLevel() const { return batteryLevel_; }
  int firstNew() const { return firstNew_; }
  bool newDives() const { return newDives_; }
  int newDiveCount() const { return firstNew_ < 0 ? 0 : image_.diveCount() - firstNew_; }
  uint8_t modelOfDives() const { return modelOfDives_; }

  std::vector<ListRow> rows() const;
  // The question "Altro computer ..." is due before inserting.
  bool otherComputer(const Logbook& lb) const;
  // Inserts the new dives in date order; remembers the computer's serial number
  // with the logbook when they were all added, and their number in 'added'. Stops
  // at a dive the logbook refuses (it is full) and returns its message: the caller
  // takes the step back whole, so no dive of the download is lost without a word.
  Result insert(Logbook& lb, const DiveDefaults& defaults, int* added = nullptr);
  bool inserted() const { return inserted_; }
  // Cancelling asks "Annulli immersione?" first.
  bool askOnCancel() const { return !inserted_ && newDives_; }
  // Text of the status line (1046): waiting, receiving, or the model's name once a download
  // brought new dives.
  std::string statusText(bool receiving) const;

 private:
  ComputerImage image_;
  ComputerInfo info_;
  InfoTexts texts_;
  LastDive last_;
  int batteryLevel_ = -1;
  int firstNew_ = -1;
  bool newDives_ = false;
  bool inserted_ = false;
  bool decoded_ = false;
  uint8_t modelOfDives_ = 0;
};

}  // namespace kelp
