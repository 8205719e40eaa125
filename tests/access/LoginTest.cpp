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
  Configuration Stored() { return ReadConfiguration(LocalFileSystem(), {file, folder.Path()}, messages); }
  test::TempFolder folder;
  std::string file = folder.File("Pramo/Pramo.ini");
  MessageRecorder messages{Answer::Yes};
};

TEST_F(LoginTest, TheFirstStartTakesTheInitialPasswordAndForcesItsChange) {
  ASSERT_TRUE(IsFirstStart(Stored()));
  EXPECT_EQ(LogInAdministrator(Stored(), "tesov", messages), AdministratorLogin::FirstStart);
  EXPECT_EQ(LogInAdministrator(Stored(), "Tesov", messages), AdministratorLogin::Refused);
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
  EXPECT_TRUE(IsFirstStart(Stored()));
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
  const Configuration code = Stored();
  EXPECT_EQ(code.AdministratorPasswordCode, AdministratorPasswordCode("Správce1"));
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
  EXPECT_EQ(LogInAdministrator(Stored(), "nnnnnd", messages), AdministratorLogin::Granted);
}

// A configuration that cannot be read whole may hold a password: the initial one never works then, and
// nothing writes the file down to the few keys it would know.
TEST_F(LoginTest, AnUnusableConfigurationIsNoFirstStartAndIsNeverWritten) {
  std::string oversized = "[pracovní]\nkomponenta=x\n";
  oversized.append(1200 * 1024, ';');
  const std::vector<std::vector<std::uint8_t>> unusable = {
      std::vector<std::uint8_t>(oversized.begin(), oversized.end()),
      {0, 0x8F, 'x', '\n', 0xFF, '=', '\r', '\n'},
      {'n', 'o', 'i', 's', 'e', 0x8F, 0xFF, '\n'},
  };
  std::filesystem::create_directories(folder.File("Pramo"));
  for (const auto& bytes : unusable) {
    test::WriteBytes(file, bytes);
    messages.Clear();
    const Configuration configuration = Stored();
    EXPECT_TRUE(configuration.FileUnusable);
    EXPECT_FALSE(IsFirstStart(configuration));
    EXPECT_EQ(LogInAdministrator(configuration, "tesov", messages), AdministratorLogin::Refused);
    EXPECT_EQ(ChangeAdministratorPassword(LocalFileSystem(), file, "heslo1", "heslo1", messages),
              PasswordChange::TypeAgain);
    EXPECT_FALSE(SaveLanguage(LocalFileSystem(), file, "English", messages));
    EXPECT_EQ(MessageIds(messages),
              (std::vector<int>{str::kConfigurationDamaged.id, str::kNotAdministrator.id,
                                str::kConfigurationNotWritten.id, str::kConfigurationNotWritten.id}));
    EXPECT_EQ(test::ReadBytes(file), bytes);
  }
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
