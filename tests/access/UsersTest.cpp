#include "access/Users.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "access/Login.h"
#include "core/CalculationBlockCodec.h"
#include "storage/StorageTestSupport.h"
#include "strings/access.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::AccessTo;
using test::MessageIds;
using test::ReadBytes;

// Bytes of a file outside one record's user slot and user flag, which a change of that user may alter.
std::vector<std::uint8_t> OutsideUserSlot(std::vector<std::uint8_t> file, std::size_t record) {
  const std::size_t base = record * kRecordSize;
  std::fill(file.begin() + base + record_offset::kUserLogin, file.begin() + base + record_offset::kCompany,
            0);
  file[base + record_offset::kUserFlag] = 0;
  return file;
}

class UsersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Eight records of the older program; one user (novak), noise in every free slot and string tail.
    path = folder.Copy("legacy.flw", "Teplárna.flw");
    original = ReadBytes(path);
  }
  DatabaseAccess Access(FileSystem& fs = LocalFileSystem()) { return AccessTo(fs, path, messages); }
  UserForm Form(const std::string& login, const std::string& password = "heslo1") {
    return {login, "Eva Dvořáková", password, password};
  }
  std::vector<std::string> Listed() {
    auto db = Access();
    return ListUsers(db).value();
  }

  test::TempFolder folder;
  std::string path;
  std::vector<std::uint8_t> original;
  MessageRecorder messages{Answer::Yes};
};

TEST_F(UsersTest, TheChecksOfANewUserComeInTheirOrder) {
  auto db = Access();
  struct Case {
    UserForm form;
    int message;
  };
  const std::string long26(26, 'x'), long25(25, 'x');
  const Case cases[] = {
      {{"eva", "x", "a", "b"}, str::kLoginTooShort.id},
      {{"admin", "x", "a", "b"}, str::kLoginIsAdmin.id},
      {{"dvorakova", "Eva", "a", "b"}, str::kFullNameTooShort.id},
      {{"dvorakova", "Eva D.", "tajn", "b"}, str::kPasswordTooShort.id},
      {{"dvorakova", "Eva D.", "tajne", "tajnE"}, str::kPasswordsDiffer.id},
      {{"novak", "Eva D.", "tajne", "tajne"}, str::kUserExists.id},
      // The limits of the edits and of the code page, for names that come from elsewhere.
      {{long26, "x", "a", "b"}, str::kLoginTooLong.id},
      {{"dvořákováЖ", "x", "a", "b"}, str::kLoginCharacters.id},
      {{"dvorakova", long26, "a", "b"}, str::kFullNameTooLong.id},
      {{"dvorakova", "Eva D.", long26, long26}, str::kPasswordTooLong.id},
      {{"dvorakova", "Eva D.", "heslo€ñ", "heslo€ñ"}, str::kPasswordCharacters.id},
  };
  for (const Case& c : cases) {
    messages.Clear();
    EXPECT_EQ(AddUserFromForm(db, {"novak"}, c.form, false), AddUserOutcome::Failed) << c.form.login;
    EXPECT_EQ(MessageIds(messages), std::vector<int>{c.message}) << c.form.login;
    EXPECT_EQ(messages.Shown().front().kind, MessageKind::Error);
  }
  EXPECT_EQ(ReadBytes(path), original);
  // At the limits: 5 and 25 characters are taken.
  messages.Clear();
  EXPECT_EQ(AddUserFromForm(db, {"novak"}, {long25, long25, long25, long25}, false), AddUserOutcome::Added);
  EXPECT_EQ(AddUserFromForm(db, Listed(), {"eva.d", "Eva D", "12345", "12345"}, false),
            AddUserOutcome::Added);
  EXPECT_EQ(CheckUserLogin(db, long25, long25), long25);
  EXPECT_EQ(CheckUserLogin(db, "eva.d", "12345"), "Eva D");
}

TEST_F(UsersTest, LoginNamesAreCaseSensitive) {
  auto db = Access();
  EXPECT_EQ(AddUserFromForm(db, Listed(), Form("Admin"), false), AddUserOutcome::Added);
  EXPECT_EQ(AddUserFromForm(db, Listed(), Form("Novak"), false), AddUserOutcome::Added);
  EXPECT_EQ(Listed(), (std::vector<std::string>{"Admin", "Novak", "novak"}));
  EXPECT_EQ(CheckUserLogin(db, "admin", "heslo1"), std::nullopt);
  EXPECT_EQ(CheckUserLogin(db, "Admin", "heslo1"), "Eva Dvořáková");
}

TEST_F(UsersTest, AddingTakesTheFirstFreeSlotAndKeepsEveryOtherByte) {
  auto db = Access();
  ASSERT_EQ(AddUserFromForm(db, Listed(), Form("dvorakova"), false), AddUserOutcome::Added);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kUserAdded.id});
  const auto after = ReadBytes(path);
  ASSERT_EQ(after.size(), original.size());
  // Record 0 holds novak; record 1 had its user slot free.
  EXPECT_EQ(after[kRecordSize + record_offset::kUserFlag], 1);
  EXPECT_EQ(OutsideUserSlot(after, 1), OutsideUserSlot(original, 1));
  EXPECT_EQ(FindUserFullName(db, "dvorakova"), "Eva Dvořáková");
  EXPECT_EQ(CheckUserLogin(db, "dvorakova", "heslo1"), "Eva Dvořáková");
}

TEST_F(UsersTest, AFullDatabaseGrowsByOneRecordAndAFreedSlotIsReused) {
  auto db = Access();
  for (int i = 0; i < 7; ++i)
    ASSERT_EQ(AddUserFromForm(db, Listed(), Form("user" + std::to_string(i) + "x"), false),
              AddUserOutcome::Added);
  const auto full = ReadBytes(path);
  ASSERT_EQ(full.size(), original.size());
  // Every record holds a user: the next one gets a record of its own at the end.
  ASSERT_EQ(AddUserFromForm(db, Listed(), Form("posledni"), false), AddUserOutcome::Added);
  auto after = ReadBytes(path);
  ASSERT_EQ(after.size(), full.size() + kRecordSize);
  EXPECT_TRUE(std::equal(full.begin(), full.end(), after.begin()));
  const RecordView appended(after.data() + full.size(), kRecordSize);
  EXPECT_EQ(BlockVersionTag(appended), "ver3.5");
  EXPECT_FALSE(SlotInUse(appended, Slot::Calculation));
  EXPECT_FALSE(SlotInUse(appended, Slot::Company));

  // Removing keeps the record and its other slots; the next user takes the freed slot.
  messages.Clear();
  ASSERT_TRUE(RemoveUserFromList(db, "user2x"));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kConfirmRemoveUser.id, str::kUserRemoved.id}));
  const auto removed = ReadBytes(path);
  ASSERT_EQ(removed.size(), after.size());
  std::vector<std::uint8_t> expected = after;
  expected[3 * kRecordSize + record_offset::kUserFlag] = 0;  // user2x lived in record 3
  EXPECT_EQ(removed, expected);
  ASSERT_EQ(AddUserFromForm(db, Listed(), Form("nahradnik"), false), AddUserOutcome::Added);
  const auto reused = ReadBytes(path);
  ASSERT_EQ(reused.size(), removed.size());
  EXPECT_EQ(OutsideUserSlot(reused, 3), OutsideUserSlot(removed, 3));
  EXPECT_EQ(CheckUserLogin(db, "nahradnik", "heslo1"), "Eva Dvořáková");
}

TEST_F(UsersTest, ChangingSetsFullNameAndPasswordOfThatLoginOnly) {
  auto db = Access();
  ASSERT_EQ(AddUserFromForm(db, Listed(), Form("dvorakova"), false), AddUserOutcome::Added);
  const auto before = ReadBytes(path);
  messages.Clear();
  ASSERT_TRUE(ChangeUserFromForm(db, {"dvorakova", "Eva Nová", "noveheslo", "noveheslo"}));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kUserUpdated.id});
  EXPECT_EQ(OutsideUserSlot(ReadBytes(path), 1), OutsideUserSlot(before, 1));
  EXPECT_EQ(CheckUserLogin(db, "dvorakova", "heslo1"), std::nullopt);
  EXPECT_EQ(CheckUserLogin(db, "dvorakova", "noveheslo"), "Eva Nová");

  // The checks of a change, in order, and a login name that is not there.
  messages.Clear();
  EXPECT_FALSE(ChangeUserFromForm(db, {"dvorakova", "Eva", "x", "y"}));
  EXPECT_FALSE(ChangeUserFromForm(db, {"dvorakova", "Eva N.", "tajn", "tajn"}));
  EXPECT_FALSE(ChangeUserFromForm(db, {"dvorakova", "Eva N.", "tajne", "tajny"}));
  EXPECT_FALSE(ChangeUserFromForm(db, {"nikdo", "Eva N.", "tajne", "tajne"}));
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kFullNameTooShort.id, str::kPasswordTooShort.id, str::kPasswordsDiffer.id,
                              str::kUserNotFound.id, str::kUserNotFoundLoginFixed.id}));
}

TEST_F(UsersTest, TheLastUserStays) {
  auto db = Access();
  ASSERT_EQ(AddUserFromForm(db, Listed(), Form("dvorakova"), false), AddUserOutcome::Added);
  EXPECT_EQ(RemoveUser(db, "novak"), RemoveUserOutcome::Removed);
  const auto one = ReadBytes(path);
  messages.Clear();
  EXPECT_EQ(RemoveUser(db, "dvorakova"), RemoveUserOutcome::LastUser);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kLastUser.id});
  EXPECT_EQ(ReadBytes(path), one);
  EXPECT_EQ(Listed(), std::vector<std::string>{"dvorakova"});
  EXPECT_EQ(RemoveUser(db, "novak"), RemoveUserOutcome::NotFound);
  // The check of the list's text, and an answer other than Yes.
  messages.Clear();
  EXPECT_FALSE(RemoveUserFromList(db, "nova"));
  messages.Prepare(Answer::Cancel);
  EXPECT_FALSE(RemoveUserFromList(db, "dvorakova"));
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kLoginTooShort.id, str::kConfirmRemoveUser.id}));
  EXPECT_EQ(ReadBytes(path), one);
}

TEST_F(UsersTest, AUserAddedMeanwhileIsNotAddedTwice) {
  auto db = Access();
  const auto listed = Listed();  // read before another administrator adds the same name
  ASSERT_EQ(AddUserFromForm(db, listed, Form("dvorakova"), false), AddUserOutcome::Added);
  const auto before = ReadBytes(path);
  messages.Clear();
  EXPECT_EQ(AddUserFromForm(db, listed, Form("dvorakova", "jineheslo"), false), AddUserOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kUserExists.id});
  EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(UsersTest, ADatabaseThatVanishesOrAppearsIsNotTouched) {
  auto db = Access();
  const auto listed = Listed();
  std::filesystem::remove(path);
  EXPECT_EQ(AddUserFromForm(db, listed, Form("dvorakova"), false), AddUserOutcome::Failed);
  EXPECT_FALSE(ChangeUser(db, "novak", "Jan Novák", "heslo1"));
  EXPECT_EQ(RemoveUser(db, "novak"), RemoveUserOutcome::NotFound);
  EXPECT_EQ(MessageIds(messages), std::vector<int>(3, str::kDatabaseNotFoundNotSaved.id));
  EXPECT_FALSE(std::filesystem::exists(path));

  // Creating a database whose file appeared meanwhile leaves that file alone.
  test::WriteBytes(path, original);
  messages.Clear();
  EXPECT_EQ(AddUserFromForm(db, {}, Form("dvorakova"), true), AddUserOutcome::Failed);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseFileExists.id});
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(UsersTest, ANewDatabaseIsCreatedWithItsFirstUser) {
  const std::string created = folder.File("Nová.flw");
  auto db = AccessTo(LocalFileSystem(), created, messages);
  ASSERT_EQ(AddUserFromForm(db, {}, Form("prvni"), true), AddUserOutcome::DatabaseCreated);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kDatabaseCreated.id});
  const auto bytes = ReadBytes(created);
  ASSERT_EQ(bytes.size(), kRecordSize);
  const RecordView record(bytes.data(), kRecordSize);
  EXPECT_EQ(BlockVersionTag(record), "ver3.5");
  EXPECT_TRUE(SlotInUse(record, Slot::User));
  EXPECT_FALSE(SlotInUse(record, Slot::Calculation));
  EXPECT_FALSE(SlotInUse(record, Slot::Company));
  EXPECT_EQ(CheckUserLogin(db, "prvni", "heslo1"), "Eva Dvořáková");
}

// A user slot written byte by byte as the earlier versions wrote it, with the code from the definition.
TEST_F(UsersTest, UsersOfEarlierVersionsLogIn) {
  std::vector<std::uint8_t> bytes = original;
  std::uint8_t* slot = bytes.data() + kRecordSize;  // record 1, user slot free
  const std::string login = "karel1", fullName = "Karel Kos";
  slot[record_offset::kUserLogin] = static_cast<std::uint8_t>(login.size());
  for (std::size_t i = 0; i < login.size(); ++i) slot[record_offset::kUserLogin + 1 + i] = login[i] ^ 0x5B;
  slot[record_offset::kUserFullName] = static_cast<std::uint8_t>(fullName.size());
  for (std::size_t i = 0; i < fullName.size(); ++i)
    slot[record_offset::kUserFullName + 1 + i] = fullName[i] ^ 0x5B;
  const std::uint16_t code[25] = {211, 198, 229, 209, 111, 127, 117, 134, 121, 20,  127, 117, 134,
                                  121, 20,  127, 117, 134, 121, 20,  127, 117, 134, 121, 20};
  for (int i = 0; i < 25; ++i) {
    slot[record_offset::kUserPassword + 2 * i] = code[i] & 0xFF;
    slot[record_offset::kUserPassword + 2 * i + 1] = code[i] >> 8;
  }
  slot[record_offset::kUserFlag] = 1;
  test::WriteBytes(path, bytes);
  auto db = Access();
  EXPECT_EQ(CheckUserLogin(db, "karel1", "heslo"), "Karel Kos");
  EXPECT_EQ(CheckUserLogin(db, "karel1", "hesla"), std::nullopt);
  EXPECT_EQ(CheckUserLogin(db, "karel2", "heslo"), std::nullopt);  // the same code, another name
  EXPECT_TRUE(messages.Shown().empty());
}

TEST_F(UsersTest, ALoginNeedsFiveCharactersOfTheRightPasswordAndAValidFile) {
  auto db = Access();
  ASSERT_EQ(AddUserFromForm(db, Listed(), Form("dvorakova", "tajne"), false), AddUserOutcome::Added);
  EXPECT_EQ(CheckUserLogin(db, "dvorakova", "tajne"), "Eva Dvořáková");
  EXPECT_EQ(CheckUserLogin(db, "dvorakova", "tajn"), std::nullopt);  // right as far as it goes
  EXPECT_EQ(CheckUserLogin(db, "dvorakova", "tajne "), std::nullopt);
  EXPECT_EQ(CheckUserLogin(db, "dvorakova", "tajneЖ"), std::nullopt);
  messages.Clear();
  EXPECT_EQ(LogInUser(db, "dvorakova", "tajn"), std::nullopt);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kNotAuthorised.id});

  // A record with an unknown tag ahead of the user ends the check with its message.
  auto bytes = ReadBytes(path);
  bytes[1] = 'X';
  test::WriteBytes(path, bytes);
  messages.Clear();
  EXPECT_EQ(LogInUser(db, "dvorakova", "tajne"), std::nullopt);
  EXPECT_EQ(MessageIds(messages), (std::vector<int>{str::kInvalidDatabase.id, str::kNotAuthorised.id}));
}

TEST_F(UsersTest, FailedRewritesRestoreTheFile) {
  test::FaultyFileSystem fs;
  auto db = Access(fs);
  const auto listed = Listed();
  fs.FailAt(test::FsOp::Write, 3);  // the first writes fill the lock file and the journal
  EXPECT_EQ(AddUserFromForm(db, listed, Form("dvorakova"), false), AddUserOutcome::Failed);
  fs.FailAt(test::FsOp::Read, 1);
  EXPECT_FALSE(ChangeUser(db, "novak", "Jan Novák", "heslo1"));
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kWriteFailureNotSaved.id, str::kReadFailureNotSaved.id}));
}

}  // namespace
}  // namespace pramo
