// kelp-cli deco, nostop and forecast: the texts the calculator and the forecast show.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/cli_test_support.h"

namespace fs = std::filesystem;
using namespace kelp::test;

namespace {

class CliPlanner : public CliTest {};

}  // namespace

TEST_F(CliPlanner, DecoPrintsTheResultBox) {
  CliRun r = run({"deco", "--depth", "24", "--time", "45", "--tank", "15"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "\n tempo imm:\t\t63 min\n Tempo di desaturazione:\t18 min\n Gruppo imm.ripetitive:\tG\n"
            " tempo di azoto residuo:\t0 min\n in curva:\t\t23 min\n Tempo di non volo:\t\t36 ore\n"
            " Deco stop\t15 m:\t0 min\n Dekostufe\t12 m:\t0 min\n Deco stop\t 9 m:\t0 min\n"
            " Deco stop\t 6 m:\t2 min\n Deco stop\t 3 m:\t13 min\n Pressione restante:\t-39 bar\n"
            " Delta pressione:\t\t239 bar\n Consumo aria:\t3594 barl\n");

  r = run({"deco", "--depth", "12", "--time", "91"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "\n Tabelle nicht ausreichend\n");

  r = run({"deco", "--depth", "19", "--time", "30"});
  ASSERT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("\n tabella 24 m usata per 21 m\n"), std::string::npos) << r.out;
}

TEST_F(CliPlanner, DecoJsonHoldsEveryResultField) {
  CliRun r = run({"deco", "--depth", "18", "--time", "20", "--group", "d", "--interval", "20", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["residualNitrogen"], 22);
  EXPECT_EQ(j["groupResult"], "F");
  EXPECT_EQ(j["stop3"], 2);
  EXPECT_EQ(j["diveTime"], 24);
  EXPECT_EQ(j["ascentTime"], 4);
  EXPECT_TRUE(j["noStopLimit"].is_null());
  EXPECT_EQ(j["tableDepth"], 18);
  EXPECT_EQ(j["sampleCount"], 72);
  for (const char* k : {"ascentOnly", "endTime", "noFlyHours", "stop15", "stop12", "stop9", "stop6",
                        "remainingPressure", "deltaPressure", "airUsed", "resultValid", "resultText"})
    EXPECT_TRUE(j.contains(k)) << k;
}

TEST_F(CliPlanner, DecoRefusesWhatCannotBePlanned) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"deco", "--depth", "0", "--time", "20"},
           {"deco", "--depth", "-3", "--time", "20"},
           {"deco", "--depth", "20", "--time", "-1"},
           {"deco", "--depth", "x", "--time", "20"},
           {"deco", "--depth", "20", "--time", "20", "--altitude", "2"},
           {"deco", "--depth", "20"}}) {
    CliRun r = run(args);
    EXPECT_EQ(r.code, 1) << args[2];
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("kelp-cli: "), std::string::npos);
  }
  CliRun r = run({"deco", "--depth", "20", "--time", "20", "--tables", (dir / "none.txt").string()});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("none.txt non esiste"), std::string::npos) << r.err;
}

TEST_F(CliPlanner, NoStopPrintsTheKnownPointsOfEachCurve) {
  CliRun r = run({"nostop"});
  ASSERT_EQ(r.code, 0) << r.err;
  std::istringstream in(r.out);
  std::vector<std::string> ls;
  for (std::string l; std::getline(in, l);) ls.push_back(l);
  ASSERT_EQ(ls.size(), 6u);
  EXPECT_EQ(ls[0], "Deco 92 0-700 m: 12 m 142 min, 24 m 23 min, 63 m 2 min");
  EXPECT_EQ(ls[1], "Deco 92 701-1500 m: 12 m 116 min, 18 m 39 min, 63 m 1 min");
  EXPECT_EQ(ls[2].rfind("US Navy: 12 m 200 min, 15 m 100 min,", 0), 0u);
  EXPECT_NE(ls[2].find("45 m 5 min"), std::string::npos);
  EXPECT_EQ(ls[2].find("48 m"), std::string::npos);
  // The computed curve has a point at every depth, with the gradient factors of Kelp.ini
  // (30/75 when it has none) or of --gf.
  EXPECT_EQ(ls[5].rfind("Bühlmann ZH-L16C GF 30/75 (calcolato): 12 m 96 min, 15 m 56 min, 18 m 34 min,", 0), 0u)
      << ls[5];
  EXPECT_NE(ls[5].find(", 30 m 10 min,"), std::string::npos);
  EXPECT_NE(ls[5].find(", 63 m 4 min"), std::string::npos);
  r = run({"nostop", "--gf", "100/100", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  ASSERT_EQ(j.size(), 6u);
  EXPECT_EQ(j[5]["curve"], "Bühlmann ZH-L16C GF 100/100 (calcolato)");
  ASSERT_EQ(j[5]["points"].size(), 18u);
  EXPECT_EQ(j[5]["points"][0]["minutes"], 182);
  EXPECT_EQ(j[5]["points"][6]["depth"], 30);
  EXPECT_EQ(j[5]["points"][6]["minutes"], 17);
}

// --model zhl16c: the plan the model gives, as text and JSON; the tables' options are not mixed in.
TEST_F(CliPlanner, DecoWithTheBuhlmannModel) {
  CliRun r = run({"deco", "--model", "zhl16c", "--depth", "40", "--time", "30"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "\n Modello:\t\tBühlmann ZH-L16C\n Fattori di gradiente:\tGF 30/75\n Gas:\t\t\taria\n"
            " Altitudine:\t\t0 m\n Tempo imm:\t\t90 min\n in curva:\t\t6 min\n"
            " Deco stop\t21 m:\t0 min\n Deco stop\t18 m:\t1 min\n Deco stop\t15 m:\t2 min\n"
            " Deco stop\t12 m:\t4 min\n Deco stop\t 9 m:\t7 min\n Deco stop\t 6 m:\t13 min\n"
            " Deco stop\t 3 m:\t29 min\n\n Un piano non sostituisce il computer subacqueo né la formazione del "
            "subacqueo.\n");

  // Nitrox 32 % at 25 m for 60 minutes with GF 40/85: stops of 0 minutes are left out.
  r = run({"deco", "--model", "zhl16c", "--depth", "25", "--time", "60", "--o2", "32", "--gf", "40/85", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out),
            nlohmann::json::parse(R"({"model": "zhl16c", "gf": {"low": 40, "high": 85}, "noStopLimit": 32,
                                      "stops": [{"depth": 6, "minutes": 2}, {"depth": 3, "minutes": 11}],
                                      "runTime": 76})"));

  // A repetitive dive at a 2000 m lake, and a no-stop dive.
  r = run({"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--previous-depth", "30", "--previous-time",
           "20", "--interval", "60", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["stops"][2], nlohmann::json::parse(R"({"depth": 3, "minutes": 8})"));
  r = run({"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--altitude-m", "2000", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(nlohmann::json::parse(r.out)["runTime"], 34);
  r = run({"deco", "--model", "zhl16c", "--depth", "12", "--time", "60", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_TRUE(nlohmann::json::parse(r.out)["stops"].empty());
  EXPECT_EQ(nlohmann::json::parse(r.out)["noStopLimit"], 96);

  // Refusals: the model's own (with the MOD), and options of the other model.
  r = run({"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--o2", "36"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("(MOD): 28 m"), std::string::npos) << r.err;
  r = run({"deco", "--model", "zhl16c", "--depth", "40", "--time", "1"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("più breve della discesa"), std::string::npos) << r.err;
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--group", "D", "--interval", "30"},
           {"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--tank", "15"},
           {"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--previous-depth", "20"},
           {"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--gf", "80/70"},
           {"deco", "--model", "zhl16c", "--depth", "30", "--time", "20", "--o2", "41"},
           {"deco", "--model", "bogus", "--depth", "30", "--time", "20"},
           {"deco", "--depth", "30", "--time", "20", "--o2", "32"},
           {"deco", "--depth", "30", "--time", "20", "--interval", "30"}}) {
    r = run(args);
    EXPECT_EQ(r.code, 1) << args.back();
    EXPECT_EQ(r.out, "") << args.back();
  }
  // Without --model, or with deco92, the tables plan as before.
  EXPECT_EQ(run({"deco", "--model", "deco92", "--depth", "24", "--time", "45"}).out,
            run({"deco", "--depth", "24", "--time", "45"}).out);
}

TEST_F(CliPlanner, ForecastPrintsTheDateAndTwelveRates) {
  const std::string log = (dir / "demo.log").string();
  ASSERT_EQ(run({"demo", log, "--dives", "60"}).code, 0);
  CliRun r = run({"forecast", log, "--today", "01.01.2040", "--start", "01.1990"});
  ASSERT_EQ(r.code, 0) << r.err;
  std::istringstream in(r.out);
  std::vector<std::string> ls;
  for (std::string l; std::getline(in, l);) ls.push_back(l);
  ASSERT_EQ(ls.size(), 13u) << r.out;
  EXPECT_TRUE(std::regex_match(ls[0], std::regex("[0-9]{1,2}\\.[0-9]{2}\\.[0-9]{4}"))) << ls[0];
  EXPECT_TRUE(std::regex_match(ls[1], std::regex("Gen\t[0-9]+\\.[0-9]{3}")));
  EXPECT_TRUE(std::regex_match(ls[12], std::regex("Dic\t[0-9]+\\.[0-9]{3}")));
  // The same day gives the same forecast.
  EXPECT_EQ(run({"forecast", log, "--today", "01.01.2040", "--start", "01.1990"}).out, r.out);

  r = run({"forecast", log, "--target", "10", "--today", "01.01.2040"});
  EXPECT_EQ(r.code, 1);
  EXPECT_NE(r.err.find("nothing to forecast"), std::string::npos);
  r = run({"forecast", log, "--start", "13.2020", "--today", "01.01.2040"});
  EXPECT_EQ(r.code, 1);
  r = run({"forecast", (dir / "missing.log").string()});
  EXPECT_EQ(r.code, 1);
}
