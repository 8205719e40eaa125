#include "access/Login.h"

#include <gtest/gtest.h>

#include "storage/Configuration.h"
#include "storage/StorageTestSupport.h"
#include "strings/access.h"
#include "strings/storage.h"

namespace pramo {
namespace {

using test::MessageIds;

class LoginTest : public ::testing::Test {
 protected:
  std::string StoredCode() {
    return ReadConfiguration(LocalFileSystem(), {file, folder.Path()}, messages).AdministratorPasswordCode;
  }
  test::TempFolder folder;
  std::string file = folder.File("Pramo/Pramo.ini");
  MessageRecorder messages{Answer::Yes};
};

TEST_F(LoginTest, TheFirstStartTakesTheInitialPasswordAndForcesItsChange) {
  ASSERT_TRUE(IsFirstStart(StoredCode()));
  EXPECT_EQ(LogInAdministrator("", "tesov", messages), AdministratorLogin::FirstStart);
  EXPECT_EQ(LogInAdministrator("", "Tesov", messages), AdministratorLogin::Refused);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kNotAdministrator.id});
  // The window cannot be closed until a password is set.
  messages.Clear();
  EXPECT_FALSE(MayClosePasswordChange(true, true, messages));
  EXPECT_TRUE(MayClosePasswordChange(false, true, messages));
  EXPECT_TRUE(MayClosePasswordChange(true, false, messages));
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kMustChangePassword.id});

  // The rules of the new password, in order; each refusal leaves the configuration as it was.
  messages.Clear();
  auto change = [&](const std::string& password, const std::string& repeated) {
    return ChangeAdministratorPassword(LocalFileSystem(), file, password, repeated, messages);
  };
  EXPECT_EQ(change("abcd", "abcd"), PasswordChange::Refused);
  EXPECT_EQ(change("abcde", "abcdf"), PasswordChange::TypeAgain);
  EXPECT_EQ(change("tesov", "tesov"), PasswordChange::TypeAgain);
  EXPECT_TRUE(IsFirstStart(StoredCode()));
  ASSERT_EQ(change("Správce1", "Správce1"), PasswordChange::Changed);
  const std::vector<std::pair<int, MessageKind>> expected{
      {str::kPasswordTooShort.id, MessageKind::Information},
      {str::kPasswordsDiffer.id, MessageKind::Warning},
      {str::kPasswordIsInitial.id, MessageKind::Warning},
      {str::kPasswordChanged.id, MessageKind::Information}};
  ASSERT_EQ(messages.Shown().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(messages.Shown()[i].id, expected[i].first);
    EXPECT_EQ(messages.Shown()[i].kind, expected[i].second);
  }

  // From now on the stored transform decides, and the initial password is refused.
  const std::string code = StoredCode();
  EXPECT_EQ(code, AdministratorPasswordCode("Správce1"));
  messages.Clear();
  EXPECT_EQ(LogInAdministrator(code, "Správce1", messages), AdministratorLogin::Granted);
  EXPECT_EQ(LogInAdministrator(code, "tesov", messages), AdministratorLogin::Refused);
  EXPECT_EQ(LogInAdministrator(code, "Správce", messages), AdministratorLogin::Refused);
  EXPECT_EQ(MessageIds(messages), std::vector<int>(2, str::kNotAdministrator.id));
}

TEST_F(LoginTest, PasswordsWithEveryByteSurviveTheConfigurationFile) {
  // 'n' transforms to the byte 0 and the key's 'd' to a line feed: both must come back as they were.
  ASSERT_EQ(ChangeAdministratorPassword(LocalFileSystem(), file, "nnnnnd", "nnnnnd", messages),
            PasswordChange::Changed);
  EXPECT_EQ(LogInAdministrator(StoredCode(), "nnnnnd", messages), AdministratorLogin::Granted);
}

TEST_F(LoginTest, AnUnwritableConfigurationKeepsTheOldPassword) {
  test::WriteBytes(folder.File("Pramo"), {'x'});  // a file where the folder should be
  EXPECT_EQ(ChangeAdministratorPassword(LocalFileSystem(), file, "heslo1", "heslo1", messages),
            PasswordChange::TypeAgain);
  EXPECT_EQ(MessageIds(messages), std::vector<int>{str::kConfigurationNotWritten.id});
}

TEST_F(LoginTest, TheAdministratorIsRecognisedByTheExactName) {
  EXPECT_TRUE(IsAdministratorLogin("admin"));
  EXPECT_FALSE(IsAdministratorLogin("Admin"));
  EXPECT_FALSE(IsAdministratorLogin("admin "));
  // A language module that renames the administrator renames the key of the transform with it.
  SetLanguageTexts({{str::kAdminLogin.id, "správce"}});
  EXPECT_TRUE(IsAdministratorLogin("správce"));
  EXPECT_FALSE(IsAdministratorLogin("admin"));
  EXPECT_EQ(AdministratorPasswordCode("heslo"), AdminPasswordTransform("heslo", "spr\xE1vce"));
  SetLanguageTexts({});
}

TEST_F(LoginTest, AUserChangesHisOwnPassword) {
  const std::string path = folder.Copy("one-user.flw", "db.flw");
  auto db = test::AccessTo(LocalFileSystem(), path, messages);
  ASSERT_EQ(AddUserFromForm(db, ListUsers(db).value(), {"novak", "admin", "heslo1", "heslo1"}, false),
            AddUserOutcome::Added);
  messages.Clear();
  EXPECT_EQ(ChangeOwnPassword(db, "novak", "admin", "abc", "abc"), PasswordChange::Refused);
  EXPECT_EQ(ChangeOwnPassword(db, "novak", "admin", "heslo2", "heslo3"), PasswordChange::TypeAgain);
  EXPECT_EQ(ChangeOwnPassword(db, "novak", "admin", "heslo2", "heslo2"), PasswordChange::Changed);
  EXPECT_EQ(ChangeOwnPassword(db, "nikdo", "admin", "heslo2", "heslo2"), PasswordChange::Failed);
  EXPECT_EQ(MessageIds(messages),
            (std::vector<int>{str::kPasswordTooShort.id, str::kPasswordsDiffer.id, str::kUserUpdated.id,
                              str::kUserNotFound.id, str::kUserNotUpdated.id}));
  // Only his own record changed: the other user still logs in as before.
  EXPECT_EQ(CheckUserLogin(db, "novak", "heslo2"), "admin");
  EXPECT_EQ(ListUsers(db).value(), (std::vector<std::string>{"admin1", "novak"}));
  EXPECT_EQ(FindUserFullName(db, "admin1"), "Správce databáze");
}

}  // namespace
}  // namespace pramo
