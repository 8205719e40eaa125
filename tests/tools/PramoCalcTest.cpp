#include <fstream>
#include <random>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "ToolRunner.h"
#include "core/CalculationBlockCodec.h"

namespace pramo::test {
namespace {

using nlohmann::json;

const std::string kCalc = PRAMO_CALC;

ToolRun Calc(const std::string& input, const std::string& args = "-") {
  return RunTool(kCalc + " " + args, input);
}

TEST(PramoCalc, UnusableInputExitsWithTwoNamingTheKey) {
  struct Case {
    const char* input;
    const char* named;
  };
  const Case cases[] = {
      {R"({"Fluid": 8})", "\"Fluid\""},
      {R"({"Foo": 1})", "\"Foo\""},
      {R"({"PressureEntered": "10"})", "\"PressureEntered\""},
      {R"({"TemperatureGiven": 1})", "\"TemperatureGiven\""},
      {R"({"Fittings": [true]})", "\"Fittings\""},
      {R"({"Fluid": 0, "FlowUnit": 1})", "\"FlowUnit\""},        // m3/h is not offered for steam
      {R"({"Fluid": 2, "DensityUnit": 2})", "\"DensityUnit\""},  // nor N[kg/m3] for water
      {R"({"PressureUnit": 16})", "\"PressureUnit\""},
      {R"([{"Fluid": 2}, {"CalcKind": 3}])", "\"CalcKind\""},
      {R"({"Fluid": 2,)", "JSON"},
      {R"(42)", "object"},
  };
  for (const auto& c : cases) {
    const ToolRun run = Calc(c.input);
    EXPECT_EQ(run.exitCode, 2) << c.input;
    EXPECT_NE(run.err.find(c.named), std::string::npos) << c.input << " -> " << run.err;
    EXPECT_TRUE(run.out.empty()) << c.input;
  }
}

TEST(PramoCalc, ExampleGathersSaturatedSteam) {
  const ToolRun run = RunTool(kCalc + " " + PRAMO_EXAMPLES + "/saturated-steam.json");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const json out = json::parse(run.out);
  EXPECT_TRUE(out["ok"].get<bool>());
  EXPECT_TRUE(out["messages"].empty());
  const json& r = out["results"].at(0);
  EXPECT_NEAR(r["Temperature"].get<double>(), 179.886, 5e-4);
  EXPECT_NEAR(r["Density"].get<double>(), 5.1454, 5e-5);
  EXPECT_EQ(r["Pressure"].get<double>(), 1e6);
  EXPECT_EQ(r["PipeDiameter20"].get<double>(), 0.15);
}

TEST(PramoCalc, NumbersRoundTripAndBatchesKeepTheirForm) {
  const json input = json::array({
      {{"Fluid", 6},
       {"PressureEntered", 0.1234567890123456789},
       {"PressureUnit", 2},
       {"TemperatureEntered", 17.3},
       {"DensityEntered", 812.0000000000001},
       {"ViscosityEntered", 1.5},
       {"ViscosityUnit", 4},
       {"FlowEntered", 10},
       {"FlowMaxEntered", 20},
       {"FlowMinEntered", 1},
       {"PipeDiameterEntered", 80}},
      {{"Fluid", 2}, {"PressureEntered", -5}},
  });
  const ToolRun run = Calc(input.dump());
  ASSERT_EQ(run.exitCode, 1) << run.err;
  const json out = json::parse(run.out);
  ASSERT_TRUE(out.is_array());
  ASSERT_EQ(out.size(), 2u);
  EXPECT_TRUE(out[0]["ok"].get<bool>());
  EXPECT_EQ(out[0]["results"][0]["Pressure"].get<double>(), 0.1234567890123456789 * 1e6);
  EXPECT_EQ(out[0]["results"][0]["Density"].get<double>(), 812.0000000000001);
  EXPECT_FALSE(out[1]["ok"].get<bool>());
  EXPECT_TRUE(out[1]["results"].empty());

  const ToolRun lines = Calc(input[0].dump() + "\n\n" + input[0].dump() + "\n", "--jsonl -");
  EXPECT_EQ(lines.exitCode, 0);
  EXPECT_EQ(std::count(lines.out.begin(), lines.out.end(), '\n'), 2);
}

TEST(PramoCalc, MessagesKeepTheirKindAndLineBreaks) {
  const ToolRun run =
      Calc(R"({"Fluid": 1, "PressureEntered": 1, "PressureUnit": 2, "TemperatureEntered": 150})");
  EXPECT_EQ(run.exitCode, 1);
  const json out = json::parse(run.out);
  ASSERT_EQ(out["messages"].size(), 2u);
  EXPECT_EQ(out["messages"][0]["kind"], "warning");
  EXPECT_EQ(out["messages"][0]["text"],
            "Zadanému tlaku a teplotě neodpovídá stav tekutiny.\r\nTekutina je voda!");
  EXPECT_EQ(out["messages"][1]["kind"], "error");
  EXPECT_EQ(out["messages"][1]["text"], "Špatně zadáno!");
}

TEST(PramoCalc, ExportFileInputsAndBrokenFiles) {
  CalculationState s;
  s.Fluid = FluidKind::Water;
  s.FluidName = "voda";
  s.TemperatureGiven = true;
  s.PressureEntered = 4;
  s.PressureUnit = 5;
  s.TemperatureEntered = 60;
  s.FlowEntered = 5;
  s.FlowMaxEntered = 6;
  s.FlowMinEntered = 1;
  s.FlowUnit = FlowUnitKind::TonnesPerHour;
  s.PipeDiameterEntered = 50;
  const CalculationBlock block = EncodeBlock(s);
  const std::string good = TempPath("good.cln"), shortFile = TempPath("short.cln"),
                    badTag = TempPath("tag.cln");
  std::ofstream(good, std::ios::binary).write(reinterpret_cast<const char*>(block.data()), block.size());
  std::ofstream(shortFile, std::ios::binary).write(reinterpret_cast<const char*>(block.data()), 500);
  std::ofstream(badTag, std::ios::binary)
      .write("\x06vex3.5", 7)
      .write(reinterpret_cast<const char*>(block.data() + 7), 966);

  const ToolRun run = RunTool(kCalc + " --cln " + good);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NEAR(json::parse(run.out)["results"][0]["MassFlow"].get<double>(), 5000.0 / 3600, 1e-12);
  EXPECT_EQ(RunTool(kCalc + " --cln " + shortFile).exitCode, 2);
  EXPECT_EQ(RunTool(kCalc + " --cln " + badTag).exitCode, 2);
  EXPECT_EQ(RunTool(kCalc + " --cln " + TempPath("missing.cln")).exitCode, 2);
  // One list byte outside its list: refused, nothing computed (differential-pressure, flow, kind, the unit
  // of the flow reference pressure).
  for (const auto& [offset, value] : {std::pair{121, 200}, {111, 6}, {967, 3}, {768, 8}}) {
    CalculationBlock spoilt = block;
    spoilt[offset] = static_cast<std::uint8_t>(value);
    std::ofstream(badTag, std::ios::binary)
        .write(reinterpret_cast<const char*>(spoilt.data()), spoilt.size());
    const ToolRun refused = RunTool(kCalc + " --cln " + badTag);
    EXPECT_EQ(refused.exitCode, 2) << offset;
    EXPECT_EQ(refused.out, "") << offset;
    EXPECT_NE(refused.err.find("neplatná hodnota"), std::string::npos) << refused.err;
  }
}

TEST(PramoCalc, RandomInputNeverCrashesTheTool) {
  std::mt19937 random(11);
  const std::string keys[] = {
      "Fluid",         "PressureEntered", "TemperatureEntered",  "FlowEntered", "DensityEntered",
      "ViscosityUnit", "CalcKind",        "PipeDiameterEntered", "Humidity",    "KappaEntered"};
  const json values[] = {0, -1, 1e308, -1e308, 0.0, 5, 1e-320, "x", nullptr, true, json::array()};
  for (int round = 0; round < 30; ++round) {
    json input = json::object();
    for (int k = 0; k < 5; ++k) input[keys[random() % 10]] = values[random() % 11];
    const ToolRun run = Calc(input.dump());
    EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 1 || run.exitCode == 2) << input.dump() << run.err;
  }
}

}  // namespace
}  // namespace pramo::test
