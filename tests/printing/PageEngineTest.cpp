#include "printing/PageEngine.h"

#include <gtest/gtest.h>

#include "RecordingCanvas.h"

namespace pramo {
namespace {

using testing::DrawnText;
using testing::FakePreview;
using testing::FakePrinter;

// The fake printer measures 9 pt text 90 pixels high and 36 pixels a character, 12 pt text 120 and 48.
// On its A4 page (4760 x 6816 pixels at 600 dpi): top margin round(170.4) = 170, bottom limit
// 6645.6 - 90 = 6555.6, layout unit 47.6 pixels.
constexpr double kBottomLimit = 6555.6;
constexpr int kLabelX = 333;   // round(7 x 47.6)
constexpr int kNoteX = 1190;   // round(25 x 47.6)
constexpr int kValueX = 4427;  // round(93 x 47.6)
constexpr int kFirstBodyRowY = 1430;

PageFrame SampleFrame() {
  PageFrame frame;
  frame.ProgramLine = "Pramo verze 3.5.0";
  frame.OwnerName = "Teplárny a.s.";
  frame.Today = "1.2.2024";
  frame.Title = "Osvědčení o výpočtu průtoku dle ČSN EN ISO 5167";
  frame.NumberText = "0100012-01";
  frame.CalculationDate = "31.1.2024";
  frame.Company = "Teplárna/Údržba";
  frame.MeasuringPoint = "MP 7";
  frame.Designer = "Ing. Novák";
  frame.DatabasePath = "/data/pramo/Vypocty.flw";
  frame.FooterOn = true;
  frame.FooterText = "Firma x Telefon x URL";
  return frame;
}

// "r1", "r2", ...: appended rather than concatenated, which GCC 12 at -O2 warns about falsely (-Wrestrict).
std::string RowName(int i) {
  std::string name = "r";
  name += std::to_string(i);
  return name;
}

// Body rows "r1", "r2", ... with the number also in the right-aligned value cell.
auto BodyRows(int count) {
  return [count](PageEngine& engine) {
    engine.Cell(kCellValue).Align = 1;
    for (int i = 1; i <= count; ++i) {
      engine.Cell(kCellLabel).Text = RowName(i);
      engine.Cell(kCellValue).Text = std::to_string(i);
      engine.EmitRow();
    }
  };
}

class PrintMode : public ::testing::Test {
 protected:
  bool Render(const std::function<void(PageEngine&)>& content = [](PageEngine&) {}) {
    PageEngine engine(printer, frame, messages);
    return engine.Render(content);
  }
  void ExpectText(const std::string& text, int x, int y, int page = 1) {
    const DrawnText* drawn = printer.Find(text, page);
    ASSERT_NE(drawn, nullptr) << text << " on page " << page;
    EXPECT_EQ(drawn->x, x) << text;
    EXPECT_EQ(drawn->y, y) << text;
  }

  FakePrinter printer;
  PageFrame frame = SampleFrame();
  MessageRecorder messages;
};

TEST_F(PrintMode, HeaderRowsFollowEachOtherFromTheTopMargin) {
  ASSERT_TRUE(Render());
  EXPECT_TRUE(messages.Shown().empty());
  ExpectText("Pramo verze 3.5.0", kLabelX, 260);
  ExpectText("Teplárny a.s.", kValueX - 13 * 36, 260);  // right-aligned owner name
  ExpectText("Tavor", kLabelX, 350);
  ExpectText("1.2.2024", kValueX - 8 * 36, 350);
  ExpectText("Strana 1", kValueX - 8 * 36, 440);
  // A blank line, then the title centred at 50 % in the 12 pt title font.
  ExpectText(frame.Title, 2380 - 47 * 48 / 2, 620);
  const DrawnText* title = printer.Find(frame.Title);
  EXPECT_EQ(title->font.Name, "Times New Roman CE");
  EXPECT_EQ(title->font.Points, 12);
  EXPECT_EQ(title->font.Style, FontStyle::Bold);
  ExpectText("Číslo výpočtu:", kLabelX, 800);
  ExpectText("0100012-01", kNoteX, 800);
  ExpectText("Datum výpočtu:", kLabelX, 890);
  ExpectText("31.1.2024", kNoteX, 890);
  ExpectText("Firma/Útvar", kLabelX, 980);
  ExpectText("Teplárna/Údržba", kNoteX, 980);
  ExpectText("Měřicí místo:", kLabelX, 1070);
  ExpectText("Navrhl:", kLabelX, 1160);
  ExpectText("Ing. Novák", kNoteX, 1160);
  ExpectText("Databáze: /data/pramo/Vypocty.flw", kLabelX, 1250);
  const DrawnText* number = printer.Find("Číslo výpočtu:");
  EXPECT_EQ(number->font.Name, "Arial CE");
  EXPECT_EQ(number->font.Points, 9);
  EXPECT_EQ(number->font.Style, FontStyle::Plain);
  ASSERT_EQ(printer.jobs.size(), 1u);
  EXPECT_EQ(printer.jobs[0], "0100012-01");
  EXPECT_EQ(printer.documentsEnded, 1);
}

TEST_F(PrintMode, WithoutOriginRowsTheHeaderIsThreeLinesShorter) {
  frame = PageFrameOf([] {
    CalculationState state;
    state.VersionTag = "ver2.2";
    return state;
  }());
  ASSERT_TRUE(Render(BodyRows(1)));
  EXPECT_EQ(printer.Find("Firma/Útvar"), nullptr);
  EXPECT_EQ(printer.Find("Navrhl:"), nullptr);
  ExpectText("Kvantora verze 2", kLabelX, 260);
  ExpectText("Databáze: ", kLabelX, 980);
  ExpectText("r1", kLabelX, kFirstBodyRowY - 3 * 90);
}

TEST_F(PrintMode, BodyRowsPlaceEachCellByItsAnchorAndAlignment) {
  ASSERT_TRUE(Render([](PageEngine& engine) {
    EXPECT_EQ(engine.Cell(kCellHeading).Style, FontStyle::Bold);  // headings are bold in the body
    engine.Cell(kCellHeading).Text = "Zadané hodnoty";
    engine.EmitRow();
    engine.Cell(kCellUnit).Align = 1;
    engine.Cell(kCellValue).Align = 1;
    engine.Cell(kCellLabel).Text = "Absolutní tlak";
    engine.Cell(kCellNote).Text = "[101325 Pa]";
    engine.Cell(kCellUnit).Text = "[kPa - A] :";
    engine.Cell(kCellValue).Text = "   1234.50";
    engine.EmitRow();
    EXPECT_TRUE(engine.Cell(kCellValue).Text.empty());  // texts are cleared, alignments kept
    EXPECT_EQ(engine.Cell(kCellValue).Align, 1);
    engine.Cell(kCellCentre).Align = 6;
    engine.Cell(kCellCentre).Text = "střed";
    engine.EmitRow();
  }));
  ExpectText("Zadané hodnoty", kLabelX, kFirstBodyRowY);
  EXPECT_EQ(printer.Find("Zadané hodnoty")->font.Style, FontStyle::Bold);
  ExpectText("Absolutní tlak", kLabelX, kFirstBodyRowY + 90);
  EXPECT_EQ(printer.Find("Absolutní tlak")->font.Style, FontStyle::Plain);
  ExpectText("[101325 Pa]", kNoteX, kFirstBodyRowY + 90);
  ExpectText("[kPa - A] :", 3046 - 11 * 36, kFirstBodyRowY + 90);  // round(64 x 47.6) = 3046
  ExpectText("   1234.50", kValueX - 10 * 36, kFirstBodyRowY + 90);
  ExpectText("střed", 2380 - 5 * 36 / 2, kFirstBodyRowY + 180 - 45);
}

TEST_F(PrintMode, ATextWiderThanItsRoomContinuesOnTheNextLines) {
  // 113 characters of 36 pixels fill the room from 7 to 93 %; a word is cut only where it alone is wider.
  const std::string word(300, 'x');
  ASSERT_TRUE(Render([&](PageEngine& engine) {
    engine.Cell(kCellLabel).Text = word;
    engine.EmitRow();
    engine.Cell(kCellLabel).Text = "one two three";
    engine.Cell(kCellNote).Text = "note";
    engine.EmitRow();
  }));
  std::vector<std::pair<std::size_t, int>> lines;
  for (const DrawnText& t : printer.texts)
    if (t.text.front() == 'x') lines.emplace_back(t.text.size(), t.y);
  const std::vector<std::pair<std::size_t, int>> expected{
      {113, kFirstBodyRowY}, {113, kFirstBodyRowY + 90}, {74, kFirstBodyRowY + 180}};
  EXPECT_EQ(lines, expected);
  // 7 … 24.5 % holds 22 characters: the label breaks at its blanks, the note keeps its place.
  ExpectText("one two three", kLabelX, kFirstBodyRowY + 270);
  ExpectText("note", kNoteX, kFirstBodyRowY + 270);
}

TEST_F(PrintMode, ARowThatWouldPassTheBottomLimitMovesWholeBelowTheNextHeader) {
  ASSERT_TRUE(Render(BodyRows(120)));
  // Page 1 ends with the last row whose following line still fits above the bottom limit.
  int lastOnFirstPage = 0;
  for (int i = 1; i <= 120; ++i) {
    const DrawnText* label = printer.Find(RowName(i));
    ASSERT_NE(label, nullptr) << i;
    const DrawnText* value = printer.Find(std::to_string(i));
    ASSERT_NE(value, nullptr) << i;
    EXPECT_EQ(label->page, value->page) << i;
    EXPECT_EQ(label->y, value->y) << i;
    if (label->page == 1) {
      EXPECT_LE(label->y + 90, kBottomLimit) << i;
      lastOnFirstPage = i;
    }
  }
  // r56 at 1430 + 55 x 90 = 6380; r57 at 6470 would leave its next line at 6560, past 6555.6.
  EXPECT_EQ(lastOnFirstPage, 56);
  ExpectText("r57", kLabelX, kFirstBodyRowY, 2);
  ExpectText("r58", kLabelX, kFirstBodyRowY + 90, 2);
  EXPECT_EQ(printer.page, 3);
  for (int page = 1; page <= 3; ++page) {
    ExpectText("Strana " + std::to_string(page), kValueX - 8 * 36, 440, page);
    ExpectText("Databáze: /data/pramo/Vypocty.flw", kLabelX, 1250, page);
    ExpectText(frame.Title, 2380 - 47 * 48 / 2, 620, page);
  }
}

TEST_F(PrintMode, EveryPageGetsTheFooterRuleAndText) {
  ASSERT_TRUE(Render(BodyRows(120)));
  ASSERT_EQ(printer.lines.size(), 3u);
  for (int page = 1; page <= 3; ++page) {
    const auto& rule = printer.lines[page - 1];
    EXPECT_EQ(rule.page, page);
    EXPECT_EQ(rule.x0, kLabelX);
    EXPECT_EQ(rule.x1, kValueX);
    EXPECT_EQ(rule.y0, 6556);
    EXPECT_EQ(rule.y1, 6556);
    EXPECT_EQ(rule.pen, 2);
    // Centred at 50 %, its top 0.4 line below the rule: 6555.6 + 36.
    ExpectText("Firma x Telefon x URL", 2380 - 21 * 36 / 2, 6592, page);
    EXPECT_EQ(printer.Find("Firma x Telefon x URL", page)->font.Style, FontStyle::Plain);
  }
}

TEST_F(PrintMode, WithTheFooterOffNothingIsDrawnBelowButPagesBreakAlike) {
  frame.FooterOn = false;
  ASSERT_TRUE(Render(BodyRows(120)));
  EXPECT_TRUE(printer.lines.empty());
  EXPECT_EQ(printer.Find("Firma x Telefon x URL"), nullptr);
  EXPECT_EQ(printer.Find("r56")->page, 1);
  EXPECT_EQ(printer.Find("r57")->page, 2);
}

TEST_F(PrintMode, TheHeaderKeepsThePendingRowAndRestoresThePlainLineHeight) {
  ASSERT_TRUE(Render([](PageEngine& engine) {
    engine.SetCurrentY(6400);
    engine.SetLineHeight(126);  // a table's enlarged lines
    engine.Cell(kCellLabel).X = 15;
    engine.Cell(kCellNote).X = 55;
    engine.Cell(kCellNote).Align = 1;
    engine.Cell(kCellLabel).Text = "Rozsah            [Pa]";
    engine.Cell(kCellNote).Text = "     40000";
    engine.EmitRow();
    EXPECT_EQ(engine.PageNumber(), 2);
    EXPECT_EQ(engine.LineHeight(), 90);
    EXPECT_EQ(engine.Cell(kCellNote).Align, 1);
    engine.Cell(kCellLabel).Text = "Přesnost           [%]";
    engine.EmitRow();
  }));
  // The header drew its rows with its own cells; the pending row kept its anchors and alignment.
  ExpectText("Rozsah            [Pa]", 714, kFirstBodyRowY, 2);  // round(15 x 47.6)
  ExpectText("     40000", 2618 - 10 * 36, kFirstBodyRowY, 2);   // round(55 x 47.6)
  ExpectText("Přesnost           [%]", 714, kFirstBodyRowY + 90, 2);
  ExpectText("Tavor", kLabelX, 350, 2);
}

TEST_F(PrintMode, PageNumbersStartAtOneForEveryRendering) {
  PageEngine engine(printer, frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(60)));
  EXPECT_EQ(engine.PageNumber(), 2);
  printer.texts.clear();
  ASSERT_TRUE(engine.Render(BodyRows(60)));
  EXPECT_NE(printer.Find("Strana 1", 1), nullptr);
  EXPECT_NE(printer.Find("Strana 2", 2), nullptr);
  EXPECT_EQ(printer.jobs.size(), 2u);
}

TEST_F(PrintMode, AnOrdinaryPrinterKeepsTheFontSizes) {
  printer.fontPixelsPerInch = 600;
  ASSERT_TRUE(Render());
  for (const DrawnText& text : printer.texts) EXPECT_EQ(text.font.Points, text.text == frame.Title ? 12 : 9);
}

TEST_F(PrintMode, AnUnreachablePrinterIsAskedOnceMoreThenRefused) {
  printer.unreachableReads = 2;
  EXPECT_FALSE(Render(BodyRows(3)));
  EXPECT_EQ(printer.reselections, 1);
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Error);
  EXPECT_EQ(messages.Shown()[0].id, 6000);
  EXPECT_EQ(messages.Shown()[0].text, "Chyba přístupu k tiskárně...");
  EXPECT_TRUE(printer.texts.empty());
  EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(PrintMode, APrinterThatAnswersTheSecondTimeIsUsed) {
  printer.unreachableReads = 1;
  EXPECT_TRUE(Render(BodyRows(3)));
  EXPECT_EQ(printer.reselections, 1);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(PrintMode, APrinterWithoutAnyResolutionIsRefused) {
  printer.settings = {"Broken", 0, 0, false, 0, 0};
  EXPECT_FALSE(Render());
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].id, 6000);
  EXPECT_TRUE(printer.jobs.empty());
}

TEST_F(PrintMode, AJobThatCannotStartOrFinishIsAFailureNotASuccess) {
  printer.beginFails = true;
  EXPECT_FALSE(Render(BodyRows(3)));
  EXPECT_TRUE(printer.texts.empty());
  printer.beginFails = false;
  printer.endFails = true;
  EXPECT_FALSE(Render(BodyRows(3)));
  ASSERT_EQ(messages.Shown().size(), 2u);
  EXPECT_EQ(messages.Shown()[0].text, "Chyba přístupu k tiskárně...");
  EXPECT_EQ(messages.Shown()[1].text, "Chyba přístupu k tiskárně...");
}

TEST_F(PrintMode, PaperForExactlyTwentyLinesIsAccepted) {
  // 9 pt lines 52 pixels high on a page 1160 high: 52 x 20 + round(29) + 10 = 1079 = 1131 - 52.
  printer.heightPerPoint = 52.0 / 9;
  printer.pageHeight = 1160;
  EXPECT_TRUE(Render());
  EXPECT_TRUE(messages.Shown().empty());
  printer.pageHeight = 1159;
  EXPECT_FALSE(Render());
  ASSERT_EQ(messages.Shown().size(), 1u);
}

TEST_F(PrintMode, ATitleExactlyAsWideAsTheCheckAllowsIsAccepted) {
  // The widest title has 58 characters: 39 pixels each at 12 pt make 2262 = 0.975 x 2320.
  printer.widthPerPoint = 3.25;
  printer.pageWidth = 2320;
  EXPECT_TRUE(Render());
  printer.pageWidth = 2319;
  EXPECT_FALSE(Render());
}

TEST_F(PrintMode, PaperTooSmallIsRefusedBeforeAnyPageIsBegun) {
  printer.pageWidth = 2480;  // A6 at 600 dpi
  printer.pageHeight = 3508;
  EXPECT_FALSE(Render(BodyRows(3)));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.Shown()[0].id, 6001);
  EXPECT_EQ(messages.Shown()[0].text,
            "Formát papíru je pro tisk osvědčení příliš malý!\r\nNastavte větší formát média, nejlépe A4.");
  EXPECT_TRUE(printer.jobs.empty());
  EXPECT_TRUE(printer.texts.empty());
}

TEST_F(PrintMode, APageWiderThanA4KeepsTheA4LayoutWidthAtItsLeft) {
  printer.pageWidth = 7016;  // A3 landscape-wide
  PageEngine engine(printer, frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(1)));
  EXPECT_NEAR(engine.LayoutWidth(), 4960.8, 1e-9);
  EXPECT_NEAR(engine.LayoutUnit(), 49.608, 1e-9);
  ExpectText("Tavor", 347, 350);               // round(7 x 49.608)
  ExpectText("1", 4614 - 36, kFirstBodyRowY);  // round(93 x 49.608)
}

TEST_F(PrintMode, ResolutionsComeFromTheDriverOrFromTheLogicalPixels) {
  printer.settings = {"Laser", 600, 300, true, 96, 72};
  {
    PageEngine engine(printer, frame, messages);
    ASSERT_TRUE(engine.Render(BodyRows(1)));
    EXPECT_EQ(engine.HorizontalResolution(), 300);  // landscape swaps the two
    EXPECT_EQ(engine.VerticalResolution(), 600);
  }
  printer.settings = {"Laser", 0, 300, false, 96, 72};
  {
    PageEngine engine(printer, frame, messages);
    ASSERT_TRUE(engine.Render(BodyRows(1)));
    EXPECT_EQ(engine.HorizontalResolution(), 96);
    EXPECT_EQ(engine.VerticalResolution(), 72);
    EXPECT_NEAR(engine.LayoutWidth(), 8.268 * 96, 1e-9);  // narrower than the printable page
  }
}

TEST_F(PrintMode, ThePrinterNameKeepsItsFirstThirtyTwoCharacters) {
  printer.settings.DeviceName = "Tiskárna účtárny ve 2. patře, č. dveří 214";
  PageEngine engine(printer, frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(1)));
  EXPECT_EQ(engine.PrinterName(), "Tiskárna účtárny ve 2. patře, č.");
}

TEST_F(PrintMode, FrameLinesAndBitmapsUsePrinterPixels) {
  ASSERT_TRUE(Render([](PageEngine& engine) {
    EXPECT_EQ(PageEngine::FramePen(600), 11);  // 0.45 mm at 600 dpi
    EXPECT_EQ(PageEngine::FramePen(300), 5);
    engine.DrawLine(100.5, 2000, 4000, 2000.5, 11, 2);
    const PixelRect rect = engine.TargetRect(1586.7, 2000, 3173.3, 3000);
    EXPECT_EQ(rect.Left, 1587);
    EXPECT_EQ(rect.Right, 3173);
  }));
  ASSERT_FALSE(printer.lines.empty());
  const auto& line = printer.lines[0];
  EXPECT_EQ(line.x0, 100);
  EXPECT_EQ(line.y1, 2000);
  EXPECT_EQ(line.pen, 11);
}

class PreviewMode : public ::testing::Test {
 protected:
  FakePrinter printer;
  FakePreview preview;
  PageFrame frame = SampleFrame();
  MessageRecorder messages;
};

TEST_F(PreviewMode, PagesAreDrawnOnTheBitmapScaledFromThePrinterLayout) {
  PageEngine engine(printer, preview, PreviewBitmapWidth(PreviewZoom::Full), frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(120)));
  // Bitmap height round(6816 x 600 / 4760) = 859; one layout percent is 6 pixels.
  EXPECT_EQ(preview.width, 600);
  EXPECT_EQ(preview.height, 859);
  EXPECT_EQ(engine.LayoutUnit(), 6);
  EXPECT_EQ(preview.StoredPageCount(), 3);
  EXPECT_TRUE(printer.texts.empty());
  EXPECT_TRUE(printer.jobs.empty());

  // Anchors in layout percent of the bitmap, lines at round(859 x y / 6816).
  const DrawnText* program = preview.Find("Pramo verze 3.5.0");
  ASSERT_NE(program, nullptr);
  EXPECT_EQ(program->x, 42);
  EXPECT_EQ(program->y, 33);  // 859 x 260 / 6816 = 32.77
  // Fonts rescaled to the bitmap at the screen's 96 pixels per inch: 600 x 9 / (4760 / 600) / 96 = 7.09.
  EXPECT_EQ(program->font.Points, 7);
  EXPECT_EQ(preview.Find(frame.Title)->font.Points, 9);  // 9.45
  const DrawnText* moved = preview.Find("r57");
  EXPECT_EQ(moved->page, 2);
  EXPECT_EQ(moved->y, 180);  // 859 x 1430 / 6816 = 180.2

  // The footer rule is one pixel wide at the mapped bottom limit (826.2).
  ASSERT_EQ(preview.lines.size(), 3u);
  EXPECT_EQ(preview.lines[2].pen, 1);
  EXPECT_EQ(preview.lines[2].y0, 826);
  EXPECT_EQ(preview.lines[2].x0, 42);
  EXPECT_EQ(preview.lines[2].x1, 558);
}

TEST_F(PreviewMode, ZoomStepsSetTheBitmapWidth) {
  EXPECT_EQ(PreviewBitmapWidth(PreviewZoom::Half), 300);
  EXPECT_EQ(PreviewBitmapWidth(PreviewZoom::ThreeQuarters), 450);
  EXPECT_EQ(PreviewBitmapWidth(PreviewZoom::Full), 600);
  EXPECT_EQ(PreviewBitmapWidth(PreviewZoom::OneAndHalf), 750);
  EXPECT_EQ(ZoomEntryText(PreviewZoom::OneAndHalf), "150 %");
  EXPECT_EQ(ZoomEntryText(PreviewZoom::Half), "50 %");

  PageEngine engine(printer, preview, PreviewBitmapWidth(PreviewZoom::OneAndHalf), frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(1)));
  EXPECT_EQ(preview.width, 750);
  EXPECT_EQ(preview.height, 1074);  // 6816 x 750 / 4760 = 1073.9
}

TEST_F(PreviewMode, ADifferentVerticalResolutionStretchesTheBitmapHeight) {
  printer.settings = {"Laser", 600, 300, false, 600, 300};
  printer.pageHeight = 3408;  // the same sheet at 300 dpi down the page
  PageEngine engine(printer, preview, 600, frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(1)));
  EXPECT_EQ(preview.height, 859);  // round(3408 x 600 / 4760 x 600 / 300)
}

TEST_F(PreviewMode, AWidePageKeepsTheA4ProportionOfTheBitmap) {
  printer.pageWidth = 7016;
  PageEngine engine(printer, preview, 600, frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(1)));
  EXPECT_NEAR(engine.LayoutUnit(), 600 * 4960.8 / 7016 / 100, 1e-12);
}

TEST_F(PreviewMode, RefusalsDrawNoPreviewPages) {
  printer.pageHeight = 1000;
  PageEngine engine(printer, preview, 600, frame, messages);
  EXPECT_FALSE(engine.Render(BodyRows(3)));
  EXPECT_EQ(preview.starts, 0);
  EXPECT_TRUE(preview.texts.empty());
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].id, 6001);
}

TEST_F(PreviewMode, EveryRenderingStartsANewStoreAtPageOne) {
  PageEngine engine(printer, preview, 600, frame, messages);
  ASSERT_TRUE(engine.Render(BodyRows(120)));
  ASSERT_TRUE(engine.Render(BodyRows(10)));
  EXPECT_EQ(preview.starts, 2);
  EXPECT_EQ(preview.StoredPageCount(), 1);
  EXPECT_NE(preview.Find("Strana 1"), nullptr);
  EXPECT_EQ(preview.Find("Strana 2"), nullptr);
}

TEST_F(PreviewMode, FramesAndBitmapsAreMappedToTheBitmap) {
  PageEngine engine(printer, preview, 600, frame, messages);
  ASSERT_TRUE(engine.Render([](PageEngine& engine) {
    const PixelRect rect = engine.TargetRect(1586.7, 2000, 3173.3, 3000);
    EXPECT_EQ(rect.Left, 200);    // 1586.7 x 600 / 4760 = 200.0
    EXPECT_EQ(rect.Top, 252);     // 2000 x 859 / 6816 = 252.05
    EXPECT_EQ(rect.Right, 400);   // 399.996
    EXPECT_EQ(rect.Bottom, 378);  // 378.08
    engine.DrawLine(1586.7, 2000, 3173.3, 2000, 11, 2);
  }));
  ASSERT_FALSE(preview.lines.empty());
  EXPECT_EQ(preview.lines[0].pen, 2);
  EXPECT_EQ(preview.lines[0].x1, 400);
  EXPECT_EQ(preview.lines[0].y0, 252);
}

}  // namespace
}  // namespace pramo
