#pragma once

// String table: calculation database, database page, configuration file, export and import.

#include "language/StringTable.h"

namespace pramo::str {

// The database file: reading scans and the safe rewrite.
inline constexpr Text kDatabaseReadFailure{4000, "Nelze číst pracovní soubor z disku!"};
inline constexpr Text kDatabaseAccessFailure{4001, "Chyba přístupu k disku!"};
inline constexpr Text kDatabaseNotFoundNotSaved{4002, "Soubor databáze nebyl nalezen!\r\nNeuloženo!"};
inline constexpr Text kCannotCreateWorkingFile{4003, "Nepodařilo se vytvořit pomocný pracovní soubor!"};
inline constexpr Text kReadFailureNotSaved{4004, "Nelze číst pracovní soubor z disku!\r\nNeuloženo!"};
inline constexpr Text kWriteFailureNotSaved{4005, "Nelze zapsat soubor na disk!\r\nNeuloženo!"};
inline constexpr Text kAccessFailureNotSaved{4006, "Chyba přístupu k disku!\r\nNeuloženo!"};
inline constexpr Text kRestoreFailed{
    4007,
    "Z důvodu fatální chyby přístupu k disku nemůže program korektně \r\nzpracovat databázový soubor!\r\nUkončete program!\r\nDatabáze je uložena na stejném místě na disku, ale s příponou *.bak, \r\npro další práci změňte příponu tohoto souboru na *.flw !"};
inline constexpr Text kNumberConflict{
    4008,
    "Číslo výpočtu již v databázi existuje, nebo je nižší než nejvyšší číslo v \r\ndatabázi. Zadejte vyšší číslo výpočtu!\r\n\r\n(Tato situace může nastat v případě práce na síti se společnou \r\ndatabází. Následuje aktualizování databáze...)"};
inline constexpr Text kSettingsDiffer{
    4009,
    "Některé parametry se liší od přednastavených hodnot!\r\nOvěřte zda opravdu chcete pracovat s tímto nastavením.\r\nMenu Nastavení | ..."};
inline constexpr Text kInvalidDatabase{4010, "Neplatný formát databáze!\r\nProgram nedokáže zpracovat data."};
inline constexpr Text kIncompleteLastRecord{
    4011,
    "Soubor databáze končí neúplným záznamem (%1 bajtů navíc).\r\nÚplné záznamy lze číst, databázi však nelze měnit.\r\nJe nutný zásah administrátora!"};
inline constexpr Text kIncompleteLastRecordNotSaved{
    4012,
    "Soubor databáze končí neúplným záznamem.\r\nAby se neztratila data, program databázi nemění.\r\nJe nutný zásah administrátora!\r\nNeuloženo!"};
inline constexpr Text kDatabaseRestored{
    4013, "Předchozí změna databáze nebyla dokončena.\r\nDatabáze byla obnovena ze záložního souboru:\r\n%1"};
// Another instance is rewriting the database (its lock is held) for longer than a reader or writer waits.
inline constexpr Text kDatabaseBusy{
    4040, "Databázi právě mění jiný uživatel!\r\nZkuste to prosím za chvíli znovu."};
inline constexpr Text kDatabaseBusyNotSaved{4041, "Databázi právě mění jiný uživatel!\r\nNeuloženo!"};
inline constexpr Text kCalculationNotFound{
    4014, "Výpočet %1 nebyl v databázi nalezen.\r\nDatabázi mezitím zřejmě změnil jiný uživatel."};
inline constexpr Text kCalculationDamaged{
    4015,
    "Výpočet %1 je v databázi poškozen: neplatná hodnota %2.\r\nVýpočet nelze zobrazit ani dále zpracovat."};

// The check of a whole database file (administration tool).
inline constexpr Text kCheckUnknownTag{4020, "Záznam %1: neplatná značka verze."};
inline constexpr Text kCheckBadFlag{4021, "Záznam %1: příznak obsazení na pozici %2 má hodnotu %3."};
inline constexpr Text kCheckBadLength{4022, "Záznam %1: délka textu na pozici %2 přesahuje jeho kapacitu."};
inline constexpr Text kCheckDuplicateNumber{4023, "Záznam %1: číslo výpočtu %2 je v databázi vícekrát."};
inline constexpr Text kCheckNumberRange{4024, "Záznam %1: číslo výpočtu %2 je mimo povolený rozsah."};
inline constexpr Text kCheckTrailingBytes{4025, "Soubor končí neúplným záznamem (%1 bajtů navíc)."};
inline constexpr Text kCheckUnreadable{4026, "Soubor databáze nelze přečíst."};

// The database page: grid, filter, sort order.
inline constexpr Text kColumnHeader[] = {
    {4100, "Číslo výpočtu"},  {4101, "Měřicí místo"}, {4102, "Tekutina"},    {4103, "Primární prvek"},
    {4104, "Průměr potrubí"}, {4105, "Datum"},        {4106, "Firma/Útvar"},
};
inline constexpr Text kFilterItem[] = {
    {4110, "<všechny výpočty>"}, {4111, "firma/útvar"}, {4112, "tekutina"},
    {4113, "program"},           {4114, "datum"},
};
inline constexpr Text kProgramFilterItem[] = {
    {4115, "Kvantora v2"}, {4116, "Pramo v1.0"}, {4117, "Pramo v1.1"}};
inline constexpr Text kDateFilterItem[] = {
    {4118, "dnes"}, {4119, "7 dní"}, {4120, "14 dní"}, {4121, "30 dní"}, {4122, "365 dní"},
};
inline constexpr Text kSortDescending{4123, "Seřadit sestupně"};
inline constexpr Text kSortAscending{4124, "Seřadit vzestupně"};
inline constexpr Text kPopupItem[] = {
    {4125, "Zobrazit výpočet"},
    {4126, "Nový výpočet"},
    {4127, "Kopie výpočtu"},
    {4128, "Přepočítat výpočet"},
};

// The database page: commands and the save rules.
inline constexpr Text kUnsavedLost{
    4130, "Výpočet není uložen!\r\nKlepnutím na Ano bude nenávratně ztracen!\r\nPokračovat?"};
inline constexpr Text kNoCalculationInDatabase{4131, "Databáze nebsahuje žádný výpočet!"};
inline constexpr Text kSelectCalculation{4132, "V tabulce vyberte výpočet!"};
inline constexpr Text kDatabaseFull{4133, "Databáze je plná!\r\nNelze přidat nový výpočet."};
inline constexpr Text kIndexLimit{
    4134,
    "Index výpočtu překročil povolenou mez 99!\r\nTento výpočet již nelze přepočítat.\r\nMůžete ho zkopírovat a přepočítat pod novým číslem výpočtu."};
inline constexpr Text kWholeNumberExpected{4135, "Zadejte celočíselnou hodnotu!"};
inline constexpr Text kOlderStandard{
    4136,
    "Kopírujete zadání výpočtu, který byl proveden dle starší normy. Některé \r\ntvarovky nová norma popisuje jinak!\r\nVěnujte prosím pozornost výběru vhodných tvarovek."};
inline constexpr Text kOlderProgram{
    4137,
    "Kopírujete zadání výpočtu, který byl proveden starší verzí programu.\r\nNově můžete vybrat i z dalších materiálů!\r\nRozšířena je volba materiálu primárního prvku i materiálu potrubí."};
inline constexpr Text kComputeFirst{4138,
                                    "Provedl jste změny v zadání, nejprve spusťte výpočet!\r\nNeuloženo."};
inline constexpr Text kNotCompliantNotStored{
    4139, "Výpočet neodpovídá normě!\r\nNelze uložit do databáze, lze exportovat do souboru."};
inline constexpr Text kCascadeRangeTooHigh{
    4140,
    "Rozsah kaskádního snímače tlakové diference musí být menší než diferenční\r\ntlak při maximálním průtoku!"};
inline constexpr Text kNumberExists{
    4141, "Číslo výpočtu již existuje! Nelze uložit do databáze!\r\nZadejte jiné číslo výpočtu!"};
inline constexpr Text kNumberBelowHighest{
    4142,
    "Číslo výpočtu je nižší než nejvyšší číslo výpočtu v databázi! Neuloženo!\r\nZadejte vyšší číslo výpočtu."};
inline constexpr Text kNumberInvalid{4143, "Neplatné číslo výpočtu!\r\nNeuloženo."};
inline constexpr Text kNoCompanyNoPoint{4144,
                                        "Není zadán Útvar ani Měřicí místo!\r\nMá se přesto výpočet uložit?"};
inline constexpr Text kNoCompany{4145, "Není zadán Útvar!\r\nMá se přesto výpočet uložit?"};
inline constexpr Text kNoMeasuringPoint{4146, "Není zadáno Měřicí místo!\r\nMá se přesto výpočet uložit?"};
inline constexpr Text kStored{4147, "Výpočet byl uložen do databáze!"};
inline constexpr Text kStoreFailed{4148, "Nepodařilo se uložit změny do souboru!"};
inline constexpr Text kResultGroupCaption{4149, " Vypočtené hodnoty - číslo výpočtu "};

// Choosing and creating a database.
inline constexpr Text kCreateDatabaseItem{4160, "<založit novou databázi>"};
inline constexpr Text kSeveralDatabases{
    4161,
    "V případě, že používáte více než jednu databázi, dejte pozor na \r\nduplicitu čísel výpočtů! \r\nPorobněji viz Nápověda (Číslování výpočtů)."};
inline constexpr Text kCreateDatabaseTitle{4162, "Založení nové databáze"};
inline constexpr Text kCreateDatabasePrompt{4163, "Zadejte jméno databázového souboru"};
inline constexpr Text kDatabaseFileExists{4164, "Soubor již existuje!\r\nNelze založit novou databázi."};
inline constexpr Text kRegisterUser{4165, "Zaregistrujte uživatele, který bude mít přístup do databáze."};
inline constexpr Text kDatabaseFileMissing{4166,
                                           "Nepodařilo se najít soubor databáze!\r\nNelze otevřít databázi."};
inline constexpr Text kCaptionPrefix{4167, "Pramo - "};
inline constexpr Text kDatabaseNameInvalid{
    4168, "Neplatné jméno databázového souboru!\r\nNelze založit novou databázi."};

// The configuration file.
inline constexpr Text kDatabaseFolderMissing{
    4200, "Cesta k databázím neexistuje!\r\nJe nutný zásah administrátora!"};
inline constexpr Text kLanguageChanged{4201, "Change of language will be applied after application restart!"};
inline constexpr Text kSettingsNotSaved{4202, "Změny nastavení nejsou uloženy!\r\nUložit nastavení?"};
inline constexpr Text kDefaultFooter{4203, "Firma x Telefon x URL"};
inline constexpr Text kConfigurationNotWritten{
    4204, "Nastavení nelze zapsat do konfiguračního souboru:\r\n%1\r\nZměny nejsou uloženy!"};
// The file is there but its keys cannot be known: no first start, and it is not written.
// clang-format off
inline constexpr Text kConfigurationUnreadable{4210, "Konfigurační soubor nelze přečíst:\r\n%1\r\nProgram použije výchozí nastavení a do souboru nic nezapíše.\r\nJe nutný zásah administrátora!"};
inline constexpr Text kConfigurationDamaged{4211, "Konfigurační soubor je poškozený nebo příliš velký:\r\n%1\r\nProgram použije výchozí nastavení a do souboru nic nezapíše.\r\nJe nutný zásah administrátora!"};
// clang-format on

// Export and import of inputs.
inline constexpr Text kExportTitle{4300, "Export zadání"};
inline constexpr Text kImportTitle{4301, "Import zadání"};
inline constexpr Text kExportFilter{4302, "Soubory Pramo|*.cln|Všechny soubory|*.*"};
inline constexpr Text kOverwriteFile{4303, "Soubor již existuje!\r\nPřepsat?"};
inline constexpr Text kExported{4304, "Parametry zadání byly exportovány."};
inline constexpr Text kNotExported{4305, "Parametry nebyly uloženy!"};
inline constexpr Text kImported{4306, "Hodnoty byly načteny."};
inline constexpr Text kNotImported{4307, "Chyba přístupu k disku!\r\nHodnoty nebyly načteny!"};
inline constexpr Text kImportValueInvalid{
    4308, "Soubor zadání je poškozen: neplatná hodnota %1.\r\nHodnoty nebyly načteny!"};

// Companies and departments of a database.
inline constexpr Text kCompanyNameMissing{4500, "Zadejte jméno útvaru!"};
inline constexpr Text kCompanyExists{4501, "Útvar již existuje! Nelze ho přidat do databáze."};
inline constexpr Text kCompanyAdded{4502, "Útvar byl přidán do databáze!"};
inline constexpr Text kNoCompanyChosen{4503, "Nezvolil jste žádný útvar!\r\nTento útvar můžete přidat."};
inline constexpr Text kCompanyNotRenamed{4504, "Útvar nebyl přejmenován!"};
inline constexpr Text kCompanyRenamed{4505, "Útvar byl přejmenován."};
inline constexpr Text kConfirmRemoveCompany{4506, "Opravdu odstranit útvar/firmu z databáze?"};
inline constexpr Text kCompanyRemoved{4507, "Útvar byl odstraněn z databáze."};
inline constexpr Text kCompanyNotRemoved{4508, "Útvar se nepodařilo odstranit z databáze!"};
// The edit takes no more, and the code page no other characters: told when a name comes from a script.
inline constexpr Text kCompanyTooLong{4509, "Jméno útvaru může obsahovat nejvýše 50 znaků!"};
inline constexpr Text kCompanyCharacters{4510, "Jméno útvaru obsahuje znak, který nelze uložit do databáze!"};

// Titles of the export and import file dialogs.
inline constexpr Text kExportDialogTitle{4310, "Export zadání"};
inline constexpr Text kImportDialogTitle{4311, "Import zadání"};

}  // namespace pramo::str
