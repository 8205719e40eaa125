#include "storage/Companies.h"

#include <gtest/gtest.h>

#include "core/CalculationBlockCodec.h"
#include "core/CodePage1250.h"
#include "storage/ListOrder.h"
#include "storage/StorageTestSupport.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::MessageIds;
using test::ReadBytes;

// Bytes of a file outside one record's company slot and company flag.
std::vector<std::uint8_t> OutsideCompanySlot(std::vector<std::uint8_t> file, std::size_t record) {
  const std::size_t base = record * kRecordSize;
  std::fill(file.begin() + base + record_offset::kCompany,
            file.begin() + base + record_offset::kCalculationFlag, 0);
  file[base + record_offset::kCompanyFlag] = 0;
  return file;
}

class CompaniesTest : public ::testing::Test {
 protected:
  std::vector<std::string> Listed() { return ListCompanies(db).value(); }

  test::TempFolder folder;
  // Companies "Teplárna" (record 3, beside a calculation) and "Bioplynka" (record 7, alone).
  std::string path = folder.Copy("legacy.flw", "Teplárna.flw");
  std::vector<std::uint8_t> original = ReadBytes(path);
  MessageRecorder messages{Answer::Yes};
  DatabaseAccess db = test::AccessTo(LocalFileSystem(), path, messages);
};

TEST_F(CompaniesTest, ListsSortedAndCounts) {
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Bioplynka", "Teplárna"}));
  EXPECT_EQ(CompanyCounterText(std::nullopt, 0), " 0 / 0 ");
  EXPECT_EQ(CompanyCounterText(1, 2), " 2 / 2 ");
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(CompaniesTest, AddingChecksAndReusesFreeSlots) {
  EXPECT_FALSE(AddCompany(db, Listed(), ""));
  EXPECT_FALSE(AddCompany(db, Listed(), "Teplárna"));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kCompanyNameMissing.id, str::kCompanyExists.id}));
  EXPECT_EQ(ReadBytes(path), original);

  // Differing in letter case only is another name. It takes the first free company slot (record 0).
  messages.Clear();
  ASSERT_TRUE(AddCompany(db, Listed(), "teplárna"));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kCompanyAdded.id});
  const auto added = ReadBytes(path);
  ASSERT_EQ(added.size(), original.size());
  EXPECT_EQ(OutsideCompanySlot(added, 0), OutsideCompanySlot(original, 0));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Bioplynka", "Teplárna", "teplárna"}));

  // Removed, its slot goes to the next name; the file keeps its length.
  ASSERT_TRUE(RemoveCompany(db, "Bioplynka"));
  auto expected = added;
  expected[7 * kRecordSize + record_offset::kCompanyFlag] = 0;
  EXPECT_EQ(ReadBytes(path), expected);
  ASSERT_TRUE(AddCompany(db, Listed(), "Vodárna"));
  EXPECT_EQ(ReadBytes(path).size(), original.size());
  EXPECT_EQ(ReadBytes(path)[kRecordSize + record_offset::kCompanyFlag], 1);  // record 1 came first
}

TEST_F(CompaniesTest, FiftyCharactersAndNoMore) {
  const std::string fifty = "Útvar měření průtoku a tlaku, Ostrava-Vítkovice 13";
  ASSERT_EQ(To1250(fifty)->size(), 50u);
  ASSERT_TRUE(AddCompany(db, Listed(), fifty));
  EXPECT_EQ(ReadBytes(path)[record_offset::kCompany], 50);
  messages.Clear();
  EXPECT_FALSE(AddCompany(db, Listed(), fifty + "4"));
  EXPECT_FALSE(AddCompany(db, Listed(), "Завод"));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kCompanyTooLong.id, str::kCompanyCharacters.id}));
  EXPECT_EQ(Listed().size(), 3u);
}

TEST_F(CompaniesTest, RenamingChangesTheListNotTheCalculations) {
  const auto listed = Listed();
  ASSERT_TRUE(RenameCompany(db, listed, 1, "Teplárna Jih"));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kCompanyRenamed.id});
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Bioplynka", "Teplárna Jih"}));
  const auto renamed = ReadBytes(path);
  EXPECT_EQ(OutsideCompanySlot(renamed, 3), OutsideCompanySlot(original, 3));
  // The calculation of that record still names the old company.
  EXPECT_EQ(StoredText(std::span(renamed).subspan(3 * kRecordSize), 855, 50, true), "Teplárna");
}

TEST_F(CompaniesTest, RenamingWithoutAChoiceOrToAListedName) {
  EXPECT_FALSE(RenameCompany(db, Listed(), std::nullopt, "Nová firma"));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kNoCompanyChosen.id, str::kCompanyNotRenamed.id}));
  messages.Clear();
  EXPECT_FALSE(RenameCompany(db, Listed(), std::nullopt, ""));
  EXPECT_FALSE(RenameCompany(db, Listed(), 0, "Teplárna"));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kNoCompanyChosen.id, str::kCompanyNameMissing.id,
                                                    str::kCompanyExists.id}));
  // A name another user has meanwhile removed is not renamed.
  const auto listed = Listed();
  ASSERT_TRUE(RemoveCompany(db, "Bioplynka"));
  messages.Clear();
  EXPECT_FALSE(RenameCompany(db, listed, 0, "Bioplyn"));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kCompanyNotRenamed.id});
}

TEST_F(CompaniesTest, RemovingAsksAndTellsItsOutcome) {
  messages.Prepare(Answer::Cancel);
  EXPECT_FALSE(RemoveCompany(db, "Bioplynka"));
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_FALSE(RemoveCompany(db, "bioplynka"));
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kConfirmRemoveCompany.id, str::kConfirmRemoveCompany.id,
                              str::kCompanyNotRemoved.id}));
  EXPECT_EQ(ReadBytes(path), original);
  messages.Clear();
  ASSERT_TRUE(RemoveCompany(db, "Bioplynka"));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kConfirmRemoveCompany.id, str::kCompanyRemoved.id}));
  EXPECT_EQ(Listed(), std::vector<std::string>{"Teplárna"});
}

TEST_F(CompaniesTest, AVanishedDatabaseIsNotRecreated) {
  const auto listed = Listed();
  std::filesystem::remove(path);
  EXPECT_FALSE(AddCompany(db, listed, "Vodárna"));
  EXPECT_FALSE(RemoveCompany(db, "Teplárna"));
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kDatabaseNotFoundNotSaved.id, str::kConfirmRemoveCompany.id,
                              str::kDatabaseNotFoundNotSaved.id, str::kCompanyNotRemoved.id}));
}

TEST(ListOrder, BaseLettersFirstThenAccentsThenCase) {
  std::vector<std::string> names{"Zlín",  "čerpadla", "cesta", "Čerpadla",
                                 "Admin", "admin",    "ábel",  "Ostrava"};
  SortLikeList(names);
  EXPECT_EQ(names, (std::vector<std::string>{"ábel", "Admin", "admin", "Čerpadla", "čerpadla", "cesta",
                                             "Ostrava", "Zlín"}));
}

}  // namespace
}  // namespace pramo
