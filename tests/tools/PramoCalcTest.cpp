#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/ToolRun.h"
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

  const ToolRun lines = Calc(input[0].dump() + "\n" + input[0].dump() + "\n", "--jsonl -");
  EXPECT_EQ(lines.exitCode, 0);
  EXPECT_EQ(std::count(lines.out.begin(), lines.out.end(), '\n'), 2);
}

// Every line of a batch gets its line, in order, whatever the other lines hold; --jobs changes nothing.
TEST(PramoCalc, JsonLinesAnswerEveryLineInOrder) {
  const std::string good =
      R"({"Fluid": 2, "PressureEntered": 6, "PressureUnit": 13, "TemperatureEntered": 60,)"
      R"( "FlowEntered": 40, "FlowMaxEntered": 50, "FlowMinEntered": 10, "FlowUnit": 5,)"
      R"( "PipeDiameterEntered": 100, "DpMaxGiven": true, "DpMaxEntered": 25000})";
  struct Line {
    std::string text;
    const char* error;  // nullptr: a result
  };
  const Line lines[] = {
      {good, nullptr},
      {R"({"Fluid": 2,)", "not valid JSON"},
      {R"({"Foo": 1})", "key \"Foo\""},
      {"", "empty line"},
      {R"({"PressureEntered": 1e999})", "out of the range"},
      {"[1, 2]", "JSON object"},
      {"\"\xff\xfe\"", "not valid JSON"},
      {std::string(100000, '[') + std::string(100000, ']'), "nested deeper"},
      {good + "\r", nullptr},
  };
  std::string input;
  for (const Line& line : lines) input += line.text + "\n";
  const ToolRun one = Calc(input, "--jsonl -"), two = Calc(input, "--jsonl --jobs=2 -");
  EXPECT_EQ(one.exitCode, 2);
  EXPECT_EQ(one.out, two.out);
  std::istringstream out(one.out);
  std::size_t number = 0;
  for (std::string text; std::getline(out, text); ++number) {
    ASSERT_LT(number, std::size(lines));
    const json result = json::parse(text);
    EXPECT_EQ(result["line"], number + 1);
    const char* error = lines[number].error;
    EXPECT_EQ(result["ok"].get<bool>(), error == nullptr) << text.substr(0, 200);
    if (error) {
      EXPECT_NE(result["error"].get<std::string>().find(error), std::string::npos) << result["error"];
    }
  }
  EXPECT_EQ(number, std::size(lines));
}

// The command line and the input files: help and version on stdout, every usage error and every
// unusable file one line on stderr that names it, exit status 2.
TEST(PramoCalc, CommandLineAndInputFiles) {
  const std::string folder = TempPath("inputs");
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "/empty.json");
  std::ofstream(folder + "/binary.json", std::ios::binary)
      .write(
          "\x7f"
          "ELF\0\x01",
          6);
  struct Case {
    std::string args;
    int exitCode;
    const char* shown;  // on stdout for exit status 0, else on stderr
  };
  const std::string example = std::string(PRAMO_EXAMPLES) + "/water-orifice-series.json";
  const Case cases[] = {
      {"--help", 0, "Codes of the input keys"},
      {"-h", 0, "--jobs"},
      {"--version", 0, "pramo-calc 1."},
      {"--result=2 --table " + example, 0, "\"table\""},
      {"--result 2 -- " + example, 0, "\"results\""},
      {"--frobnicate " + example, 2, "--frobnicate"},
      {example + " --result", 2, "--result"},
      {"--result=0 " + example, 2, "--result"},
      {"--owner --help " + example, 2, "--owner"},
      {"--zoom 60 --png " + folder + " " + example, 2, "--zoom"},
      {"", 2, "no input"},
      {folder, 2, "Is a directory"},
      {folder + "/missing.json", 2, "No such file or directory"},
      {folder + "/empty.json", 2, "empty"},
      {"--jsonl " + folder + "/empty.json", 2, "no line"},
      {folder + "/binary.json", 2, "not valid JSON"},
      {"--cln " + folder, 2, "Is a directory"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(kCalc + " " + c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args << ": " << run.err;
    const std::string& shown = c.exitCode == 0 ? run.out : run.err;
    EXPECT_NE(shown.find(c.shown), std::string::npos) << c.args << ": " << shown.substr(0, 300);
    if (c.exitCode == 2) {
      EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.args << ": " << run.err;
      EXPECT_TRUE(run.out.empty()) << c.args;
    }
  }
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
