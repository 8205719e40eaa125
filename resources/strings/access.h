#pragma once

// String table: users, passwords, login and password change.

#include "language/StringTable.h"

namespace pramo::str {

// The administrator's login name; it is also the key of the administrator password transform, so a
// language module that renames the administrator changes both.
inline constexpr Text kAdminLogin{5000, "admin"};

// Users of a database (administration page).
inline constexpr Text kLoginTooShort{5001, "Přihlašovací jméno musí obsahovat alespoň 5 znaků!"};
inline constexpr Text kLoginIsAdmin{5002,
                                    "Přihlašovací jméno nemůže být admin!\r\nAdmin je správce databází!"};
inline constexpr Text kFullNameTooShort{5003, "Jméno uživatele musí obsahovat alespoň 5 znaků!"};
inline constexpr Text kPasswordTooShort{5004, "Heslo musí obsahovat alespoň 5 znaků!"};
inline constexpr Text kPasswordsDiffer{5005, "Nové heslo neodpovídá Zopakuj heslo!\r\nHeslo zadejte znovu."};
inline constexpr Text kUserExists{
    5006,
    "Uživatel již existuje - nelze ho přidat!\r\nChcete-li změnit některé parametry použijte \"Změň\"!"};
inline constexpr Text kCannotCreateDatabase{5007, "Chyba přístupu k disku!\r\nNelze založit novou databázi!"};
inline constexpr Text kUserAdded{5008, "Byl přidán nový uživatel."};
inline constexpr Text kDatabaseCreated{
    5009,
    "Založil jste novou databázi. Zatím je přístupná pouze pro jediného uživatele.\r\nPracovat s touto databází můžete až po přihlášení k této databázi jako \r\nuživatel. Nyní jste přihlášen jako správce."};
inline constexpr Text kUserNotFound{5010, "Uživatel nebyl nalezen!"};
inline constexpr Text kUserUpdated{5011, "Vlastnosti uživatele jsou aktualizovány."};
inline constexpr Text kUserNotFoundLoginFixed{
    5012, "Uživatel nebyl nalezen!\r\n(Přihlašovací jméno nelze měnit, lze odstranit.)"};
inline constexpr Text kConfirmRemoveUser{5013, "Opravdu odstaranit uživatele z databáze?"};
inline constexpr Text kUserRemoved{5014, "Uživatel byl odstraněn z databáze."};

// Login.
inline constexpr Text kNotAuthorised{5015, "Nejste oprávněn pro vstup do databáze!"};
inline constexpr Text kNotAdministrator{5016, "Nejste oprávněný administrátor!"};
inline constexpr Text kFirstLogin{5017,
                                  "První přihlášení!\r\nNyní změňte heslo pro přihlášení správce (admin)."};
inline constexpr Text kAdministratorLoggedIn{
    5018,
    "Jste přihlášen jako správce (admin).\r\nProveďte nastavení programu, správce nemůže provádět výpočty!"};
inline constexpr Text kFirstStartInfo[] = {
    {5019, "První spuštění programu! Přihlaste se jako administrátor a proveďte nastavení programu!"},
    {5020, ""},
    {5021, "Přihlašovací jméno: admin"},
    {5022, "Heslo: tesov"},
};

// Password change.
inline constexpr Text kUserNotUpdated{5023, "Vlastnosti uživatele nejsou aktualizovány!"};
inline constexpr Text kPasswordIsInitial{5024, "Heslo nemůže být tesov!\r\nZměňte heslo!"};
inline constexpr Text kPasswordChanged{5025, "Heslo bylo změněno."};
inline constexpr Text kMustChangePassword{5026, "Musíte změnit heslo!\r\nFormulář nelze ukončit!"};

// Limits the edits enforce by their size and the code page enforces by its characters: told when a name
// or password comes from elsewhere (a script).
inline constexpr Text kLoginTooLong{5040, "Přihlašovací jméno může obsahovat nejvýše 25 znaků!"};
inline constexpr Text kFullNameTooLong{5041, "Jméno uživatele může obsahovat nejvýše 25 znaků!"};
inline constexpr Text kPasswordTooLong{5042, "Heslo může obsahovat nejvýše 25 znaků!"};
inline constexpr Text kLoginCharacters{5043,
                                       "Přihlašovací jméno obsahuje znak, který nelze uložit do databáze!"};
inline constexpr Text kFullNameCharacters{5044,
                                          "Jméno uživatele obsahuje znak, který nelze uložit do databáze!"};
inline constexpr Text kPasswordCharacters{5045, "Heslo obsahuje znak, který program nedokáže zpracovat!"};
// The window disables "Odstraň" then; a database without users could never be logged into again.
inline constexpr Text kLastUser{5046, "Posledního uživatele databáze nelze odstranit!"};
// Until the administrator has replaced the initial password, nothing but that change is allowed.
inline constexpr Text kSetUpFirst{5047,
                                  "Program ještě nebyl nastaven!\r\nNejprve změňte heslo správce (admin)."};

}  // namespace pramo::str
