#include "core/demo_logbook.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <random>
#include <string>

#include "core/computer_models.h"
#include "core/texts.h"

namespace kelp {

// ---------------------------------------------------------------------------
// Raw profile encoding
// ---------------------------------------------------------------------------

uint16_t depthCode(double metres) {
  if (!(metres > 0)) return 0;
  double v = std::floor(metres / 0.15625 + 0.5);
  return static_cast<uint16_t>(std::min(v, 1023.0));
}

std::vector<uint8_t> encodeRawProfile(const RawProfileInput& in) {
  const size_t headerSize = in.gasKind2 ? 6 : 5;
  std::vector<uint8_t> out(in.header.begin(), in.header.begin() + headerSize);
  const size_t groups = (in.depths.size() + 2) / 3;
  out.reserve(headerSize + groups * (in.gasKind2 ? 8 : 7));
  for (size_t g = 0; g < groups; ++g) {
    for (size_t k = 0; k < 3; ++k) {
      size_t i = g * 3 + k;
      uint16_t v = i < in.depths.size() ? depthCode(in.depths[i]) : 0;
      uint8_t f = i < in.flags.size() ? static_cast<uint8_t>(in.flags[i] & 0x3F) : 0;
      out.push_back(static_cast<uint8_t>(v >> 2));
      out.push_back(static_cast<uint8_t>(((v & 3) << 6) | f));
    }
    out.push_back(g < in.groupBytes.size() ? in.groupBytes[g] : 0);
    if (in.gasKind2) out.push_back(0);
  }
  return out;
}

bool storeRawProfile(DiveRecord& r, const std::vector<uint8_t>& raw, bool withGasSetting) {
  if (raw.size() > static_cast<size_t>(RAW_PROFILE_SIZE)) return false;
  std::memset(r.rawProfile, 0, sizeof r.rawProfile);
  std::memcpy(r.rawProfile, raw.data(), raw.size());
  r.profileLength = static_cast<int16_t>(1 + 16 + (withGasSetting ? 2 : 0) + raw.size());
  return true;
}

bool storeHandMadeProfile(DiveRecord& r, const std::vector<double>& depths) {
  if (r.diveTime == NO_VALUE || r.diveTime <= 0) return false;
  const int groups = r.diveTime + 3;
  const size_t size = 5 + static_cast<size_t>(groups) * 7;
  if (size > static_cast<size_t>(RAW_PROFILE_SIZE)) return false;
  std::vector<uint8_t> raw = {0x00, 0x00, 0x00, 0x40, 0x90};
  for (int g = 0; g < groups; ++g) {
    for (int k = 0; k < 3; ++k) {
      size_t i = static_cast<size_t>(g) * 3 + k;
      double d = i < depths.size() ? depths[i] : 0.0;
      int v = d > 0 ? std::min(1023, static_cast<int>(d * 6.4)) : 0;
      raw.push_back(static_cast<uint8_t>(v >> 2));
      raw.push_back(static_cast<uint8_t>(((v & 3) << 6) | 0x20));
    }
    raw.push_back(0x20);
  }
  r.profileHeaderByte = 0;
  for (int i = 0; i < 8; ++i) r.profileHeader[i] = static_cast<uint16_t>(2927 + i);
  r.gasSetting = 0;
  if (r.altitudeClass == 0) r.altitudeClass = 1;
  return storeRawProfile(r, raw, false);
}

// ---------------------------------------------------------------------------
// The demo generator
// ---------------------------------------------------------------------------

namespace {

// Values come straight from the engine (whose output the language fixes), so a
// seed gives the same logbook with every standard library.
class Rng {
 public:
  explicit Rng(unsigned seed) : e_(seed) {}
  uint32_t next() { return static_cast<uint32_t>(e_()); }
  int range(int lo, int hi) {  // inclusive
    return lo + static_cast<int>(next() % static_cast<uint32_t>(hi - lo + 1));
  }
  double real(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }
  bool chance(double p) { return real(0, 1) < p; }
  template <class T, size_t N> const T& pick(const T (&a)[N]) { return a[next() % N]; }

 private:
  std::mt19937 e_;
};

enum SiteFlag : unsigned {
  kWreck = 1, kCave = 2, kDrift = 4, kBoat = 8, kDeep = 16, kRiver = 32, kNoSite = 64
};

struct Site {
  const char* name;  // UTF-8; "" for a dive without site
  int minDepth, maxDepth;
  unsigned flags;
};

struct Area {
  const char* location;  // UTF-8
  bool sea;
  int altitudeClass;
  std::vector<Site> sites;
};

const std::vector<Area>& areas() {
  static const std::vector<Area> a = {
      {"Lago di Garda", false, 1,
       {{"Punta San Vigilio", 15, 38, kDeep},
        {"Tignale - Prà de la Fam", 12, 30, 0},
        {"Torri del Benaco", 10, 25, 0},
        {"Salò - Baia del Vento", 8, 22, 0},
        {"Limone - Reamol", 18, 42, kDeep}}},
      {"Lago di Como", false, 1,
       {{"Moregallo", 20, 45, kDeep},
        {"Onno", 12, 30, 0},
        {"Bellagio - Punta Spartivento", 15, 40, kDeep},
        {"Lierna - Riva Bianca", 8, 24, 0}}},
      {"Lago Maggiore", false, 1,
       {{"Ranco", 8, 22, 0}, {"Arona - Rocca", 12, 30, 0}, {"Santa Caterina del Sasso", 15, 35, 0}}},
      {"Lago d'Iseo", false, 1,
       {{"Riva di Solto", 12, 32, 0}, {"Montisola - Carzano", 10, 28, 0}, {"", 8, 18, kNoSite}}},
      {"Bodensee", false, 1,
       {{"Überlingen - Teufelstisch", 15, 40, kDeep}, {"Wallhausen", 10, 25, 0}}},
      {"Lago di Resia", false, 2, {{"Campanile di Curon", 5, 15, 0}}},
      {"Walensee", false, 1, {{"Mühlehorn", 12, 35, 0}, {"", 8, 20, kNoSite}}},
      {"Fiume Verzasca", false, 1, {{"Lavertezzo", 3, 8, kRiver}}},
      {"Isola d'Elba", true, 1,
       {{"Capo Sant'Andrea", 10, 30, kBoat},
        {"Scoglio della Triglia", 15, 38, kBoat},
        {"Relitto Elviscot", 8, 12, kWreck | kBoat},
        {"Pomonte", 6, 14, 0}}},
      {"Portofino", true, 1,
       {{"Cristo degli Abissi", 12, 18, kBoat},
        {"Punta Chiappa", 15, 35, kBoat | kDrift},
        {"Colombara", 18, 40, kBoat | kDeep},
        {"Isuela", 12, 30, kBoat}}},
      {"Arenzano", true, 1, {{"Relitto Haven", 33, 52, kWreck | kBoat | kDeep}}},
      {"Ustica", true, 1,
       {{"Grotta dei Gamberi", 12, 25, kCave | kBoat},
        {"Secca della Colombara", 18, 40, kBoat | kDrift | kDeep},
        {"Scoglio del Medico", 10, 35, kBoat}}},
      {"Sardegna - Tavolara", true, 1,
       {{"Secca del Papa", 18, 40, kBoat | kDeep}, {"Punta del Papa", 8, 20, 0}}},
      {"Costa Brava - Illes Medes", true, 1,
       {{"Dofí Nord", 12, 30, kBoat}, {"La Vaca", 15, 35, kBoat | kCave}, {"Carall Bernat", 15, 40, kBoat}}},
      {"Croazia - Rovinj", true, 1,
       {{"Baron Gautsch", 28, 40, kWreck | kBoat | kDeep}, {"Banjole", 8, 22, 0}}},
      {"Côte d'Azur - Port-Cros", true, 1, {{"La Gabinière", 15, 38, kBoat}, {"", 6, 15, kNoSite}}},
      {"Isola del Giglio", true, 1,
       {{"Punta del Capel Rosso", 20, 40, kBoat | kDrift | kDeep}, {"Le Scole", 10, 30, kBoat}}},
  };
  return a;
}

const char* const kBuddies[] = {
    "Marco Rossi", "Giulia Bianchi", "Luca Ferrari", "Francesca Colombo", "Andrea Ricci",
    "Sara Marino", "Stefan Müller", "Paolo Galli", "Chiara Conti", "Jürgen Weiß",
    "Elena Fontana", "Davide Moretti", "Núria Puig", "Roberto Greco"};

const char* const kOtherActivities[] = {"Biologia", "Pulizia fondale", "Nudibranchi",
                                        "Video", "Rilievo", "Corso Nitrox", "Archeologia"};

const char* const kLakeNotes[] = {
    "Termoclino netto, sotto l'acqua è molto più fredda.",
    "Visibilità scarsa nei primi metri, poi migliora.",
    "Incontrato un grosso luccio sotto il canneto.",
    "Banco di persici sul pendio.",
    "Freddo alle mani: provare i guanti stagni.",
    "Ingresso da riva sui sassi, attenzione alla scaletta scivolosa.",
    "Bottatrice nascosta tra i massi sul fondo.",
    "Vecchia barca affondata sul pendio, molto fango: pinneggiare con calma.",
    "Gamberi di fiume ovunque sulla parete.",
    "Giro a rovescio: prima la parte profonda, poi la risalita lungo la parete.",
    "Un po' di corrente in superficie vicino alla punta.",
    "Erogatore secondario in erogazione continua a fine immersione: da revisionare.",
};

const char* const kSeaNotes[] = {
    "Visibilità ottima, acqua limpidissima.",
    "Cernia bruna alla tana, molto confidente.",
    "Corrente forte in superficie, discesa lungo la cima.",
    "Molti nudibranchi (Flabellina) sulla parete.",
    "Gorgonie rosse e gialle sulla parte profonda della parete.",
    "Polpo che caccia allo scoperto, seguito per cinque minuti.",
    "Banco di barracuda in blu, sopra la secca.",
    "Murena e aragosta nella stessa tana.",
    "Barca del diving puntuale, briefing accurato.",
    "Mare mosso al rientro, qualche difficoltà a risalire in barca.",
    "Dentici in caccia sul cappello della secca.",
    "Sosta di sicurezza allungata per il mare formato.",
    "Cavallucci marini nella posidonia.",
};

const char* const kSuitDescriptions[] = {"Stagna trilaminato", "Stagna neoprene compresso",
                                         "Semistagna 7 mm", "Umida 5 mm", "Umida 7 mm con cappuccio",
                                         "Salopette 5+5 mm"};

struct ComputerPeriod {
  int type;
  double until;  // fraction of the logbook from which the next computer is used
};

// Dive computers used over the years (the diver changes model twice).
const ComputerPeriod kComputers[] = {{52, 0.3}, {244, 0.65}, {164, 1.01}};

std::string joinNotes(Rng& rng, const char* const* pool, size_t poolSize, int sentences) {
  std::string out;
  size_t start = rng.next() % poolSize;
  for (int i = 0; i < sentences; ++i) {
    if (!out.empty()) out += ' ';
    out += pool[(start + static_cast<size_t>(i) * 5) % poolSize];
  }
  return out;
}

struct Plan {
  std::vector<double> depths;
  std::vector<uint8_t> flags;
  std::vector<uint8_t> groups;
  bool ascentWarning = false;
  bool decoObligation = false;
  int underwaterReadings = 0;
};

// One reading every 20 s, as a dive computer records a dive: a descent at 10..20 m/min, a
// bottom phase that follows a few legs (the deepest part first, then shallower levels) with
// gentle changes, an ascent at 6..9 m/min, decompression stops on a decompression dive, a
// safety stop of about three minutes at 3..5 m on a dive deeper than 10 m, and the surface.
// A fast ascent, when asked for, is two readings at 12..15 m/min, flagged as the computer does.
Plan planDive(Rng& rng, double maxDepth, int minutes, bool deco, bool fastAscent,
              bool radio, bool drift) {
  Plan p;
  auto add = [&](double d, uint8_t f) {
    d = std::clamp(d, 0.0, 159.0);
    p.depths.push_back(d);
    p.flags.push_back(f);
  };
  constexpr double kPerMinute = 3.0;  // readings
  const int total = std::max(12, static_cast<int>(minutes * kPerMinute));

  // Descent: n readings down to the deepest point, the rate held within 10..20 m/min.
  const double rate = rng.real(12.0, 18.0);
  const int fewest = std::max(1, static_cast<int>(std::ceil(maxDepth * kPerMinute / 20.0)));
  const int most = std::max(fewest, static_cast<int>(std::floor(maxDepth * kPerMinute / 10.0)));
  const int descent = std::clamp(static_cast<int>(std::lround(maxDepth * kPerMinute / rate)), fewest, most);
  for (int i = 1; i < descent; ++i) add(maxDepth * i / descent + rng.real(-0.2, 0.2), 0);
  add(maxDepth, 0);

  // The way up and its stops, in readings.
  const double ascentRate = rng.real(2.0, 2.9);  // metres per reading: 6..8.7 m/min
  std::vector<std::pair<double, int>> stops;     // depth, readings
  if (deco) {
    if (maxDepth > 40.0) stops.push_back({9.0, rng.range(3, 9)});
    stops.push_back({6.0, rng.range(6, 18)});
    stops.push_back({3.2, rng.range(12, 30)});
  } else if (maxDepth > 10.0 || rng.chance(0.5)) {
    stops.push_back({rng.real(3.6, 4.4), rng.range(9, 11)});  // safety stop, about 3 minutes
  }
  int stopReadings = 0;
  for (const auto& st : stops) stopReadings += st.second;
  const double lastLevel = std::max(4.0, maxDepth * rng.real(0.3, 0.5));
  const int ascent = static_cast<int>(lastLevel / ascentRate) + 3;
  const int bottom = std::max(6, total - descent - ascent - stopReadings);

  // Bottom legs: the deep part, then one or two shallower levels (a multilevel dive).
  struct Leg {
    double depth;
    int readings;
  };
  std::vector<Leg> legs;
  const int deepPart = std::max(2, bottom * rng.range(25, 40) / 100);
  const double level1 = maxDepth * rng.real(0.6, 0.8);
  const int midPart = std::max(1, (bottom - deepPart) / 2);
  legs.push_back({maxDepth - rng.real(0.4, 1.2), deepPart});
  legs.push_back({std::min(level1, maxDepth - 0.5), midPart});
  legs.push_back({std::min(lastLevel, maxDepth - 0.5), bottom - deepPart - midPart});
  const int decoFrom = deco ? static_cast<int>(p.depths.size()) + deepPart * 2 / 3 : -1;
  const double jitter = std::min(1.2, 0.15 + maxDepth * 0.04);  // gentler on shallow dives
  double d = maxDepth, v = 0;
  for (const Leg& leg : legs) {
    // within a leg the diver follows the ground: a target that moves a little now and then
    double target = leg.depth;
    for (int i = 0; i < leg.readings; ++i) {
      if (i % 6 == 5) target = std::min(leg.depth + rng.real(-jitter, jitter), maxDepth - 0.2);
      const bool onLevel = std::abs(target - d) < 1.5;
      v = 0.7 * v + 0.12 * (target - d) + rng.real(-0.1, 0.1);
      v = std::clamp(v, onLevel ? -0.4 : -1.8, onLevel ? 0.4 : 1.2);  // up at most 5.4 m/min
      d = std::clamp(d + v, 1.5, maxDepth);
      uint8_t f = 0;
      if (decoFrom >= 0 && static_cast<int>(p.depths.size()) >= decoFrom) f |= 0x01;
      if (drift && rng.chance(0.08)) f |= 0x10;  // workload while finning against the current
      add(d, f);
    }
  }

  // Ascent to the first stop (or to the surface), two readings fast when asked for.
  const uint8_t obligation = deco ? 0x01 : 0;
  const double firstStop = stops.empty() ? 1.5 : stops.front().first;
  int fastAt = fastAscent && d - firstStop > 12.0 ? rng.range(0, 1) : -1;
  for (int step = 0; d - ascentRate > firstStop; ++step) {
    const bool fast = fastAt >= 0 && step >= fastAt && step < fastAt + 2;
    d -= fast ? rng.real(4.0, 5.0) : ascentRate;
    d = std::max(d, firstStop);
    add(d, static_cast<uint8_t>(obligation | (fast ? 0x04 : 0)));
    if (fast) p.ascentWarning = true;
  }
  // The stops: a level held within a few decimetres; the obligation ends during the last stop.
  double level = d;
  for (size_t k = 0; k < stops.size(); ++k) {
    const auto [depth, readings] = stops[k];
    if (level - depth > 2.6) add((level + depth) / 2, obligation);  // 9 m to 6 m in two steps
    for (int i = 0; i < readings; ++i) {
      level = i == 0 ? depth : std::clamp(level + rng.real(-0.15, 0.15), depth - 0.25, depth + 0.25);
      const bool owed = deco && (k + 1 < stops.size() || i < readings - 6);
      add(level, owed ? 0x01 : 0);
    }
  }
  p.decoObligation = deco;
  // Up from the last stop or the last level and the surface.
  d = p.depths.back();
  while (d > 2.2) {
    d = std::max(d - ascentRate, 1.5);
    add(d, 0);
  }
  add(0.0, 0);
  while (p.depths.size() % 3 != 0) add(0.0, 0);
  for (size_t i = 0; i < p.depths.size(); ++i) {
    if (depthCode(p.depths[i]) != 0) {
      ++p.underwaterReadings;
      // air-integrated models send the tank signal with every reading; it drops out now and then
      if (radio && !rng.chance(0.03)) p.flags[i] |= 0x20;
    }
  }
  // group bytes: workload (b), a slowly growing loading value (c), a marker bit (a)
  double load = 0;
  for (size_t g = 0; g * 3 < p.depths.size(); ++g) {
    double depth = p.depths[g * 3];
    bool descending = g > 0 && p.depths[g * 3] > p.depths[g * 3 - 1] + 1.0;
    int b = depth < 0.5 ? 0 : descending ? 3 : drift ? rng.range(2, 4) : rng.range(1, 2);
    load = std::max(0.0, load + (depth - 8.0) / 40.0);
    int c = std::min(7, static_cast<int>(load));
    bool a = (p.flags[g * 3] & 0x04) || (p.flags[g * 3 + 1] & 0x04) || (p.flags[g * 3 + 2] & 0x04);
    p.groups.push_back(static_cast<uint8_t>((b << 4) | (a ? 0x08 : 0) | c));
  }
  return p;
}

// A plain trapezoid as drawn by hand: down and up at 3.33 m per reading.
std::vector<double> handMadeDepths(double maxDepth, int minutes) {
  std::vector<double> d;
  const int n = (minutes + 1) * 3;
  double x = 1.3;
  int ascentStart = n - 1;
  int i = 0;
  for (; i < n && x < maxDepth; ++i, --ascentStart) {
    d.push_back(x);
    x += 3.33;
  }
  x = maxDepth;
  for (; i < n; ++i) {
    if (i >= ascentStart) x -= 3.33;
    if (x <= 0) break;
    d.push_back(x);
  }
  return d;
}

struct DayPlan {
  int32_t date;
  const Area* area;
  int dives;
};

int16_t h(double v) { return static_cast<int16_t>(std::lround(v * 100.0)); }

}  // namespace

Logbook makeDemoLogbook(int dives, unsigned seed) {
  Logbook lb;
  lb.newLogbook();
  dives = std::clamp(dives, 0, MAX_DIVES);
  if (dives == 0) return lb;
  Rng rng(seed);
  const auto& all = areas();
  std::vector<const Area*> lakes, seas;
  for (const auto& a : all) (a.sea ? seas : lakes).push_back(&a);

  // spread the dives over a few years, more densely for big logbooks
  const double days = std::clamp(dives * 18.0, 2.0 * 365, 8.0 * 365);
  const double meanGap = std::max(1.0, days / (dives / 1.8));
  int32_t date = dayNumber(rng.range(1, 28), rng.range(3, 5), 2015 + rng.range(0, 2));
  int holidayLeft = 0;
  const Area* holidayArea = nullptr;

  std::vector<DiveRecord> made;
  made.reserve(static_cast<size_t>(dives));
  uint32_t clock = 40000000u + rng.next() % 1000000u;  // dive computer clock, half seconds
  int lastEnd = 0;

  for (int n = 0; n < dives;) {
    // choose the day and its place
    int d, m, y;
    fromDayNumber(date, d, m, y);
    const bool summer = m >= 5 && m <= 10;
    const Area* area;
    if (holidayLeft > 0) {
      area = holidayArea;
      --holidayLeft;
    } else if (summer && rng.chance(0.2)) {
      holidayArea = seas[rng.next() % seas.size()];
      holidayLeft = rng.range(2, 6);
      area = holidayArea;
    } else {
      area = (summer && rng.chance(0.25)) ? seas[rng.next() % seas.size()]
                                          : lakes[rng.next() % lakes.size()];
    }
    int perDay = area->sea ? rng.range(1, 3) : rng.range(1, 2);
    if (perDay == 3 && rng.chance(0.5)) perDay = 2;

    int timeOfDay = rng.range(8 * 60 + 30, 11 * 60);
    for (int k = 0; k < perDay && n < dives; ++k, ++n) {
      const Site& site = area->sites[rng.next() % area->sites.size()];
      DiveRecord r = makeRecord();
      const double progress = static_cast<double>(n) / dives;
      const bool night = k == perDay - 1 && k > 0 && rng.chance(0.25);
      if (night) timeOfDay = std::max(timeOfDay, rng.range(20 * 60, 21 * 60 + 30));

      r.date = date;
      r.timeOfDay = static_cast<int16_t>(timeOfDay);
      if (r.timeOfDay == 0) r.timeOfDay = 1;
      setText(r.location, utf8ToStored(area->location));
      setText(r.site, utf8ToStored(site.name));
      r.diveNumber = static_cast<uint16_t>(n + 1);

      // kind of record: most from a dive computer, some by hand, a few drawn by hand
      const int kind = rng.range(0, 99);
      const bool handMade = kind < 5;
      const bool noProfile = !handMade && kind < 14;
      const bool computer = !handMade && !noProfile;

      const bool deep = (site.flags & kDeep) && rng.chance(0.35);
      double maxD = deep ? rng.real(site.maxDepth * 0.85, site.maxDepth)
                         : rng.real(site.minDepth, site.minDepth + (site.maxDepth - site.minDepth) * 0.7);
      if (night) maxD = std::min(maxD, rng.real(8.0, 18.0));
      const bool deco = deep && maxD > 30.0 && rng.chance(0.6);
      int minutes = deco ? rng.range(45, 70) : rng.range(32, 62);
      if (site.flags & kRiver) minutes = rng.range(25, 45);

      // equipment and conditions
      const bool coldWater = !area->sea;
      const bool warm = m >= 6 && m <= 9;
      const double seasonal = std::cos((m - 7.5) / 12.0 * 2.0 * 3.14159265358979);  // 1 in July
      r.tankSize = coldWater || deco ? (rng.chance(0.5) ? 1500 : 1200) : (rng.chance(0.3) ? 1000 : 1200);
      r.tankMaterial = static_cast<uint16_t>(rng.chance(0.85) ? 1 : 2);
      if (r.tankMaterial == 2) r.tankSize = 1000;
      r.startPressure = static_cast<int16_t>(rng.range(195, 232) * 100);
      if (coldWater) {
        r.suit = static_cast<uint8_t>(warm && rng.chance(0.4) ? 5 : 6);
        r.airTemperature = h(rng.real(12.0, 20.0) + seasonal * 12.0);
        r.minWaterTemperature = h(std::max(4.0, rng.real(5.0, 7.5) + seasonal * (maxD < 15 ? 6.0 : 2.0)));
        r.visibility = static_cast<int16_t>(rng.range(2, 10) * 100);
        r.weight = static_cast<int16_t>(r.suit == 6 ? rng.range(12, 16) * 100 : rng.range(9, 12) * 100);
      } else {
        r.suit = static_cast<uint8_t>(warm ? (rng.chance(0.5) ? 4 : 3) : 5);
        r.airTemperature = h(rng.real(20.0, 26.0) + seasonal * 6.0);
        r.minWaterTemperature = h(rng.real(14.0, 16.0) + seasonal * (maxD < 20 ? 8.0 : 4.0));
        r.visibility = static_cast<int16_t>(rng.range(8, 30) * 100);
        r.weight = static_cast<int16_t>(rng.range(4, 8) * 100 + (rng.chance(0.5) ? 50 : 0));
      }
      if (night) r.airTemperature = static_cast<int16_t>(r.airTemperature - 400);
      setText(r.suitDescription,
              utf8ToStored(kSuitDescriptions[r.suit == 6 ? rng.range(0, 1) : r.suit == 5 ? 2 : rng.range(3, 5)]));
      {
        const int w = rng.range(0, 99);
        r.weather = static_cast<uint8_t>(w < 45 ? 1 : w < 75 ? 2 : w < 83 ? 3 : w < 95 ? 4 : 5);
        if (coldWater && (m == 12 || m <= 2) && w >= 95) r.weather = 6;
      }
      r.altitudeClass = static_cast<uint8_t>(area->altitudeClass);
      if (k > 0) {
        r.surfaceInterval = static_cast<int16_t>(timeOfDay - lastEnd);
        if (r.surfaceInterval <= 0) r.surfaceInterval = NO_VALUE;
      }

      // dive type and activities
      setThreeWay(r.diveTypeFlags, kDiveNoStop, deco ? 1 : 0);
      setThreeWay(r.diveTypeFlags, kDiveSingleAscent, rng.chance(0.95) ? 0 : 1);
      setThreeWay(r.diveTypeFlags, kDiveFreshWater, area->sea ? 1 : 0);
      uint16_t act = 0;
      act |= 1u << (rng.chance(0.7) ? 0 : 1);  // leisure or club dive
      if (night) act |= 1u << 4;
      if (site.flags & kCave) act |= 1u << 5;
      if ((site.flags & kWreck)) act |= 1u << 8;
      if (site.flags & kRiver) act |= 1u << 9;
      if ((site.flags & kDrift) && rng.chance(0.6)) act |= 1u << 10;
      if (rng.chance(0.15)) act |= 1u << 11;
      if (rng.chance(0.05)) act |= 1u << 2;
      r.activityFlags = act;
      uint16_t more = 0;
      if (area->sea) {
        setThreeWay(more, 8, (site.flags & kBoat) ? 0 : 1);
        setThreeWay(more, 10, rng.chance(0.6) ? 1 : (rng.chance(0.5) ? 0 : 2));
        if (k == 0 && holidayLeft > 0 && rng.chance(0.3)) more |= 1u << 7;  // check dive
      } else {
        setThreeWay(more, 8, 1);
        setThreeWay(more, 10, 2);
        if (rng.chance(0.03)) more |= 1u << 1;  // solo
      }
      if (rng.chance(0.03)) more |= 1u << 3;
      r.moreActivityFlags = more;
      if (rng.chance(0.12)) {
        std::string other = rng.pick(kOtherActivities);
        if (rng.chance(0.3)) other += std::string(", ") + rng.pick(kOtherActivities);
        r.activityFlags |= 1u << 12;
        setText(r.otherActivities, utf8ToStored(other));
      }
      if (!(more & (1u << 1))) {
        std::string b = rng.pick(kBuddies);
        if (rng.chance(0.35)) b += std::string(", ") + rng.pick(kBuddies);
        if (rng.chance(0.1)) b += std::string(" & ") + rng.pick(kBuddies);
        setText(r.buddies, utf8ToStored(b));
      }

      // notes: none, short or long (long ones run into notesMore)
      {
        const int v = rng.range(0, 99);
        int sentences = v < 20 ? 0 : v < 70 ? rng.range(1, 2) : v < 88 ? rng.range(3, 4) : rng.range(6, 9);
        if (sentences > 0) {
          std::string text = area->sea ? joinNotes(rng, kSeaNotes, std::size(kSeaNotes), sentences)
                                       : joinNotes(rng, kLakeNotes, std::size(kLakeNotes), sentences);
          setNotes(r, utf8ToStored(text));
        }
      }

      // Nitrox for some sea dives once the diver owns a Nitrox computer
      int type = 0;
      for (const auto& c : kComputers)
        if (progress < c.until) { type = c.type; break; }
      if (computer && rng.chance(0.08)) type = rng.chance(0.5) ? 64 : 68;  // a borrowed computer
      const int gasKind = computerModels().gasKind(static_cast<uint32_t>(type));
      const bool nitrox = computer && gasKind != 0 && area->sea && !deco && rng.chance(0.5);
      if (nitrox) setNitrox(r, true);

      // air consumed: a breathing rate of 13..22 l/min at the surface
      const double sacTarget = rng.real(13.0, 22.0);
      const double avgGuess = maxD * 0.6;

      if (computer) {
        const bool fast = rng.chance(0.06);
        const bool radio = computerModels().airIntegrated(static_cast<uint32_t>(type));
        // each profile draws from its own generator, so the rest of the logbook does not
        // depend on how its readings are made
        Rng profileRng(seed * 2654435761u + static_cast<unsigned>(n));
        Plan p = planDive(profileRng, maxD, minutes, deco, fast, radio, (site.flags & kDrift) != 0);
        RawProfileInput in;
        in.depths = p.depths;
        in.flags = p.flags;
        in.groupBytes = p.groups;
        in.gasKind2 = gasKind == 2;
        in.header = {static_cast<uint8_t>(0x10 + (n % 7)), static_cast<uint8_t>(r.altitudeClass - 1),
                     0x14, 0x40, 0x90, 0x00};
        const auto raw = encodeRawProfile(in);
        r.computerType = static_cast<uint8_t>(type);
        r.computerDiveId = clock;
        r.computerData[0] = static_cast<uint8_t>(n & 0xFF);
        r.computerData[1] = static_cast<uint8_t>(p.underwaterReadings & 0xFF);
        r.profileHeaderByte = static_cast<uint8_t>(0x80 | (type & 0x3F));
        r.profileHeader[0] = static_cast<uint16_t>(0x1F00 + (n & 0xFF));
        r.profileHeader[1] = static_cast<uint16_t>(clock & 0xFFFF);
        r.profileHeader[2] = static_cast<uint16_t>(clock >> 16);
        r.profileHeader[3] = static_cast<uint16_t>(p.underwaterReadings);
        r.profileHeader[4] = static_cast<uint16_t>(depthCode(maxD));
        r.profileHeader[5] = 0x0014;
        r.profileHeader[6] = static_cast<uint16_t>(r.minWaterTemperature / 25);
        r.profileHeader[7] = 0;
        const bool gasSetting = computerModels().hasGasSetting(static_cast<uint32_t>(type));
        if (gasSetting) r.gasSetting = static_cast<uint16_t>(nitrox ? (rng.chance(0.6) ? 32 : 36) : 21);
        storeRawProfile(r, raw, gasSetting);
        if (p.ascentWarning) r.warningFlags |= 1u << kWarnAscent;
        if (p.decoObligation) r.warningFlags |= 1u << kWarnDeco;
        if (fast && rng.chance(0.3)) r.warningFlags |= 1u << kWarnWorkload;
        r.diveTime = static_cast<int16_t>((p.underwaterReadings + 2) / 3);
        minutes = r.diveTime;
        if (!radio && rng.chance(0.15)) {
          r.computerFlags |= 1;  // no air value from the computer, none entered either
        } else {
          double avg = 0;
          for (double x : p.depths) avg += x;
          avg /= static_cast<double>(p.depths.size());
          double bar = sacTarget * minutes * (avg / 10.0 + 1.0) / (r.tankSize / 100.0);
          bar = std::min(bar, r.startPressure / 100.0 - rng.real(30.0, 60.0));
          r.airConsumed = static_cast<int16_t>(std::max(20, static_cast<int>(bar)) * 100);
          if (!radio) r.computerFlags |= 1;  // entered by hand after the dive
        }
        clock += static_cast<uint32_t>(minutes) * 120u + 7200u + rng.next() % 400000u;
        expandProfile(r, gasKind == 2);
        // the computer's own maximum depth; a few records take it from the profile
        r.maxDepth = rng.chance(0.04) ? -1 : static_cast<int16_t>(std::lround(r.profileMaxDepth * 100.0));
      } else {
        // entered by hand (maybe with a profile drawn afterwards)
        r.diveTime = static_cast<int16_t>(minutes);
        r.maxDepth = static_cast<int16_t>(static_cast<int>(maxD * 10) * 10);
        if (rng.chance(0.6)) {
          // an entered average depth in whole decimetres that survives the trip
          // through the .add file's centimetres unchanged
          int cm = static_cast<int>(avgGuess * 10) * 10;
          for (;; ++cm) {
            const float f = static_cast<float>(cm * 0.01);
            if (static_cast<int>(f * 100.0f) == cm && static_cast<int>(f * 100.0) == cm) break;
          }
          r.avgDepth = static_cast<float>(cm * 0.01);
          r.avgDepthCm = static_cast<int16_t>(cm);
        }
        if (rng.chance(0.8)) {
          double bar = sacTarget * minutes * (avgGuess / 10.0 + 1.0) / (r.tankSize / 100.0);
          bar = std::min(bar, r.startPressure / 100.0 - 40.0);
          r.airConsumed = static_cast<int16_t>(std::max(20, static_cast<int>(bar / 10) * 10) * 100);
        }
        if (rng.chance(0.1)) {  // a quick entry: only the essentials
          r.startPressure = NO_VALUE;
          r.visibility = NO_VALUE;
          r.weight = NO_VALUE;
          r.suitDescription[0] = 0;
        }
        if (handMade) {
          storeHandMadeProfile(r, handMadeDepths(maxD, minutes));
          expandProfile(r, false);
        }
      }

      lastEnd = timeOfDay + minutes;
      timeOfDay = lastEnd + rng.range(60, 150);
      if (timeOfDay > 22 * 60) timeOfDay = 22 * 60;
      made.push_back(r);
    }
    // next day: a holiday goes on day by day, otherwise a gap of days or weeks
    date += holidayLeft > 0 ? 1 : 1 + static_cast<int32_t>(rng.next() % static_cast<uint32_t>(2 * meanGap));
  }

  lb.assignDives(std::move(made));
  lb.modified = false;
  return lb;
}

}  // namespace kelp
