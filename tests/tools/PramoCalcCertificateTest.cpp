#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "support/ToolRun.h"

namespace pramo::test {
namespace {

const std::string kCalc = PRAMO_CALC;
const std::string kExample = std::string(PRAMO_EXAMPLES) + "/saturated-steam.json";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(PramoCalcCertificate, WritesThePdfAndThePreviewPages) {
  const std::string pdf = TempPath("steam.pdf");
  const std::string pages = TempPath("pages");
  const ToolRun run = RunTool(kCalc + " " + kExample + " --certificate " + pdf + " --png " + pages +
                              " --zoom 150 --decimal-separator , --owner 'Teplárny a.s.' --footer on");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string bytes = ReadFile(pdf);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("LiberationSans"), std::string::npos);  // the body font is embedded
  int images = 0;
  for (const auto& entry : std::filesystem::directory_iterator(pages)) {
    EXPECT_EQ(entry.path().extension(), ".png");
    EXPECT_GT(entry.file_size(), 1000u);
    ++images;
  }
  EXPECT_EQ(images, 2);
  EXPECT_TRUE(std::filesystem::exists(pages + "/page-1.png"));
}

TEST(PramoCalcCertificate, OptionsOffGiveOnePage) {
  const std::string pages = TempPath("short");
  const ToolRun run = RunTool(kCalc + " " + kExample + " --png " + pages +
                              " --graph off --uncertainty-table off --cascade off --description off");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(std::filesystem::exists(pages + "/page-1.png"));
  EXPECT_FALSE(std::filesystem::exists(pages + "/page-2.png"));
}

TEST(PramoCalcCertificate, BadOptionValuesAreUnusableInput) {
  for (const char* args :
       {"--zoom 60", "--graph maybe", "--signatures maybe", "--decimal-separator x", "--certificate"}) {
    const ToolRun run = RunTool(kCalc + " " + kExample + " " + args);
    EXPECT_EQ(run.exitCode, 2) << args;
  }
  // A certificate is of one calculation.
  const ToolRun batch = RunTool(kCalc + " --certificate " + TempPath("b.pdf") + " -", "[{}, {}]");
  EXPECT_EQ(batch.exitCode, 2);
}

TEST(PramoCalcCertificate, AnUnwritablePdfFailsWithoutAFile) {
  const std::string pdf = TempPath("missing/folder/x.pdf");
  const ToolRun run = RunTool(kCalc + " " + kExample + " --certificate " + pdf);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find("6000"), std::string::npos);  // the printer error, in the messages
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST(PramoCalcCertificate, AnArchivablePdfWithItsPropertiesAndNoMadeUpNumber) {
  // Without a number none is made up.
  const std::string plain = TempPath("plain.pdf");
  ASSERT_EQ(RunTool(kCalc + " " + kExample + " --certificate " + plain).exitCode, 0);
  const std::string bytes = ReadFile(plain);
  EXPECT_EQ(bytes.find("0100000"), std::string::npos);
  EXPECT_NE(bytes.find("pdfaid:part=\"1\" pdfaid:conformance=\"B\""), std::string::npos);
  EXPECT_NE(bytes.find("xmp:CreatorTool=\"Pramo "), std::string::npos);
  EXPECT_NE(bytes.find("/Subject <FEFF"), std::string::npos);
}

}  // namespace
}  // namespace pramo::test
