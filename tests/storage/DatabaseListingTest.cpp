#include "storage/DatabaseListing.h"

#include <gtest/gtest.h>

#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::MessageIds;

class DatabaseListingTest : public ::testing::Test {
 protected:
  DatabaseListing List(ListingFilter filter = {}, bool descending = false, double today = 45292) {
    auto db = test::AccessTo(LocalFileSystem(), path, messages);
    ListingRequest request;
    request.filter = std::move(filter);
    request.today = today;
    request.descending = descending;
    DatabaseListing listing;
    EXPECT_TRUE(ListDatabase(db, request, listing));
    return listing;
  }
  static std::vector<std::string> Numbers(const DatabaseListing& listing) {
    std::vector<std::string> numbers;
    for (std::size_t row = 0; row < listing.RowCount(); ++row) numbers.emplace_back(listing.Cell(row, 0));
    return numbers;
  }

  test::TempFolder folder;
  std::string path = folder.Copy("legacy.flw", "Teplárna.flw");
  MessageRecorder messages;
};

TEST_F(DatabaseListingTest, RowsInFileOrderWithNumberTextsInTheFormOfTheirTag) {
  const DatabaseListing listing = List();
  EXPECT_EQ(Numbers(listing), (std::vector<std::string>{"0100012", "0100012-01", "0100012-02", "0100012-03",
                                                        "0200007", "0100020-01"}));
  EXPECT_EQ(listing.HighestRunningCount(), 20u);
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(DatabaseListingTest, CellsShowTheStoredValues) {
  const DatabaseListing listing = List();
  EXPECT_EQ(listing.Cell(0, 1), "Výtlak P1");
  EXPECT_EQ(listing.Cell(0, 2), "voda");
  EXPECT_EQ(listing.Cell(0, 3), "dýza ISA 1932");
  EXPECT_EQ(listing.Cell(0, 4), "150 mm");
  EXPECT_EQ(listing.Cell(0, 5), "24.7.1998");  // day 36000
  EXPECT_EQ(listing.Cell(0, 6), "Teplárna");
  EXPECT_EQ(listing.Cell(1, 4), "0,2 m");
  EXPECT_EQ(listing.Cell(2, 4), "20,5 cm");
  // A company of exactly 50 characters.
  EXPECT_EQ(listing.Cell(2, 6), "Útvar měření průtoku a tlaku, Ostrava-Vítkovice 12");
  EXPECT_EQ(listing.Cell(4, 3), "Venturiho trubice A");
  EXPECT_EQ(listing.Cell(5, 2), "bioplyn");
  EXPECT_EQ(listing.Cell(99, 0), "");
  EXPECT_EQ(listing.Cell(0, 7), "");
}

TEST_F(DatabaseListingTest, FiltersPickTheirRowsAndTheHighestCountStillCountsAll) {
  ListingFilter company{FilterKind::Company, 0, "Teplárna"};
  EXPECT_EQ(Numbers(List(company)), (std::vector<std::string>{"0100012", "0100012-01", "0100012-03"}));
  company.company = "teplárna";  // exact comparison
  EXPECT_TRUE(Numbers(List(company)).empty());

  EXPECT_EQ(Numbers(List({FilterKind::Fluid, 1, ""})),
            (std::vector<std::string>{"0100012-01", "0100012-02", "0100012-03"}));
  EXPECT_EQ(Numbers(List({FilterKind::Program, 0, ""})), std::vector<std::string>{"0200007"});
  EXPECT_EQ(Numbers(List({FilterKind::Program, 1, ""})), std::vector<std::string>{"0100012"});
  // "Pramo v1.1" lists "ver3.4" and "ver3.5".
  EXPECT_EQ(Numbers(List({FilterKind::Program, 2, ""})),
            (std::vector<std::string>{"0100012-01", "0100012-02", "0100012-03", "0100020-01"}));

  // Dates 45290, 45291, 45292 and today 45292: both ends of the range count.
  const DatabaseListing today = List({FilterKind::Date, 0, ""});
  EXPECT_EQ(Numbers(today), std::vector<std::string>{"0100012-03"});
  EXPECT_EQ(today.HighestRunningCount(), 20u);
  EXPECT_EQ(Numbers(List({FilterKind::Date, 1, ""}, false, 45297)),
            (std::vector<std::string>{"0100012-01", "0100012-02", "0100012-03"}));
  EXPECT_EQ(Numbers(List({FilterKind::Date, 1, ""}, false, 45298)),
            (std::vector<std::string>{"0100012-02", "0100012-03"}));
  EXPECT_EQ(Numbers(List({FilterKind::Date, 4, ""}, false, 45290 + 365)).size(), 3u);  // 45000 is out
}

TEST_F(DatabaseListingTest, DescendingListsInReverseFileOrderAndReversingTwiceRestoresIt) {
  DatabaseListing listing = List({}, true);
  EXPECT_EQ(Numbers(listing).front(), "0100020-01");
  EXPECT_EQ(Numbers(listing).back(), "0100012");
  const auto ascending = Numbers(List());
  listing.Reverse();
  EXPECT_EQ(Numbers(listing), ascending);
  // Reversing keeps the same calculation selected.
  EXPECT_EQ(SelectionAfterReversal(6, 2), 5u);
  EXPECT_EQ(SelectionAfterReversal(6, SelectionAfterReversal(6, 2)), 2u);
  EXPECT_EQ(SelectionAfterReversal(0, 1), 1u);
}

TEST_F(DatabaseListingTest, AnUnknownTagStopsTheListing) {
  path = folder.Copy("bad-tag.flw", "spatna.flw");
  auto db = test::AccessTo(LocalFileSystem(), path, messages);
  DatabaseListing listing;
  EXPECT_FALSE(ListDatabase(db, ListingRequest{}, listing));
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kInvalidDatabase.id});
  EXPECT_EQ(messages.Shown()[0].kind, MessageKind::Warning);
  EXPECT_EQ(messages.Shown()[0].text, "Neplatný formát databáze!\r\nProgram nedokáže zpracovat data.");
}

TEST_F(DatabaseListingTest, AnEmptyDatabaseListsNothing) {
  path = folder.File("prazdna.flw");
  test::WriteBytes(path, {});
  const DatabaseListing listing = List();
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_EQ(CounterText(0, listing.RowCount()), " 0 / 0 ");
  EXPECT_EQ(CounterText(3, 17), " 3 / 17 ");
}

TEST_F(DatabaseListingTest, ProgressRunsFromZeroToHundred) {
  auto db = test::AccessTo(LocalFileSystem(), path, messages);
  ListingRequest request;
  std::vector<int> seen;
  request.progress = [&](int percent) { seen.push_back(percent); };
  DatabaseListing listing;
  ASSERT_TRUE(ListDatabase(db, request, listing));
  EXPECT_EQ(seen.front(), 0);
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}

TEST(DisplayFormats, ShortestDecimalReadsBackExactly) {
  EXPECT_EQ(ShortestDecimal(150, ','), "150");
  EXPECT_EQ(ShortestDecimal(0.1, ','), "0,1");
  EXPECT_EQ(ShortestDecimal(98066.5, '.'), "98066.5");
  EXPECT_EQ(ShortestDecimal(1e-7, ','), "1e-07");
}

TEST(DisplayFormats, DateFilterStartsAtTheChosenDistance) {
  EXPECT_EQ(FirstDayOfDateFilter(0, 45000), 45000);
  EXPECT_EQ(FirstDayOfDateFilter(3, 45000), 44970);
  EXPECT_EQ(FirstDayOfDateFilter(4, 45000), 44635);
  EXPECT_EQ(FirstDayOfDateFilter(-1, 45000), 0);
}

TEST(DisplayFormats, SecondFilterListsFollowTheFirst) {
  EXPECT_TRUE(SecondFilterItems(FilterKind::All, {"A"}).empty());
  EXPECT_EQ(SecondFilterItems(FilterKind::Company, {"A", "B"}), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(SecondFilterItems(FilterKind::Fluid, {}).back(), "neurčeno");
  EXPECT_EQ(SecondFilterItems(FilterKind::Program, {}),
            (std::vector<std::string>{"Kvantora v2", "Pramo v1.0", "Pramo v1.1"}));
  EXPECT_EQ(SecondFilterItems(FilterKind::Date, {}),
            (std::vector<std::string>{"dnes", "7 dní", "14 dní", "30 dní", "365 dní"}));
}

}  // namespace
}  // namespace pramo
