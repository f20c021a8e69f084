#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/dive_tables.h"
#include "core/language.h"

using namespace kelp;

namespace {

// The shipped file, in the source tree's data folder.
const std::string kTablesFile =
    (std::filesystem::path(KELP_TEST_DATA_DIR).parent_path().parent_path() / "data" / "dive_tables.txt").string();

std::vector<int> known(const NoStopCurve& c) {
  std::vector<int> out;
  for (int v : c.points) out.push_back(v);
  return out;
}

constexpr int U = kUnknownValue;

}  // namespace

TEST(DiveTables, ShippedFileHoldsExactlyThePublishedValues) {
  DiveTables t;
  const Result r = loadDiveTables(kTablesFile, t);
  ASSERT_TRUE(r.ok) << r.error;

  // Rows present, partial or absent.
  std::vector<int> present, partial;
  for (const DecoRow& row : t.deco[kSeaLevel].rows) {
    if (row.status == RowStatus::Present) present.push_back(row.depth);
    if (row.status == RowStatus::Partial) partial.push_back(row.depth);
  }
  EXPECT_EQ(present, (std::vector<int>{9, 12, 24, 63}));
  EXPECT_EQ(partial, (std::vector<int>{18}));
  present.clear();
  for (const DecoRow& row : t.deco[kMountainLake].rows)
    if (row.status != RowStatus::Absent) present.push_back(row.depth);
  EXPECT_EQ(present, (std::vector<int>{9, 18}));

  const DecoRow& sea24 = t.deco[kSeaLevel].rows[decoRowIndex(24)];
  ASSERT_EQ(sea24.entries.size(), 11u);
  EXPECT_EQ(sea24.entries[8].bottomTime, 45);
  EXPECT_EQ(sea24.entries[8].group, 'G');
  EXPECT_EQ(sea24.entries[8].stops, (std::array<int, 5>{13, 2, 0, 0, 0}));
  const DecoRow& sea63 = t.deco[kSeaLevel].rows[decoRowIndex(63)];
  EXPECT_EQ(sea63.entries.back().stops, (std::array<int, 5>{14, 6, 4, 2, 1}));
  const DecoRow& sea18 = t.deco[kSeaLevel].rows[decoRowIndex(18)];
  EXPECT_EQ(sea18.fromTime, 42);
  EXPECT_EQ(sea18.toTime, 50);
  EXPECT_FALSE(sea18.answers(41));
  EXPECT_TRUE(sea18.answers(42));
  EXPECT_FALSE(sea18.answers(51));

  EXPECT_TRUE(t.interval['B' - 'B'].present);
  EXPECT_FALSE(t.interval['C' - 'B'].present);
  EXPECT_EQ(t.interval['D' - 'B'].bounds, (std::array<int, 6>{0, 0, 15, 30, 60, 120}));
  EXPECT_EQ(t.interval['G' - 'B'].bounds, (std::array<int, 6>{30, 60, 120, 180, 240, 300}));
  EXPECT_EQ(t.nitrogen[decoRowIndex(63)].minutes, (std::array<int, 6>{7, 6, 5, 2, 2, 2}));
  int nitrogenRows = 0;
  for (const NitrogenRow& n : t.nitrogen) nitrogenRows += n.present;
  EXPECT_EQ(nitrogenRows, 3);

  const auto curves = t.noStopCurves();
  EXPECT_EQ(curves[0].label, "Deco 92 0-700 m");
  EXPECT_EQ(known(curves[0]), (std::vector<int>{142, U, U, U, 23, U, U, U, U, U, U, U, U, U, U, U, U, 2}));
  EXPECT_EQ(known(curves[1]), (std::vector<int>{116, U, 39, U, U, U, U, U, U, U, U, U, U, U, U, U, U, 1}));
  EXPECT_EQ(known(curves[2]), (std::vector<int>{200, 100, 60, 50, 40, 30, 25, 20, 15, 10, 10, 5}));
  EXPECT_EQ(known(curves[3]),
            (std::vector<int>{141, 70, 49, 38, 29, 22, 17, 14, 12, 10, 9, 8, 7, 6, 5, 5, 4, 4}));
  EXPECT_EQ(known(curves[4]), (std::vector<int>{98, 51, 36, 28, 23, 17, 13, 11, 9, 8, 7, 6, 6, 5, 4, 4, 3, 3}));
}

TEST(DiveTables, CurveLinesJoinOnlyKnownPointsOfNeighbouringDepths) {
  using Segments = std::vector<std::pair<int, int>>;
  // 142 min at 12 m and 23 min at 24 m lie four positions apart: no line between them.
  EXPECT_EQ(noStopCurveSegments({142, U, U, U, 23, U, U, U, U, U, U, U, U, U, U, U, U, 2}), Segments{});
  EXPECT_EQ(noStopCurveSegments({10, U, 20, 30, U, U, 40, 50, 60, U}), (Segments{{2, 3}, {6, 7}, {7, 8}}));
  EXPECT_EQ(noStopCurveSegments({200, 100, 60}), (Segments{{0, 1}, {1, 2}}));
  EXPECT_EQ(noStopCurveSegments({U}), Segments{});
  EXPECT_EQ(noStopCurveSegments({}), Segments{});
}

TEST(DiveTables, MistakesInTheFileAreReportedWithTheirLine) {
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"sea 10 present nostop 5 : 5 B", "riga 2: la profondità"},
      {"sea 9 present nostop 5", "vuole le sue voci"},
      {"sea 9 absent nostop ? : 5 B", "non ha voci"},
      {"sea 9 present nostop 5 : 10 B; 5 C", "crescenti"},
      {"sea 9 present nostop 5 : 10 A", "da B a G"},
      {"sea 9 present nostop 5 : 10 B 1/2/3/4/5/6", "cinque soste"},
      {"sea 9 present nostop x : 10 B", "nostop"},
      {"sea 9 partial 50-42 nostop ? : 50 F 2", "42-50"},
      {"sea 9 partial 42-55 nostop ? : 50 F 2", "fine del suo intervallo"},
      {"sea 9 present nostop 5 : 10 B\nsea 9 absent nostop ?", "riga 3: la riga 9 m compare due volte"},
      {"interval H present 1 2 3 4 5 6", "da B a G"},
      {"interval B present 0 0 30 20 0 90", "crescere"},
      {"nitrogen 9 present 1 2 3", "sei valori"},
      {"nitrogen 9 present 1 2 3 4 5 ?", "numeri interi"},
      {"curve other 1 2", "usnavy"},
      {"curve usnavy 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19", "18 punti"},
      {"deco 9", "sconosciuta"},
      {"\v : 5 B", "parola chiave"},
      {"sea 9 present nostop 99999 : 10 B", "nostop"},
  };
  for (const auto& [line, expected] : bad) {
    DiveTables t;
    const Result r = parseDiveTables("# comment\n" + line + "\n", "t.txt", t);
    ASSERT_FALSE(r.ok) << line;
    EXPECT_NE(r.error.find("t.txt, riga"), std::string::npos) << r.error;
    EXPECT_NE(r.error.find(expected), std::string::npos) << line << " -> " << r.error;
  }
}

TEST(DiveTables, MistakesInTheFileAreReportedInEnglishWhenTheProgramSpeaksEnglish) {
  struct Restore {
    ~Restore() { setLanguage(Language::Italian); }
  } restore;
  setLanguage(Language::English);
  // A fixed text, a number and a word of the file filled in; the file syntax stays as written.
  const std::vector<std::pair<std::string, std::string>> bad = {
      {"\v : 5 B", "DECO 92 tables: t.txt, line 2: keyword missing before ':'."},
      {"sea 9 present nostop 5 : 10 B\nsea 9 absent nostop ?",
       "DECO 92 tables: t.txt, line 3: the row 9 m appears twice."},
      {"interval D absent\ninterval D absent", "DECO 92 tables: t.txt, line 3: the group D appears twice."},
      {"deco 9", "DECO 92 tables: t.txt, line 2: unknown keyword \"deco\"."},
      {"sea 9 present nostop x : 10 B", "DECO 92 tables: t.txt, line 2: expected \"nostop\" with the minutes or ?."},
  };
  for (const auto& [line, expected] : bad) {
    DiveTables t;
    const Result r = parseDiveTables("# comment\n" + line + "\n", "t.txt", t);
    ASSERT_FALSE(r.ok) << line;
    EXPECT_EQ(r.error, expected) << line;
  }
}

TEST(DiveTables, MissingFileIsAnErrorNotACrash) {
  DiveTables t;
  Result r = loadDiveTables("/nonexistent/dive_tables.txt", t);
  ASSERT_FALSE(r.ok);
  EXPECT_NE(r.error.find("/nonexistent/dive_tables.txt"), std::string::npos);

  setDiveTablesPath("/nonexistent/dive_tables.txt");
  std::string error;
  EXPECT_EQ(diveTables(&error), nullptr);
  EXPECT_NE(error.find("non esiste"), std::string::npos);
  setDiveTablesPath(kTablesFile);
  EXPECT_NE(diveTables(&error), nullptr);
  EXPECT_EQ(error, "");
  setDiveTablesPath("");
}

TEST(DiveTables, ResidualNitrogenColumnIsTheFirstBoundAtOrAboveTheInterval) {
  DiveTables t;
  ASSERT_TRUE(loadDiveTables(kTablesFile, t).ok);
  ResidualLookup r = lookupResidual(t, 'D', 20, 18);
  EXPECT_EQ(r.status, RepetitiveStatus::Known);
  EXPECT_EQ(r.column, 3);
  EXPECT_EQ(r.minutes, 22);
  r = lookupResidual(t, 'D', 1, 18);  // bounds of 0 are never reached
  EXPECT_EQ(r.column, 2);
  r = lookupResidual(t, 'B', 30, 63);
  EXPECT_EQ(r.minutes, 2);
  r = lookupResidual(t, 'B', 91, 18);
  EXPECT_EQ(r.status, RepetitiveStatus::NotRepetitive);
  r = lookupResidual(t, 'G', 30, 62);  // 62 m reads the 60 m row, which is absent
  EXPECT_EQ(r.status, RepetitiveStatus::NoData);
  EXPECT_EQ(r.rowDepth, 60);
  EXPECT_EQ(decoRowDepthFor(19), 21);
  EXPECT_EQ(decoRowDepthFor(18), 18);
  EXPECT_EQ(decoRowDepthFor(1), 9);
  EXPECT_EQ(decoRowDepthFor(64), 0);
}
