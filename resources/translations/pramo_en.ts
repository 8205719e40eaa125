<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs_CZ">
<context>
    <name>AdministrationPage</name>
    <message>
        <source>Nastavení programu</source>
        <translation>Program settings</translation>
    </message>
    <message>
        <source>Složka databází</source>
        <translation>Database folder</translation>
    </message>
    <message>
        <source>Vlastník programu</source>
        <translation>Program owner</translation>
    </message>
    <message>
        <source>Uložit nastavení</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>Správa databází</source>
        <translation>Databases</translation>
    </message>
    <message>
        <source>Vyberte databázi</source>
        <translation>Choose a database</translation>
    </message>
    <message>
        <source>Přihlašovací jméno</source>
        <translation>Login name</translation>
    </message>
    <message>
        <source>Jméno uživatele</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Nové heslo</source>
        <translation>New password</translation>
    </message>
    <message>
        <source>lineedit-password-character: 42</source>
        <translation>lineedit-password-character: 42</translation>
    </message>
    <message>
        <source>Zopakuj heslo</source>
        <translation>Repeat password</translation>
    </message>
    <message>
        <source>Přidej</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Změň</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Odstraň</source>
        <translation>Remove</translation>
    </message>
</context>
<context>
    <name>CompaniesGroup</name>
    <message>
        <source> Firmy / Útvary - databáze </source>
        <translation> Companies / departments - database </translation>
    </message>
    <message>
        <source>Přidej</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Změň</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Odstraň</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source> 0 / 0 </source>
        <translation> 0 / 0 </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>admin</source>
        <comment>5000</comment>
        <translation>admin</translation>
    </message>
    <message>
        <source>Přihlašovací jméno musí obsahovat alespoň 5 znaků!</source>
        <comment>5001</comment>
        <translation>The login name must have at least 5 characters!</translation>
    </message>
    <message>
        <source>Přihlašovací jméno nemůže být admin!<byte value="xd"/>
Admin je správce databází!</source>
        <comment>5002</comment>
        <translation>The login name cannot be admin!<byte value="xd"/>
Admin is the database administrator!</translation>
    </message>
    <message>
        <source>Jméno uživatele musí obsahovat alespoň 5 znaků!</source>
        <comment>5003</comment>
        <translation>The user name must have at least 5 characters!</translation>
    </message>
    <message>
        <source>Heslo musí obsahovat alespoň 5 znaků!</source>
        <comment>5004</comment>
        <translation>The password must have at least 5 characters!</translation>
    </message>
    <message>
        <source>Nové heslo neodpovídá Zopakuj heslo!<byte value="xd"/>
Heslo zadejte znovu.</source>
        <comment>5005</comment>
        <translation>The new password does not match Repeat password!<byte value="xd"/>
Enter the password again.</translation>
    </message>
    <message>
        <source>Uživatel již existuje - nelze ho přidat!<byte value="xd"/>
Chcete-li změnit některé parametry použijte &quot;Změň&quot;!</source>
        <comment>5006</comment>
        <translation>The user already exists - cannot add!<byte value="xd"/>
To change some of the user&apos;s settings, use &quot;Change&quot;!</translation>
    </message>
    <message>
        <source>Chyba přístupu k disku!<byte value="xd"/>
Nelze založit novou databázi!</source>
        <comment>5007</comment>
        <translation>Disk access error!<byte value="xd"/>
Cannot create a new database!</translation>
    </message>
    <message>
        <source>Byl přidán nový uživatel.</source>
        <comment>5008</comment>
        <translation>A new user has been added.</translation>
    </message>
    <message>
        <source>Založil jste novou databázi. Zatím je přístupná pouze pro jediného uživatele.<byte value="xd"/>
Pracovat s touto databází můžete až po přihlášení k této databázi jako <byte value="xd"/>
uživatel. Nyní jste přihlášen jako správce.</source>
        <comment>5009</comment>
        <translation>You have created a new database. So far it is open to a single user only.<byte value="xd"/>
You can work with this database after you log in to it as a <byte value="xd"/>
user. You are now logged in as the administrator.</translation>
    </message>
    <message>
        <source>Uživatel nebyl nalezen!</source>
        <comment>5010</comment>
        <translation>User not found!</translation>
    </message>
    <message>
        <source>Vlastnosti uživatele jsou aktualizovány.</source>
        <comment>5011</comment>
        <translation>The user&apos;s settings have been updated.</translation>
    </message>
    <message>
        <source>Uživatel nebyl nalezen!<byte value="xd"/>
(Přihlašovací jméno nelze měnit, lze odstranit.)</source>
        <comment>5012</comment>
        <translation>User not found!<byte value="xd"/>
(The login name cannot be changed; the user can be removed.)</translation>
    </message>
    <message>
        <source>Opravdu odstaranit uživatele z databáze?</source>
        <comment>5013</comment>
        <translation>Really remove the user from the database?</translation>
    </message>
    <message>
        <source>Uživatel byl odstraněn z databáze.</source>
        <comment>5014</comment>
        <translation>The user has been removed from the database.</translation>
    </message>
    <message>
        <source>Nejste oprávněn pro vstup do databáze!</source>
        <comment>5015</comment>
        <translation>You are not authorised to enter the database!</translation>
    </message>
    <message>
        <source>Nejste oprávněný administrátor!</source>
        <comment>5016</comment>
        <translation>You are not an authorised administrator!</translation>
    </message>
    <message>
        <source>První přihlášení!<byte value="xd"/>
Nyní změňte heslo pro přihlášení správce (admin).</source>
        <comment>5017</comment>
        <translation>First login!<byte value="xd"/>
Now change the administrator (admin) password.</translation>
    </message>
    <message>
        <source>Jste přihlášen jako správce (admin).<byte value="xd"/>
Proveďte nastavení programu, správce nemůže provádět výpočty!</source>
        <comment>5018</comment>
        <translation>You are logged in as the administrator (admin).<byte value="xd"/>
Set up the program; the administrator cannot compute!</translation>
    </message>
    <message>
        <source>První spuštění programu! Přihlaste se jako administrátor a proveďte nastavení programu!</source>
        <comment>5019</comment>
        <translation>First start of the program! Log in as the administrator and set up the program!</translation>
    </message>
    <message>
        <source>Přihlašovací jméno: admin</source>
        <comment>5021</comment>
        <translation>Login name: admin</translation>
    </message>
    <message>
        <source>Heslo: tesov</source>
        <comment>5022</comment>
        <translation>Password: tesov</translation>
    </message>
    <message>
        <source>Vlastnosti uživatele nejsou aktualizovány!</source>
        <comment>5023</comment>
        <translation>The user&apos;s settings have not been updated!</translation>
    </message>
    <message>
        <source>Heslo nemůže být tesov!<byte value="xd"/>
Změňte heslo!</source>
        <comment>5024</comment>
        <translation>The password cannot be tesov!<byte value="xd"/>
Change the password!</translation>
    </message>
    <message>
        <source>Heslo bylo změněno.</source>
        <comment>5025</comment>
        <translation>The password has been changed.</translation>
    </message>
    <message>
        <source>Musíte změnit heslo!<byte value="xd"/>
Formulář nelze ukončit!</source>
        <comment>5026</comment>
        <translation>You must change the password!<byte value="xd"/>
The window cannot be closed!</translation>
    </message>
    <message>
        <source>Přihlašovací jméno může obsahovat nejvýše 25 znaků!</source>
        <comment>5040</comment>
        <translation>The login name can have at most 25 characters!</translation>
    </message>
    <message>
        <source>Jméno uživatele může obsahovat nejvýše 25 znaků!</source>
        <comment>5041</comment>
        <translation>The user name can have at most 25 characters!</translation>
    </message>
    <message>
        <source>Heslo může obsahovat nejvýše 25 znaků!</source>
        <comment>5042</comment>
        <translation>The password can have at most 25 characters!</translation>
    </message>
    <message>
        <source>Přihlašovací jméno obsahuje znak, který nelze uložit do databáze!</source>
        <comment>5043</comment>
        <translation>The login name contains a character that cannot be stored in the database!</translation>
    </message>
    <message>
        <source>Jméno uživatele obsahuje znak, který nelze uložit do databáze!</source>
        <comment>5044</comment>
        <translation>The user name contains a character that cannot be stored in the database!</translation>
    </message>
    <message>
        <source>Heslo obsahuje znak, který program nedokáže zpracovat!</source>
        <comment>5045</comment>
        <translation>The password contains a character the program cannot process!</translation>
    </message>
    <message>
        <source>Posledního uživatele databáze nelze odstranit!</source>
        <comment>5046</comment>
        <translation>The last user of a database cannot be removed!</translation>
    </message>
    <message>
        <source>Program ještě nebyl nastaven!<byte value="xd"/>
Nejprve změňte heslo správce (admin).</source>
        <comment>5047</comment>
        <translation>The program has not been set up yet!<byte value="xd"/>
First change the administrator (admin) password.</translation>
    </message>
    <message>
        <source>Zvolte tekutinu!</source>
        <comment>3000</comment>
        <translation>Choose the fluid!</translation>
    </message>
    <message>
        <source>Špatně zadáno!</source>
        <comment>3001</comment>
        <translation>Wrong input!</translation>
    </message>
    <message>
        <source>Žádné hodnoty nejsou k dispozici !</source>
        <comment>3002</comment>
        <translation>No values available!</translation>
    </message>
    <message>
        <source> Průtok [%]</source>
        <comment>3100</comment>
        <translation> Flow rate [%]</translation>
    </message>
    <message>
        <source>  Průtok [kg/h]</source>
        <comment>3101</comment>
        <translation>  Flow rate [kg/h]</translation>
    </message>
    <message>
        <source>  Delta p [Pa]</source>
        <comment>3102</comment>
        <translation>  Delta p [Pa]</translation>
    </message>
    <message>
        <source>  I [mA] (4-20)</source>
        <comment>3103</comment>
        <translation>  I [mA] (4-20)</translation>
    </message>
    <message>
        <source>  I [mA] (0-20)</source>
        <comment>3104</comment>
        <translation>  I [mA] (0-20)</translation>
    </message>
    <message>
        <source>Pramo data</source>
        <comment>3200</comment>
        <translation>Pramo data</translation>
    </message>
    <message>
        <source>Zadejte cestu a jméno souboru</source>
        <comment>3201</comment>
        <translation>Enter the path and name of the file</translation>
    </message>
    <message>
        <source>Průtok;Součinitel průtoku;Součinitel expanze;Beta;d1;d20;C;Eps;D;d;dP;Nej. průtoku;Nej. průt. kask.;0,5% Zkrácení přímých délek;eEpsq</source>
        <comment>3202</comment>
        <translation>Flow rate;Discharge coefficient;Expansibility factor;Beta;d1;d20;C;Eps;D;d;dP;Flow unc.;Flow unc. casc.;0.5% Shortened straight lengths;eEpsq</translation>
    </message>
    <message>
        <source>Data se nepodařilo uložit.</source>
        <comment>3203</comment>
        <translation>The data could not be saved.</translation>
    </message>
    <message>
        <source>Data byla uložena.</source>
        <comment>3204</comment>
        <translation>The data have been saved.</translation>
    </message>
    <message>
        <source>Developer Menu.<byte value="xd"/>
Povoleno uložení všech výpočtů!<byte value="xd"/>
<byte value="xd"/>
Při náhodném spuštění tohoto režimu, prosím ukončete program Pramo!<byte value="xd"/>
Opětovným spuštěním programu bude vše vpořádku.</source>
        <comment>3205</comment>
        <translation>Developer Menu.<byte value="xd"/>
Storing of all calculations enabled!<byte value="xd"/>
<byte value="xd"/>
If you started this mode by accident, please exit Pramo!<byte value="xd"/>
Everything will be in order when you start the program again.</translation>
    </message>
    <message>
        <source>Delta_p [Pa]</source>
        <comment>3300</comment>
        <translation>Delta_p [Pa]</translation>
    </message>
    <message>
        <source>C</source>
        <comment>3301</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>Beta</source>
        <comment>3302</comment>
        <translation>Beta</translation>
    </message>
    <message>
        <source>d1 [mm]</source>
        <comment>3303</comment>
        <translation>d1 [mm]</translation>
    </message>
    <message>
        <source>e [%]</source>
        <comment>3304</comment>
        <translation>e [%]</translation>
    </message>
    <message>
        <source>e_min [%]</source>
        <comment>3305</comment>
        <translation>e_min [%]</translation>
    </message>
    <message>
        <source>e_max [%]</source>
        <comment>3306</comment>
        <translation>e_max [%]</translation>
    </message>
    <message>
        <source>L [m]</source>
        <comment>3307</comment>
        <translation>L [m]</translation>
    </message>
    <message>
        <source>Tlaková ztráta [Pa]</source>
        <comment>3308</comment>
        <translation>Pressure loss [Pa]</translation>
    </message>
    <message>
        <source>Průtok [kg/h]</source>
        <comment>3309</comment>
        <translation>Flow rate [kg/h]</translation>
    </message>
    <message>
        <source>Absolutní tlak</source>
        <comment>3310</comment>
        <translation>Absolute pressure</translation>
    </message>
    <message>
        <source>Provozní teplota</source>
        <comment>3311</comment>
        <translation>Operating temperature</translation>
    </message>
    <message>
        <source>Měrná hmotnost</source>
        <comment>3312</comment>
        <translation>Density</translation>
    </message>
    <message>
        <source>Dynamická viskozita</source>
        <comment>3313</comment>
        <translation>Dynamic viscosity</translation>
    </message>
    <message>
        <source>Izentropický exponent</source>
        <comment>3314</comment>
        <translation>Isentropic exponent</translation>
    </message>
    <message>
        <source>Průtok provozní</source>
        <comment>3315</comment>
        <translation>Operating flow rate</translation>
    </message>
    <message>
        <source>Průtok maximální</source>
        <comment>3316</comment>
        <translation>Maximum flow rate</translation>
    </message>
    <message>
        <source>Minimální průtok (zadaný)</source>
        <comment>3317</comment>
        <translation>Minimum flow rate (given)</translation>
    </message>
    <message>
        <source>Průměr potrubí provozní</source>
        <comment>3318</comment>
        <translation>Pipe diameter, operating</translation>
    </message>
    <message>
        <source>Diferenční tlak maximální</source>
        <comment>3319</comment>
        <translation>Maximum differential pressure</translation>
    </message>
    <message>
        <source>Diferenční tlak provozní</source>
        <comment>3320</comment>
        <translation>Operating differential pressure</translation>
    </message>
    <message>
        <source>Reynoldsovo číslo Re_Dmax</source>
        <comment>3321</comment>
        <translation>Reynolds number Re_Dmax</translation>
    </message>
    <message>
        <source>Maximální rychlost</source>
        <comment>3322</comment>
        <translation>Maximum velocity</translation>
    </message>
    <message>
        <source>Součinitel expanze</source>
        <comment>3323</comment>
        <translation>Expansibility factor</translation>
    </message>
    <message>
        <source>Součinitel průtoku</source>
        <comment>3324</comment>
        <translation>Discharge coefficient</translation>
    </message>
    <message>
        <source>Poměr průměrů Beta=d/D</source>
        <comment>3325</comment>
        <translation>Diameter ratio Beta=d/D</translation>
    </message>
    <message>
        <source>Prům. otvoru prim. prvku d</source>
        <comment>3326</comment>
        <translation>Bore of the primary element d</translation>
    </message>
    <message>
        <source>Nejistota prov. průtoku</source>
        <comment>3327</comment>
        <translation>Uncertainty of operating flow</translation>
    </message>
    <message>
        <source>Nejistota min. průtoku</source>
        <comment>3328</comment>
        <translation>Uncertainty of minimum flow</translation>
    </message>
    <message>
        <source>Nejistota max. průtoku</source>
        <comment>3329</comment>
        <translation>Uncertainty of maximum flow</translation>
    </message>
    <message>
        <source>Min. průtok (vypočtený)</source>
        <comment>3330</comment>
        <translation>Min. flow rate (computed)</translation>
    </message>
    <message>
        <source>Minimální přímá délka</source>
        <comment>3331</comment>
        <translation>Minimum straight length</translation>
    </message>
    <message>
        <source>Reynoldsovo číslo Re</source>
        <comment>3332</comment>
        <translation>Reynolds number Re</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <comment>3333</comment>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Nejistota průtoku</source>
        <comment>3334</comment>
        <translation>Flow uncertainty</translation>
    </message>
    <message>
        <source>Průtok</source>
        <comment>3335</comment>
        <translation>Flow rate</translation>
    </message>
    <message>
        <source>Diferenční tlak</source>
        <comment>3336</comment>
        <translation>Differential pressure</translation>
    </message>
    <message>
        <source>Pa</source>
        <comment>3340</comment>
        <translation>Pa</translation>
    </message>
    <message>
        <source>°C</source>
        <comment>3341</comment>
        <translation>°C</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <comment>3342</comment>
        <translation>kg/m3</translation>
    </message>
    <message>
        <source>1E-6 Pa.s</source>
        <comment>3343</comment>
        <translation>1E-6 Pa.s</translation>
    </message>
    <message>
        <source>-</source>
        <comment>3344</comment>
        <translation>-</translation>
    </message>
    <message>
        <source>kg/h</source>
        <comment>3345</comment>
        <translation>kg/h</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>3346</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>m/s</source>
        <comment>3347</comment>
        <translation>m/s</translation>
    </message>
    <message>
        <source>%</source>
        <comment>3348</comment>
        <translation>%</translation>
    </message>
    <message>
        <source>% inf</source>
        <comment>3349</comment>
        <translation>% inf</translation>
    </message>
    <message>
        <source>m</source>
        <comment>3350</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>Průměr potrubí při 20 °C</source>
        <comment>3400</comment>
        <translation>Pipe diameter at 20 °C</translation>
    </message>
    <message>
        <source>Průměr potrubí při provozních podmínkách</source>
        <comment>3401</comment>
        <translation>Pipe diameter at operating conditions</translation>
    </message>
    <message>
        <source>Průměr otvoru d při 20 °C</source>
        <comment>3412</comment>
        <translation>Bore diameter d at 20 °C</translation>
    </message>
    <message>
        <source>Průtok provozní</source>
        <comment>3402</comment>
        <translation>Operating flow rate</translation>
    </message>
    <message>
        <source>Průtok</source>
        <comment>3403</comment>
        <translation>Flow rate</translation>
    </message>
    <message>
        <source>Snímač tlakové diference</source>
        <comment>3404</comment>
        <translation>DP transmitter</translation>
    </message>
    <message>
        <source>    1</source>
        <comment>3405</comment>
        <translation>    1</translation>
    </message>
    <message>
        <source>    2</source>
        <comment>3406</comment>
        <translation>    2</translation>
    </message>
    <message>
        <source>    3</source>
        <comment>3407</comment>
        <translation>    3</translation>
    </message>
    <message>
        <source>    4</source>
        <comment>3408</comment>
        <translation>    4</translation>
    </message>
    <message>
        <source>Rozsah            [Pa]</source>
        <comment>3409</comment>
        <translation>Range              [Pa]</translation>
    </message>
    <message>
        <source>Přesnost           [%]</source>
        <comment>3410</comment>
        <translation>Accuracy           [%]</translation>
    </message>
    <message>
        <source>Zadáním provozního průtoku jiného než maximálního můžete snížit nejistoty měření pro nizké průtoky, ale zpětný výpočet tlakového rozsahu nebo průtoku tuto optimalizaci neumožňuje. Výsledky se nebudou shodovat!</source>
        <comment>3411</comment>
        <translation>By giving an operating flow rate other than the maximum you can lower the measurement uncertainties at low flow rates, but the reverse calculation of the differential pressure range or of the flow rate does not allow this optimisation. The results will not agree!</translation>
    </message>
    <message>
        <source>Očekávám číselnou hodnotu!</source>
        <comment>3500</comment>
        <translation>A number is expected!</translation>
    </message>
    <message>
        <source>Zadaná přesnost snímače tlakové diference je příliš malá!</source>
        <comment>3501</comment>
        <translation>The accuracy given for the differential pressure transmitter is too small!</translation>
    </message>
    <message>
        <source>Zadejte přesnost snímače tlakové diference.</source>
        <comment>3502</comment>
        <translation>Enter the accuracy of the differential pressure transmitter.</translation>
    </message>
    <message>
        <source>Zadejte přesnost stanovení měrné hmotnosti.</source>
        <comment>3503</comment>
        <translation>Enter the accuracy of the density.</translation>
    </message>
    <message>
        <source>Zadejte barometrický tlak.</source>
        <comment>3504</comment>
        <translation>Enter the barometric pressure.</translation>
    </message>
    <message>
        <source>Vztažné podmínky - průtok</source>
        <comment>3505</comment>
        <translation>Reference conditions - flow rate</translation>
    </message>
    <message>
        <source>Vztažné podmínky - hustota</source>
        <comment>3506</comment>
        <translation>Reference conditions - density</translation>
    </message>
    <message>
        <source>Vztažné podmínky pro měrnou hmotnost</source>
        <comment>3507</comment>
        <translation>Reference conditions for density</translation>
    </message>
    <message>
        <source>Vztažné podmínky pro průtok</source>
        <comment>3508</comment>
        <translation>Reference conditions for flow rate</translation>
    </message>
    <message>
        <source>Tlak </source>
        <comment>3509</comment>
        <translation>Pressure </translation>
    </message>
    <message>
        <source>Teplota </source>
        <comment>3510</comment>
        <translation>Temperature </translation>
    </message>
    <message>
        <source>Barometrický tlak</source>
        <comment>3511</comment>
        <translation>Barometric pressure</translation>
    </message>
    <message>
        <source>Výpočet nebyl uložen do databáze!<byte value="xd"/>
Uložit do databáze?<byte value="xd"/>
(Tlačítkem Ne ukončíte program bez uložení rozpracovaného návrhu.)<byte value="xd"/>
(Tlačítkem Storno se vrátíte do programu - pak můžete provést Export zadání.)</source>
        <comment>3600</comment>
        <translation>The calculation has not been stored in the database!<byte value="xd"/>
Store it in the database?<byte value="xd"/>
(No exits the program without storing the design in progress.)<byte value="xd"/>
(Cancel returns to the program - you can then export the input.)</translation>
    </message>
    <message>
        <source>Do nové databáze nebyl zaregistrován žádný uživatel. <byte value="xd"/>
Databáze nebude založena!</source>
        <comment>3601</comment>
        <translation>No user has been registered in the new database. <byte value="xd"/>
The database will not be created!</translation>
    </message>
    <message>
        <source>Obsah nápovědy nelze spustit!<byte value="xd"/>
Soubor nápovědy nebyl nalezen!</source>
        <comment>3602</comment>
        <translation>The help cannot be opened!<byte value="xd"/>
The help file was not found!</translation>
    </message>
    <message>
        <source>Verze </source>
        <comment>3603</comment>
        <translation>Version </translation>
    </message>
    <message>
        <source>Uložit výpočet</source>
        <comment>3604</comment>
        <translation>Save calculation</translation>
    </message>
    <message>
        <source>Export zadání</source>
        <comment>3605</comment>
        <translation>Export input</translation>
    </message>
    <message>
        <source>Import zadání</source>
        <comment>3606</comment>
        <translation>Import input</translation>
    </message>
    <message>
        <source>Výpočet parametrů</source>
        <comment>3607</comment>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Graf nejistot</source>
        <comment>3608</comment>
        <translation>Uncertainty graph</translation>
    </message>
    <message>
        <source>Tabulka nejistot</source>
        <comment>3609</comment>
        <translation>Uncertainty table</translation>
    </message>
    <message>
        <source>Náhled</source>
        <comment>3610</comment>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <comment>3611</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>Chyba</source>
        <comment>3612</comment>
        <translation>Error</translation>
    </message>
    <message>
        <source>Upozornění</source>
        <comment>3613</comment>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Informace</source>
        <comment>3614</comment>
        <translation>Information</translation>
    </message>
    <message>
        <source>Potvrzení</source>
        <comment>3615</comment>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>&amp;Ano</source>
        <comment>3616</comment>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Ne</source>
        <comment>3617</comment>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Storno</source>
        <comment>3618</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>3619</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nalezeno stránek: %1</source>
        <comment>3620</comment>
        <translation>Pages found: %1</translation>
    </message>
    <message>
        <source>clona s koutovými odběry</source>
        <comment>1000</comment>
        <translation>orifice plate with corner tappings</translation>
    </message>
    <message>
        <source>clona s odběry ve vzd. D a D/2</source>
        <comment>1001</comment>
        <translation>orifice plate with D and D/2 tappings</translation>
    </message>
    <message>
        <source>clona s přírubovými odběry</source>
        <comment>1002</comment>
        <translation>orifice plate with flange tappings</translation>
    </message>
    <message>
        <source>dýza ISA 1932</source>
        <comment>1003</comment>
        <translation>ISA 1932 nozzle</translation>
    </message>
    <message>
        <source>dýza s dlouhým poloměrem</source>
        <comment>1004</comment>
        <translation>long radius nozzle</translation>
    </message>
    <message>
        <source>Venturiho trubice A</source>
        <comment>1005</comment>
        <translation>Venturi tube A (as cast)</translation>
    </message>
    <message>
        <source>Venturiho trubice B</source>
        <comment>1006</comment>
        <translation>Venturi tube B (machined)</translation>
    </message>
    <message>
        <source>Venturiho trubice C</source>
        <comment>1007</comment>
        <translation>Venturi tube C (welded sheet)</translation>
    </message>
    <message>
        <source>Venturiho dýza</source>
        <comment>1008</comment>
        <translation>Venturi nozzle</translation>
    </message>
    <message>
        <source>clona s koutovými odběry</source>
        <comment>65282</comment>
        <translation>orifice plate with corner tappings</translation>
    </message>
    <message>
        <source>clona s odběry ve vzdálenosti D a D/2</source>
        <comment>65283</comment>
        <translation>orifice plate with D and D/2 tappings</translation>
    </message>
    <message>
        <source>clona s přírubovými odběry</source>
        <comment>65284</comment>
        <translation>orifice plate with flange tappings</translation>
    </message>
    <message>
        <source>dýza ISA 1932</source>
        <comment>65285</comment>
        <translation>ISA 1932 nozzle</translation>
    </message>
    <message>
        <source>dýza s dlouhým poloměrem</source>
        <comment>65286</comment>
        <translation>long radius nozzle</translation>
    </message>
    <message>
        <source>klasická Venturiho trubice s odlitým konfuzorem</source>
        <comment>65287</comment>
        <translation>classical Venturi tube with an as-cast convergent section</translation>
    </message>
    <message>
        <source>klasická Venturiho trubice s obrobeným konfuzorem</source>
        <comment>65288</comment>
        <translation>classical Venturi tube with a machined convergent section</translation>
    </message>
    <message>
        <source>klasická Venturiho trubice s plechovým svařovaným konfuzorem</source>
        <comment>65289</comment>
        <translation>classical Venturi tube with a rough-welded sheet-iron convergent section</translation>
    </message>
    <message>
        <source>Venturiho dýza</source>
        <comment>65290</comment>
        <translation>Venturi nozzle</translation>
    </message>
    <message>
        <source>sytá pára</source>
        <comment>1010</comment>
        <translation>saturated steam</translation>
    </message>
    <message>
        <source>přehřátá pára</source>
        <comment>1011</comment>
        <translation>superheated steam</translation>
    </message>
    <message>
        <source>voda</source>
        <comment>1012</comment>
        <translation>water</translation>
    </message>
    <message>
        <source>suchý vzduch</source>
        <comment>1013</comment>
        <translation>dry air</translation>
    </message>
    <message>
        <source>vlhký vzduch</source>
        <comment>1014</comment>
        <translation>humid air</translation>
    </message>
    <message>
        <source>plyn</source>
        <comment>1015</comment>
        <translation>gas</translation>
    </message>
    <message>
        <source>kapalina</source>
        <comment>1016</comment>
        <translation>liquid</translation>
    </message>
    <message>
        <source>neurčeno</source>
        <comment>1017</comment>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>Průměr otvoru d</source>
        <comment>1020</comment>
        <translation>Bore diameter d</translation>
    </message>
    <message>
        <source>Diferenční tlak delta_p</source>
        <comment>1021</comment>
        <translation>Differential pressure delta_p</translation>
    </message>
    <message>
        <source>Průtok q</source>
        <comment>1022</comment>
        <translation>Flow rate q</translation>
    </message>
    <message>
        <source>1.0345 (11364; P235GH; A516-65/55)</source>
        <comment>1030</comment>
        <translation>1.0345 (11364; P235GH; A516-65/55)</translation>
    </message>
    <message>
        <source>1.0405 (12022; P255G1TH)</source>
        <comment>1031</comment>
        <translation>1.0405 (12022; P255G1TH)</translation>
    </message>
    <message>
        <source>1.0425 (11416, P265GH)</source>
        <comment>1032</comment>
        <translation>1.0425 (11416, P265GH)</translation>
    </message>
    <message>
        <source>1.0570 (11523; E355SR)</source>
        <comment>1033</comment>
        <translation>1.0570 (11523; E355SR)</translation>
    </message>
    <message>
        <source>1.4006 (17021; X12Cr13; AISI 410)</source>
        <comment>1034</comment>
        <translation>1.4006 (17021; X12Cr13; AISI 410)</translation>
    </message>
    <message>
        <source>1.4301 (17240; 304)</source>
        <comment>1035</comment>
        <translation>1.4301 (17240; 304)</translation>
    </message>
    <message>
        <source>1.4306 (17249; 304L)</source>
        <comment>1036</comment>
        <translation>1.4306 (17249; 304L)</translation>
    </message>
    <message>
        <source>1.4401 (17346; 316)</source>
        <comment>1037</comment>
        <translation>1.4401 (17346; 316)</translation>
    </message>
    <message>
        <source>1.4404 (17349; 316L)</source>
        <comment>1038</comment>
        <translation>1.4404 (17349; 316L)</translation>
    </message>
    <message>
        <source>1.4541 (17248; X10CrNiTi18-9; 321)</source>
        <comment>1039</comment>
        <translation>1.4541 (17248; X10CrNiTi18-9; 321)</translation>
    </message>
    <message>
        <source>1.4571 (17348, 316Ti)</source>
        <comment>1040</comment>
        <translation>1.4571 (17348, 316Ti)</translation>
    </message>
    <message>
        <source>1.4903 (X10CrMoVNb9-1; A182 F91)</source>
        <comment>1041</comment>
        <translation>1.4903 (X10CrMoVNb9-1; A182 F91)</translation>
    </message>
    <message>
        <source>1.5415 (15020; 15Mo3/16Mo3; A182 F1)</source>
        <comment>1042</comment>
        <translation>1.5415 (15020; 15Mo3/16Mo3; A182 F1)</translation>
    </message>
    <message>
        <source>1.7335 (15121; 13CrMo4-5/13CrMo4-4; A182 F11/F12)</source>
        <comment>1043</comment>
        <translation>1.7335 (15121; 13CrMo4-5/13CrMo4-4; A182 F11/F12)</translation>
    </message>
    <message>
        <source>1.7362 (17102; 12CrMo19-5; A182 Gr. 3)</source>
        <comment>1044</comment>
        <translation>1.7362 (17102; 12CrMo19-5; A182 Gr. 3)</translation>
    </message>
    <message>
        <source>1.7380 (15313; 10CrMo9-10; A182 F22)</source>
        <comment>1045</comment>
        <translation>1.7380 (15313; 10CrMo9-10; A182 F22)</translation>
    </message>
    <message>
        <source>1.7715 (15128; 14MoV6-3; K11591)</source>
        <comment>1046</comment>
        <translation>1.7715 (15128; 14MoV6-3; K11591)</translation>
    </message>
    <message>
        <source>1.6903 (17246; X10CrNiTi18-10)</source>
        <comment>1047</comment>
        <translation>1.6903 (17246; X10CrNiTi18-10)</translation>
    </message>
    <message>
        <source>jiný</source>
        <comment>1048</comment>
        <translation>other</translation>
    </message>
    <message>
        <source>Pa - A</source>
        <comment>1100</comment>
        <translation>Pa - A</translation>
    </message>
    <message>
        <source>kPa - A</source>
        <comment>1101</comment>
        <translation>kPa - A</translation>
    </message>
    <message>
        <source>MPa - A</source>
        <comment>1102</comment>
        <translation>MPa - A</translation>
    </message>
    <message>
        <source>PSI - A</source>
        <comment>1103</comment>
        <translation>PSI - A</translation>
    </message>
    <message>
        <source>mbar - A</source>
        <comment>1104</comment>
        <translation>mbar - A</translation>
    </message>
    <message>
        <source>bar - A</source>
        <comment>1105</comment>
        <translation>bar - A</translation>
    </message>
    <message>
        <source>g/cm2 - A</source>
        <comment>1106</comment>
        <translation>g/cm2 - A</translation>
    </message>
    <message>
        <source>kg/cm2 - A</source>
        <comment>1107</comment>
        <translation>kg/cm2 - A</translation>
    </message>
    <message>
        <source>Pa - G</source>
        <comment>1108</comment>
        <translation>Pa - G</translation>
    </message>
    <message>
        <source>kPa - G</source>
        <comment>1109</comment>
        <translation>kPa - G</translation>
    </message>
    <message>
        <source>MPa - G</source>
        <comment>1110</comment>
        <translation>MPa - G</translation>
    </message>
    <message>
        <source>PSI - G</source>
        <comment>1111</comment>
        <translation>PSI - G</translation>
    </message>
    <message>
        <source>mbar - G</source>
        <comment>1112</comment>
        <translation>mbar - G</translation>
    </message>
    <message>
        <source>bar - G</source>
        <comment>1113</comment>
        <translation>bar - G</translation>
    </message>
    <message>
        <source>g/cm2 - G</source>
        <comment>1114</comment>
        <translation>g/cm2 - G</translation>
    </message>
    <message>
        <source>kg/cm2 - G</source>
        <comment>1115</comment>
        <translation>kg/cm2 - G</translation>
    </message>
    <message>
        <source>Pa</source>
        <comment>1120</comment>
        <translation>Pa</translation>
    </message>
    <message>
        <source>kPa</source>
        <comment>1121</comment>
        <translation>kPa</translation>
    </message>
    <message>
        <source>MPa</source>
        <comment>1122</comment>
        <translation>MPa</translation>
    </message>
    <message>
        <source>PSI</source>
        <comment>1123</comment>
        <translation>PSI</translation>
    </message>
    <message>
        <source>mbar</source>
        <comment>1124</comment>
        <translation>mbar</translation>
    </message>
    <message>
        <source>bar</source>
        <comment>1125</comment>
        <translation>bar</translation>
    </message>
    <message>
        <source>g/cm2</source>
        <comment>1126</comment>
        <translation>g/cm2</translation>
    </message>
    <message>
        <source>kg/cm2</source>
        <comment>1127</comment>
        <translation>kg/cm2</translation>
    </message>
    <message>
        <source>°C</source>
        <comment>1130</comment>
        <translation>°C</translation>
    </message>
    <message>
        <source>K</source>
        <comment>1131</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>°F</source>
        <comment>1132</comment>
        <translation>°F</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>1135</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>cm</source>
        <comment>1136</comment>
        <translation>cm</translation>
    </message>
    <message>
        <source>dm</source>
        <comment>1137</comment>
        <translation>dm</translation>
    </message>
    <message>
        <source>m</source>
        <comment>1138</comment>
        <translation>m</translation>
    </message>
    <message>
        <source>1E-6 Pa . s</source>
        <comment>1140</comment>
        <translation>1E-6 Pa . s</translation>
    </message>
    <message>
        <source>Pa . s</source>
        <comment>1141</comment>
        <translation>Pa . s</translation>
    </message>
    <message>
        <source>g/cm . s</source>
        <comment>1142</comment>
        <translation>g/cm . s</translation>
    </message>
    <message>
        <source>mP</source>
        <comment>1143</comment>
        <translation>mP</translation>
    </message>
    <message>
        <source>cP</source>
        <comment>1144</comment>
        <translation>cP</translation>
    </message>
    <message>
        <source>P</source>
        <comment>1145</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>mm2/s</source>
        <comment>1146</comment>
        <translation>mm2/s</translation>
    </message>
    <message>
        <source>cm2/s</source>
        <comment>1147</comment>
        <translation>cm2/s</translation>
    </message>
    <message>
        <source>m2/s</source>
        <comment>1148</comment>
        <translation>m2/s</translation>
    </message>
    <message>
        <source>cSt</source>
        <comment>1149</comment>
        <translation>cSt</translation>
    </message>
    <message>
        <source>St</source>
        <comment>1150</comment>
        <translation>St</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <comment>1155</comment>
        <translation>kg/m3</translation>
    </message>
    <message>
        <source>vp[kg/m3]</source>
        <comment>1156</comment>
        <translation>vp[kg/m3]</translation>
    </message>
    <message>
        <source>N[kg/m3]</source>
        <comment>1157</comment>
        <translation>N[kg/m3]</translation>
    </message>
    <message>
        <source>n[kg/m3]</source>
        <comment>1158</comment>
        <translation>n[kg/m3]</translation>
    </message>
    <message>
        <source>kg/h</source>
        <comment>1160</comment>
        <translation>kg/h</translation>
    </message>
    <message>
        <source>m3/h</source>
        <comment>1161</comment>
        <translation>m3/h</translation>
    </message>
    <message>
        <source>vp[m3/h]</source>
        <comment>1162</comment>
        <translation>vp[m3/h]</translation>
    </message>
    <message>
        <source>n[m3/h]</source>
        <comment>1163</comment>
        <translation>n[m3/h]</translation>
    </message>
    <message>
        <source>N[m3/h]</source>
        <comment>1164</comment>
        <translation>N[m3/h]</translation>
    </message>
    <message>
        <source>t/h</source>
        <comment>1165</comment>
        <translation>t/h</translation>
    </message>
    <message>
        <source>[98,0665 kPa, 20°C]</source>
        <comment>1166</comment>
        <translation>[98.0665 kPa, 20°C]</translation>
    </message>
    <message>
        <source>[101,3250 kPa, 0°C]</source>
        <comment>1167</comment>
        <translation>[101.3250 kPa, 0°C]</translation>
    </message>
    <message>
        <source>Hodnota maximálního průtoku je menší než hodnota provozního!<byte value="xd"/>
Opravte hodnotu maximálního průtoku!</source>
        <comment>1200</comment>
        <translation>The maximum flow rate is smaller than the operating flow rate!<byte value="xd"/>
Correct the maximum flow rate!</translation>
    </message>
    <message>
        <source>Hodnota minimálního průtoku je větší než hodnota provozního!<byte value="xd"/>
Opravte hodnotu minimálního průtoku!</source>
        <comment>1201</comment>
        <translation>The minimum flow rate is larger than the operating flow rate!<byte value="xd"/>
Correct the minimum flow rate!</translation>
    </message>
    <message>
        <source>Není zvolena žádná tvarovka před primárním prvkem!<byte value="xd"/>
Program automaticky přiřadí Koleno 90°.</source>
        <comment>1202</comment>
        <translation>No fitting upstream of the primary element has been chosen!<byte value="xd"/>
The program assigns a 90° bend.</translation>
    </message>
    <message>
        <source>Teplotu syté páry nelze vypočítat!</source>
        <comment>1203</comment>
        <translation>The temperature of saturated steam cannot be computed!</translation>
    </message>
    <message>
        <source>Špatné parametry (tlak, teplota) - nelze vypočítat!</source>
        <comment>1204</comment>
        <translation>Wrong parameters (pressure, temperature) - cannot compute!</translation>
    </message>
    <message>
        <source>Chyba v zadání!<byte value="xd"/>
Zřejmě došlo k prekročení mezní hodnoty měrné hmotnosti nebo teploty.</source>
        <comment>1205</comment>
        <translation>Input error!<byte value="xd"/>
The limit of the density or of the temperature has probably been exceeded.</translation>
    </message>
    <message>
        <source>Text pole &quot;%1&quot; obsahuje znak, který program nedokáže uložit:<byte value="xd"/>
%2<byte value="xd"/>
Opravte text.</source>
        <comment>1206</comment>
        <translation>The text of the field &quot;%1&quot; contains a character the program cannot store:<byte value="xd"/>
%2<byte value="xd"/>
Correct the text.</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <comment>1210</comment>
        <translation>Note</translation>
    </message>
    <message>
        <source>Firma / Útvar</source>
        <comment>1211</comment>
        <translation>Company / department</translation>
    </message>
    <message>
        <source>Měřicí místo</source>
        <comment>1212</comment>
        <translation>Measuring point</translation>
    </message>
    <message>
        <source>Zadání provozní teploty pro sytou páru je podmíněno nutností zadat <byte value="xd"/>
odpovídající měrnou hmotnost a viskozitu!</source>
        <comment>1300</comment>
        <translation>An operating temperature for saturated steam requires the <byte value="xd"/>
corresponding density and viscosity to be given!</translation>
    </message>
    <message>
        <source>Zadanému tlaku a teplotě neodpovídá stav tekutiny.<byte value="xd"/>
Tekutina je voda!</source>
        <comment>1301</comment>
        <translation>The fluid state does not match the given pressure and temperature.<byte value="xd"/>
The fluid is water!</translation>
    </message>
    <message>
        <source>Zadanému tlaku a teplotě neodpovídá stav tekutiny.<byte value="xd"/>
Tekutina je přehřátá pára!</source>
        <comment>1302</comment>
        <translation>The fluid state does not match the given pressure and temperature.<byte value="xd"/>
The fluid is superheated steam!</translation>
    </message>
    <message>
        <source>Nelze vypočítat měrnou hmotnost!<byte value="xd"/>
Budete ji muset zadat.</source>
        <comment>1303</comment>
        <translation>The density cannot be computed!<byte value="xd"/>
You will have to enter it.</translation>
    </message>
    <message>
        <source>Chybné nastavení parametrů zadání nebo nastavení!<byte value="xd"/>
Opravte parametry.</source>
        <comment>1400</comment>
        <translation>Wrong input parameters or settings!<byte value="xd"/>
Correct the parameters.</translation>
    </message>
    <message>
        <source>Zřejmě chybné zadání parametrů pro výpočet, nebo překročení mezí!<byte value="xd"/>
Pečlivě zkontrolujte zadání a nastavení parametrů.</source>
        <comment>1500</comment>
        <translation>Probably wrong input parameters, or limits exceeded!<byte value="xd"/>
Check the input and the settings carefully.</translation>
    </message>
    <message>
        <source>Re_Dmax přesahuje meze!</source>
        <comment>1510</comment>
        <translation>Re_Dmax outside the limits!</translation>
    </message>
    <message>
        <source>Průměr otvoru primárního prvku mimo meze!</source>
        <comment>1511</comment>
        <translation>Bore of the primary element outside the limits!</translation>
    </message>
    <message>
        <source>Průměr potrubí mimo meze!</source>
        <comment>1512</comment>
        <translation>Pipe diameter outside the limits!</translation>
    </message>
    <message>
        <source>Výpočet nekonverguje - %1!</source>
        <comment>1513</comment>
        <translation>The calculation does not converge - %1!</translation>
    </message>
    <message>
        <source>Beta mimo meze!</source>
        <comment>1514</comment>
        <translation>Beta outside the limits!</translation>
    </message>
    <message>
        <source>Mimimální průtok nevyhovuje!</source>
        <comment>1515</comment>
        <translation>The minimum flow rate does not comply!</translation>
    </message>
    <message>
        <source>Poměr tlaků p2/p1 &lt; 0.75!</source>
        <comment>1516</comment>
        <translation>Pressure ratio p2/p1 &lt; 0.75!</translation>
    </message>
    <message>
        <source>Rychlost mimo %1 - %2 m/s   inf.</source>
        <comment>1517</comment>
        <translation>Velocity outside %1 - %2 m/s   inf.</translation>
    </message>
    <message>
        <source>Výpočet je chybný!</source>
        <comment>1518</comment>
        <translation>The calculation is wrong!</translation>
    </message>
    <message>
        <source>Chyba výpočtu !</source>
        <comment>1520</comment>
        <translation>Calculation error !</translation>
    </message>
    <message>
        <source>Proveďte prosím export zadání</source>
        <comment>1521</comment>
        <translation>Please export the input</translation>
    </message>
    <message>
        <source>a zašlete ho do Tavor</source>
        <comment>1522</comment>
        <translation>and send it to Tavor</translation>
    </message>
    <message>
        <source>na adresu technické podpory uvedenou v nápovědě.</source>
        <comment>1523</comment>
        <translation>at the technical support address given in the help.</translation>
    </message>
    <message>
        <source>Děkujeme.</source>
        <comment>1524</comment>
        <translation>Thank you.</translation>
    </message>
    <message>
        <source>Koleno 90° nebo dvě kolena, S&gt;30D</source>
        <comment>1800</comment>
        <translation>90° bend or two bends, S&gt;30D</translation>
    </message>
    <message>
        <source>Dvě kolena 90° v rovině, 30D&gt;=S&gt;10D</source>
        <comment>1801</comment>
        <translation>Two 90° bends in the same plane, 30D&gt;=S&gt;10D</translation>
    </message>
    <message>
        <source>Dvě kolena 90° v rovině, 10D&gt;=S</source>
        <comment>1802</comment>
        <translation>Two 90° bends in the same plane, 10D&gt;=S</translation>
    </message>
    <message>
        <source>Dvě kolena 90° v kolmých rov., 30D&gt;=S&gt;5D</source>
        <comment>1803</comment>
        <translation>Two 90° bends in perpendicular planes, 30D&gt;=S&gt;5D</translation>
    </message>
    <message>
        <source>Dvě kolena 90° v kolmých rov., 5D&gt;S</source>
        <comment>1804</comment>
        <translation>Two 90° bends in perpendicular planes, 5D&gt;S</translation>
    </message>
    <message>
        <source>Jednoduchý T kus 90°</source>
        <comment>1805</comment>
        <translation>Single 90° tee</translation>
    </message>
    <message>
        <source>Koleno 45°, dvě kolena 45° S&gt;=2D</source>
        <comment>1806</comment>
        <translation>45° bend, two 45° bends S&gt;=2D</translation>
    </message>
    <message>
        <source>Soustředné zúžení ze 2D na D</source>
        <comment>1807</comment>
        <translation>Concentric reducer 2D to D</translation>
    </message>
    <message>
        <source>Soustředné rozšíření z 0,5D na D</source>
        <comment>1808</comment>
        <translation>Concentric expander 0.5D to D</translation>
    </message>
    <message>
        <source>Zcela otevřené šoupě</source>
        <comment>1809</comment>
        <translation>Full bore gate valve fully open</translation>
    </message>
    <message>
        <source>Náhlé symetrické zúžení</source>
        <comment>1810</comment>
        <translation>Abrupt symmetrical reduction</translation>
    </message>
    <message>
        <source>Teploměrová jímka &lt;=0,03D</source>
        <comment>1811</comment>
        <translation>Thermometer pocket &lt;=0.03D</translation>
    </message>
    <message>
        <source>Koleno 90° nebo T kus</source>
        <comment>1815</comment>
        <translation>90° bend or tee</translation>
    </message>
    <message>
        <source>Více kolen v rovině</source>
        <comment>1816</comment>
        <translation>Several bends in the same plane</translation>
    </message>
    <message>
        <source>Více kolen v různých rovinách</source>
        <comment>1817</comment>
        <translation>Several bends in different planes</translation>
    </message>
    <message>
        <source>Zúžení ze 2D na D</source>
        <comment>1818</comment>
        <translation>Reducer 2D to D</translation>
    </message>
    <message>
        <source>Rozšíření z 0,5D na D</source>
        <comment>1819</comment>
        <translation>Expander 0.5D to D</translation>
    </message>
    <message>
        <source>Zcela otevřený přímý ventil</source>
        <comment>1820</comment>
        <translation>Full bore globe valve fully open</translation>
    </message>
    <message>
        <source>Zcela otevřené šoupě</source>
        <comment>1821</comment>
        <translation>Full bore gate valve fully open</translation>
    </message>
    <message>
        <source>Náhlé symetrické zúžení</source>
        <comment>1822</comment>
        <translation>Abrupt symmetrical reduction</translation>
    </message>
    <message>
        <source>Teploměrová jímka &lt;=0,03D</source>
        <comment>1823</comment>
        <translation>Thermometer pocket &lt;=0.03D</translation>
    </message>
    <message>
        <source>Teploměrová jímka 0,03-0,13D</source>
        <comment>1824</comment>
        <translation>Thermometer pocket 0.03D-0.13D</translation>
    </message>
    <message>
        <source>Koleno 90°</source>
        <comment>1830</comment>
        <translation>90° bend</translation>
    </message>
    <message>
        <source>Více kolen</source>
        <comment>1831</comment>
        <translation>Several bends</translation>
    </message>
    <message>
        <source>Zúžení potrubí z 1,33D na D</source>
        <comment>1832</comment>
        <translation>Reducer 1.33D to D</translation>
    </message>
    <message>
        <source>Rozšíření z 0,67D na D</source>
        <comment>1833</comment>
        <translation>Expander 0.67D to D</translation>
    </message>
    <message>
        <source>Zúžení z 3D na D</source>
        <comment>1834</comment>
        <translation>Reducer 3D to D</translation>
    </message>
    <message>
        <source>Rozšíření z 0,75D na D</source>
        <comment>1835</comment>
        <translation>Expander 0.75D to D</translation>
    </message>
    <message>
        <source>Zcela otevřené šoupě</source>
        <comment>1836</comment>
        <translation>Full bore gate valve fully open</translation>
    </message>
    <message>
        <source>Koleno 90° nebo T kus</source>
        <comment>1840</comment>
        <translation>90° bend or tee</translation>
    </message>
    <message>
        <source>Více kolen v rovině</source>
        <comment>1841</comment>
        <translation>Several bends in the same plane</translation>
    </message>
    <message>
        <source>Více kolen v různých rovinách</source>
        <comment>1842</comment>
        <translation>Several bends in different planes</translation>
    </message>
    <message>
        <source>Zúžení ze 2D na D</source>
        <comment>1843</comment>
        <translation>Reducer 2D to D</translation>
    </message>
    <message>
        <source>Rozšíření z 0,5D na D</source>
        <comment>1844</comment>
        <translation>Expander 0.5D to D</translation>
    </message>
    <message>
        <source>Plně otevřený přímý ventil</source>
        <comment>1845</comment>
        <translation>Full bore globe valve fully open</translation>
    </message>
    <message>
        <source>Plně otevřené šoupě</source>
        <comment>1846</comment>
        <translation>Full bore gate valve fully open</translation>
    </message>
    <message>
        <source>Náhlé symetrické zúžení</source>
        <comment>1847</comment>
        <translation>Abrupt symmetrical reduction</translation>
    </message>
    <message>
        <source>Teploměrová jímka &lt;=0,03D</source>
        <comment>1848</comment>
        <translation>Thermometer pocket &lt;=0.03D</translation>
    </message>
    <message>
        <source>Teploměrová jímka 0,03-0,13D</source>
        <comment>1849</comment>
        <translation>Thermometer pocket 0.03D-0.13D</translation>
    </message>
    <message>
        <source>Koleno 90°</source>
        <comment>1850</comment>
        <translation>90° bend</translation>
    </message>
    <message>
        <source>Více kolen v rovině</source>
        <comment>1851</comment>
        <translation>Several bends in the same plane</translation>
    </message>
    <message>
        <source>Více kolen v různých rovinách</source>
        <comment>1852</comment>
        <translation>Several bends in different planes</translation>
    </message>
    <message>
        <source>Zúžení ze 3D na D</source>
        <comment>1853</comment>
        <translation>Reducer 3D to D</translation>
    </message>
    <message>
        <source>Rozšíření z 0,75D na D</source>
        <comment>1854</comment>
        <translation>Expander 0.75D to D</translation>
    </message>
    <message>
        <source>Plně otevřené šoupě</source>
        <comment>1855</comment>
        <translation>Full bore gate valve fully open</translation>
    </message>
    <message>
        <source>Materiál potrubí</source>
        <comment>1860</comment>
        <translation>Pipe material</translation>
    </message>
    <message>
        <source>Materiál vstupního válce</source>
        <comment>1861</comment>
        <translation>Inlet cylinder material</translation>
    </message>
    <message>
        <source>Kamenických</source>
        <comment>7000</comment>
        <translation>Kamenický</translation>
    </message>
    <message>
        <source>Latin 2</source>
        <comment>7001</comment>
        <translation>Latin 2</translation>
    </message>
    <message>
        <source>Bez diakritiky</source>
        <comment>7002</comment>
        <translation>Without diacritics</translation>
    </message>
    <message>
        <source>Pára sytá</source>
        <comment>7010</comment>
        <translation>Saturated steam</translation>
    </message>
    <message>
        <source>Pára přehřátá</source>
        <comment>7011</comment>
        <translation>Superheated steam</translation>
    </message>
    <message>
        <source>Voda</source>
        <comment>7012</comment>
        <translation>Water</translation>
    </message>
    <message>
        <source>Vzduch suchý</source>
        <comment>7013</comment>
        <translation>Dry air</translation>
    </message>
    <message>
        <source>Vzduch vlhký</source>
        <comment>7014</comment>
        <translation>Humid air</translation>
    </message>
    <message>
        <source>Plyn</source>
        <comment>7015</comment>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Kapalina</source>
        <comment>7016</comment>
        <translation>Liquid</translation>
    </message>
    <message>
        <source>neurčeno</source>
        <comment>7020</comment>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>Nepodařilo se přečíst soubor s výpočty!</source>
        <comment>7100</comment>
        <translation>The calculations file could not be read!</translation>
    </message>
    <message>
        <source>Nepodařilo se přečíst soubor databází firem!</source>
        <comment>7101</comment>
        <translation>The companies database file could not be read!</translation>
    </message>
    <message>
        <source>Nalistujte soubor databáze programu Kvantora!</source>
        <comment>7200</comment>
        <translation>Browse for the database file of the Kvantora program!</translation>
    </message>
    <message>
        <source>Vyberte soubor databáze programu Pramo!</source>
        <comment>7201</comment>
        <translation>Choose the database file of the Pramo program!</translation>
    </message>
    <message>
        <source>Výpočty budou uloženy do nové databáze, všechny předchozí výpočty <byte value="xd"/>
nové databáze budou nenávratně ztraceny!<byte value="xd"/>
<byte value="xd"/>
Opravdu chcete výpočty převést do nové databáze?</source>
        <comment>7202</comment>
        <translation>The calculations will be stored in a new database; all previous calculations <byte value="xd"/>
of the new database will be lost for ever!<byte value="xd"/>
<byte value="xd"/>
Do you really want to convert the calculations into the new database?</translation>
    </message>
    <message>
        <source>Převod byl přerušen!<byte value="xd"/>
Ukončit převádění formátu?</source>
        <comment>7203</comment>
        <translation>The conversion has been interrupted!<byte value="xd"/>
Stop converting the format?</translation>
    </message>
    <message>
        <source>Výpočty z Kvantora byly převedeny do databáze Pramo.</source>
        <comment>7204</comment>
        <translation>The calculations from Kvantora have been converted into the Pramo database.</translation>
    </message>
    <message>
        <source>Nepodařilo se přečíst soubor!</source>
        <comment>7205</comment>
        <translation>The file could not be read!</translation>
    </message>
    <message>
        <source>Převádím výpočty z Kvantora do databáze programu Pramo.</source>
        <comment>7210</comment>
        <translation>Converting calculations from Kvantora into the Pramo database.</translation>
    </message>
    <message>
        <source>Zkonvertován výpočet:</source>
        <comment>7211</comment>
        <translation>Calculation converted:</translation>
    </message>
    <message>
        <source>Ukládám databázi firem.</source>
        <comment>7212</comment>
        <translation>Storing the companies database.</translation>
    </message>
    <message>
        <source>Soubor výpočtů končí neúplným záznamem (%1 bajtů navíc), ten nebude převeden.</source>
        <comment>7220</comment>
        <translation>The calculations file ends in an incomplete record (%1 bytes over); it will not be converted.</translation>
    </message>
    <message>
        <source>Soubor databáze výpočtů</source>
        <comment>7300</comment>
        <translation>Calculations database file</translation>
    </message>
    <message>
        <source>Databáze výpočtů Kvantora (vypocty.000)</source>
        <comment>7301</comment>
        <translation>Kvantora calculations database (vypocty.000)</translation>
    </message>
    <message>
        <source>Soubor databáze firem</source>
        <comment>7302</comment>
        <translation>Companies database file</translation>
    </message>
    <message>
        <source>Databáze firem Kvantora (firmy.000)</source>
        <comment>7303</comment>
        <translation>Kvantora companies database (firmy.000)</translation>
    </message>
    <message>
        <source>Číslo výpočtu</source>
        <comment>7310</comment>
        <translation>Calculation number</translation>
    </message>
    <message>
        <source>Popis</source>
        <comment>7311</comment>
        <translation>Description</translation>
    </message>
    <message>
        <source>Chyba přístupu k tiskárně...</source>
        <comment>6000</comment>
        <translation>Printer access error...</translation>
    </message>
    <message>
        <source>Formát papíru je pro tisk osvědčení příliš malý!<byte value="xd"/>
Nastavte větší formát média, nejlépe A4.</source>
        <comment>6001</comment>
        <translation>The paper size is too small for printing the certificate!<byte value="xd"/>
Choose a larger paper size, best A4.</translation>
    </message>
    <message>
        <source>Osvědčení o výpočtu primárního prvku dle ČSN EN ISO 5167</source>
        <comment>6010</comment>
        <translation>Certificate of the primary element calculation to ČSN EN ISO 5167</translation>
    </message>
    <message>
        <source>Osvědčení o výpočtu diferenčního tlaku dle ČSN EN ISO 5167</source>
        <comment>6011</comment>
        <translation>Certificate of the differential pressure calculation to ČSN EN ISO 5167</translation>
    </message>
    <message>
        <source>Osvědčení o výpočtu průtoku dle ČSN EN ISO 5167</source>
        <comment>6012</comment>
        <translation>Certificate of the flow rate calculation to ČSN EN ISO 5167</translation>
    </message>
    <message>
        <source>Kvantora verze 2</source>
        <comment>6020</comment>
        <translation>Kvantora version 2</translation>
    </message>
    <message>
        <source>Pramo verze </source>
        <comment>6021</comment>
        <translation>Pramo version </translation>
    </message>
    <message>
        <source> 1.0</source>
        <comment>6022</comment>
        <translation> 1.0</translation>
    </message>
    <message>
        <source>X</source>
        <comment>6023</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>Tavor</source>
        <comment>6024</comment>
        <translation>Tavor</translation>
    </message>
    <message>
        <source>Strana </source>
        <comment>6025</comment>
        <translation>Page </translation>
    </message>
    <message>
        <source>Číslo výpočtu:</source>
        <comment>6026</comment>
        <translation>Calculation number:</translation>
    </message>
    <message>
        <source>Datum výpočtu:</source>
        <comment>6027</comment>
        <translation>Calculation date:</translation>
    </message>
    <message>
        <source>Firma/Útvar</source>
        <comment>6028</comment>
        <translation>Company/department</translation>
    </message>
    <message>
        <source>Měřicí místo:</source>
        <comment>6029</comment>
        <translation>Measuring point:</translation>
    </message>
    <message>
        <source>Navrhl:</source>
        <comment>6030</comment>
        <translation>Designed by:</translation>
    </message>
    <message>
        <source>Databáze: </source>
        <comment>6031</comment>
        <translation>Database: </translation>
    </message>
    <message>
        <source>50 %</source>
        <comment>6040</comment>
        <translation>50 %</translation>
    </message>
    <message>
        <source>75 %</source>
        <comment>6041</comment>
        <translation>75 %</translation>
    </message>
    <message>
        <source>100 %</source>
        <comment>6042</comment>
        <translation>100 %</translation>
    </message>
    <message>
        <source>150 %</source>
        <comment>6043</comment>
        <translation>150 %</translation>
    </message>
    <message>
        <source>Popis</source>
        <comment>6100</comment>
        <translation>Description</translation>
    </message>
    <message>
        <source>Zadané hodnoty</source>
        <comment>6101</comment>
        <translation>Input values</translation>
    </message>
    <message>
        <source>Primární prvek</source>
        <comment>6102</comment>
        <translation>Primary element</translation>
    </message>
    <message>
        <source>Tekutina</source>
        <comment>6103</comment>
        <translation>Fluid</translation>
    </message>
    <message>
        <source>Absolutní tlak</source>
        <comment>6104</comment>
        <translation>Absolute pressure</translation>
    </message>
    <message>
        <source>Relativní tlak</source>
        <comment>6105</comment>
        <translation>Gauge pressure</translation>
    </message>
    <message>
        <source>Provozní teplota</source>
        <comment>6106</comment>
        <translation>Operating temperature</translation>
    </message>
    <message>
        <source>Měrná hmotnost</source>
        <comment>6107</comment>
        <translation>Density</translation>
    </message>
    <message>
        <source>Viskozita</source>
        <comment>6108</comment>
        <translation>Viscosity</translation>
    </message>
    <message>
        <source>Vlhkost (pro vlhký vzduch)</source>
        <comment>6109</comment>
        <translation>Humidity (for humid air)</translation>
    </message>
    <message>
        <source>Izentropický exponent Cp/Cv</source>
        <comment>6110</comment>
        <translation>Isentropic exponent Cp/Cv</translation>
    </message>
    <message>
        <source>Průměr otvoru primárního prvku d při 20°C</source>
        <comment>6111</comment>
        <translation>Bore of the primary element d at 20°C</translation>
    </message>
    <message>
        <source>Průměr otvoru primárního prvku d při prov. podm.</source>
        <comment>6112</comment>
        <translation>Bore of the primary element d at operating cond.</translation>
    </message>
    <message>
        <source>Průměr potrubí při 20 °C</source>
        <comment>6113</comment>
        <translation>Pipe diameter at 20 °C</translation>
    </message>
    <message>
        <source>Průměr potrubí při provozních podmínkách</source>
        <comment>6114</comment>
        <translation>Pipe diameter at operating conditions</translation>
    </message>
    <message>
        <source>Průtok provozní</source>
        <comment>6115</comment>
        <translation>Operating flow rate</translation>
    </message>
    <message>
        <source>Průtok maximální</source>
        <comment>6116</comment>
        <translation>Maximum flow rate</translation>
    </message>
    <message>
        <source>Minimální průtok (zadaný)</source>
        <comment>6117</comment>
        <translation>Minimum flow rate (given)</translation>
    </message>
    <message>
        <source>Průtok</source>
        <comment>6118</comment>
        <translation>Flow rate</translation>
    </message>
    <message>
        <source>Průtok zadán jako Suchý vzduch</source>
        <comment>6119</comment>
        <translation>Flow rate given as dry air</translation>
    </message>
    <message>
        <source>Diferenční tlak maximální</source>
        <comment>6120</comment>
        <translation>Maximum differential pressure</translation>
    </message>
    <message>
        <source>Diferenční tlak</source>
        <comment>6121</comment>
        <translation>Differential pressure</translation>
    </message>
    <message>
        <source>Materiál primárního prvku</source>
        <comment>6122</comment>
        <translation>Primary element material</translation>
    </message>
    <message>
        <source>Materiál potrubí</source>
        <comment>6123</comment>
        <translation>Pipe material</translation>
    </message>
    <message>
        <source>Mezivýsledky</source>
        <comment>6130</comment>
        <translation>Intermediate results</translation>
    </message>
    <message>
        <source>Reynoldsovo číslo Re</source>
        <comment>6131</comment>
        <translation>Reynolds number Re</translation>
    </message>
    <message>
        <source>Rychlost</source>
        <comment>6132</comment>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>Reynoldsovo číslo při provozním průtoku</source>
        <comment>6133</comment>
        <translation>Reynolds number at operating flow rate</translation>
    </message>
    <message>
        <source>Rychlost při provozním průtoku</source>
        <comment>6134</comment>
        <translation>Velocity at operating flow rate</translation>
    </message>
    <message>
        <source>Reynoldsovo číslo při maximálním průtoku</source>
        <comment>6135</comment>
        <translation>Reynolds number at maximum flow rate</translation>
    </message>
    <message>
        <source>Rychlost při maximálním průtoku</source>
        <comment>6136</comment>
        <translation>Velocity at maximum flow rate</translation>
    </message>
    <message>
        <source>Reynoldsovo číslo při minimálním průtoku</source>
        <comment>6137</comment>
        <translation>Reynolds number at minimum flow rate</translation>
    </message>
    <message>
        <source>Výsledné hodnoty</source>
        <comment>6140</comment>
        <translation>Final results</translation>
    </message>
    <message>
        <source>Součinitel průtoku C</source>
        <comment>6141</comment>
        <translation>Discharge coefficient C</translation>
    </message>
    <message>
        <source>Součinitel expanze</source>
        <comment>6142</comment>
        <translation>Expansibility factor</translation>
    </message>
    <message>
        <source>Poměr průměrů Beta=d/D při provozních podm.</source>
        <comment>6143</comment>
        <translation>Diameter ratio Beta=d/D at operating cond.</translation>
    </message>
    <message>
        <source>Přímé délky před primárním prvkem:</source>
        <comment>6150</comment>
        <translation>Straight lengths upstream of the primary element:</translation>
    </message>
    <message>
        <source>Přímá délka za primárním prvkem do nejbližší tvarovky</source>
        <comment>6151</comment>
        <translation>Straight length downstream of the primary element to the nearest fitting</translation>
    </message>
    <message>
        <source>Tlaková ztráta</source>
        <comment>6152</comment>
        <translation>Pressure loss</translation>
    </message>
    <message>
        <source>Tlaková ztráta při maximálním průtoku</source>
        <comment>6153</comment>
        <translation>Pressure loss at maximum flow rate</translation>
    </message>
    <message>
        <source>Reynoldsovo číslo minimální povolené</source>
        <comment>6154</comment>
        <translation>Minimum permitted Reynolds number</translation>
    </message>
    <message>
        <source>Nejistoty:</source>
        <comment>6160</comment>
        <translation>Uncertainties:</translation>
    </message>
    <message>
        <source>C - součinitel průtoku</source>
        <comment>6161</comment>
        <translation>C - discharge coefficient</translation>
    </message>
    <message>
        <source>zkráceních přímých délek</source>
        <comment>6162</comment>
        <translation>shortened straight lengths</translation>
    </message>
    <message>
        <source>přesazení &gt; 0,3%</source>
        <comment>6163</comment>
        <translation>eccentricity &gt; 0.3%</translation>
    </message>
    <message>
        <source>Eps - součinitel expanze</source>
        <comment>6164</comment>
        <translation>Eps - expansibility factor</translation>
    </message>
    <message>
        <source>D - průměr potrubí</source>
        <comment>6165</comment>
        <translation>D - pipe diameter</translation>
    </message>
    <message>
        <source>d - průměr primárního prvku</source>
        <comment>6166</comment>
        <translation>d - bore of the primary element</translation>
    </message>
    <message>
        <source>dP - tlaková diference</source>
        <comment>6167</comment>
        <translation>dP - differential pressure</translation>
    </message>
    <message>
        <source>Ro - měrná hmotnost</source>
        <comment>6168</comment>
        <translation>Ro - density</translation>
    </message>
    <message>
        <source>Nejistota provozního průtoku</source>
        <comment>6169</comment>
        <translation>Uncertainty of the operating flow rate</translation>
    </message>
    <message>
        <source>!!! Výpočet nebo zadání neodpovídá ČSN EN ISO 5167 !!!</source>
        <comment>6170</comment>
        <translation>!!! The calculation or the input does not comply with ČSN EN ISO 5167 !!!</translation>
    </message>
    <message>
        <source>Kaskáda snímačů tlakové diference</source>
        <comment>6180</comment>
        <translation>Cascade of differential pressure transmitters</translation>
    </message>
    <message>
        <source>Snímač tlakové diference</source>
        <comment>6181</comment>
        <translation>DP transmitter</translation>
    </message>
    <message>
        <source>Rozsah            [Pa]</source>
        <comment>6182</comment>
        <translation>Range              [Pa]</translation>
    </message>
    <message>
        <source>Přesnost           [%]</source>
        <comment>6183</comment>
        <translation>Accuracy           [%]</translation>
    </message>
    <message>
        <source>Graf nejistoty průtoku</source>
        <comment>6190</comment>
        <translation>Flow uncertainty graph</translation>
    </message>
    <message>
        <source>Graf nejistoty průtoku - pro </source>
        <comment>6191</comment>
        <translation>Flow uncertainty graph - for </translation>
    </message>
    <message>
        <source>kaskádu a zadaný snímač</source>
        <comment>6192</comment>
        <translation>the cascade and the given transmitter</translation>
    </message>
    <message>
        <source>zadaný snímač</source>
        <comment>6193</comment>
        <translation>the given transmitter</translation>
    </message>
    <message>
        <source>kaskádu</source>
        <comment>6194</comment>
        <translation>the cascade</translation>
    </message>
    <message>
        <source>nejistota [%]</source>
        <comment>6195</comment>
        <translation>uncertainty [%]</translation>
    </message>
    <message>
        <source>rozsah [%]</source>
        <comment>6196</comment>
        <translation>range [%]</translation>
    </message>
    <message>
        <source>Nejistoty průtoku</source>
        <comment>6200</comment>
        <translation>Flow uncertainties</translation>
    </message>
    <message>
        <source>[%1] :</source>
        <comment>6210</comment>
        <translation>[%1] :</translation>
    </message>
    <message>
        <source>%1 :</source>
        <comment>6211</comment>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>:</source>
        <comment>6212</comment>
        <translation>:</translation>
    </message>
    <message>
        <source>[%1 Pa]</source>
        <comment>6213</comment>
        <translation>[%1 Pa]</translation>
    </message>
    <message>
        <source>[%1 Pa, %2°C]</source>
        <comment>6214</comment>
        <translation>[%1 Pa, %2°C]</translation>
    </message>
    <message>
        <source>[%1 Pa, %2 °C]</source>
        <comment>6215</comment>
        <translation>[%1 Pa, %2 °C]</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>6216</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>m/s</source>
        <comment>6217</comment>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Pa</source>
        <comment>6218</comment>
        <translation>Pa</translation>
    </message>
    <message>
        <source>%</source>
        <comment>6219</comment>
        <translation>%</translation>
    </message>
    <message>
        <source>kg/h</source>
        <comment>6220</comment>
        <translation>kg/h</translation>
    </message>
    <message>
        <source>ČSN 17 246</source>
        <comment>6230</comment>
        <translation>ČSN 17 246</translation>
    </message>
    <message>
        <source>ČSN 15 123</source>
        <comment>6231</comment>
        <translation>ČSN 15 123</translation>
    </message>
    <message>
        <source>ČSN 17 021</source>
        <comment>6232</comment>
        <translation>ČSN 17 021</translation>
    </message>
    <message>
        <source>ČSN 17 248</source>
        <comment>6233</comment>
        <translation>ČSN 17 248</translation>
    </message>
    <message>
        <source>ČSN 17 347</source>
        <comment>6234</comment>
        <translation>ČSN 17 347</translation>
    </message>
    <message>
        <source>ČSN 17 348</source>
        <comment>6235</comment>
        <translation>ČSN 17 348</translation>
    </message>
    <message>
        <source>ČSN 12 022</source>
        <comment>6236</comment>
        <translation>ČSN 12 022</translation>
    </message>
    <message>
        <source>jiný</source>
        <comment>6237</comment>
        <translation>other</translation>
    </message>
    <message>
        <source>ČSN 11 373</source>
        <comment>6240</comment>
        <translation>ČSN 11 373</translation>
    </message>
    <message>
        <source>ČSN 15 123</source>
        <comment>6241</comment>
        <translation>ČSN 15 123</translation>
    </message>
    <message>
        <source>ČSN 17 021</source>
        <comment>6242</comment>
        <translation>ČSN 17 021</translation>
    </message>
    <message>
        <source>ČSN 17 246</source>
        <comment>6243</comment>
        <translation>ČSN 17 246</translation>
    </message>
    <message>
        <source>ČSN 17 248</source>
        <comment>6244</comment>
        <translation>ČSN 17 248</translation>
    </message>
    <message>
        <source>ČSN 17 347</source>
        <comment>6245</comment>
        <translation>ČSN 17 347</translation>
    </message>
    <message>
        <source>ČSN 17 348</source>
        <comment>6246</comment>
        <translation>ČSN 17 348</translation>
    </message>
    <message>
        <source>jiný</source>
        <comment>6247</comment>
        <translation>other</translation>
    </message>
    <message>
        <source>Firma x Telefon x URL</source>
        <comment>6250</comment>
        <translation>Company x Phone x URL</translation>
    </message>
    <message>
        <source>Strana %1 z %2</source>
        <comment>6260</comment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Nelze číst pracovní soubor z disku!</source>
        <comment>4000</comment>
        <translation>Cannot read the working file from the disk!</translation>
    </message>
    <message>
        <source>Chyba přístupu k disku!</source>
        <comment>4001</comment>
        <translation>Disk access error!</translation>
    </message>
    <message>
        <source>Soubor databáze nebyl nalezen!<byte value="xd"/>
Neuloženo!</source>
        <comment>4002</comment>
        <translation>The database file was not found!<byte value="xd"/>
Not stored!</translation>
    </message>
    <message>
        <source>Nepodařilo se vytvořit pomocný pracovní soubor!</source>
        <comment>4003</comment>
        <translation>The auxiliary working file could not be created!</translation>
    </message>
    <message>
        <source>Nelze číst pracovní soubor z disku!<byte value="xd"/>
Neuloženo!</source>
        <comment>4004</comment>
        <translation>Cannot read the working file from the disk!<byte value="xd"/>
Not stored!</translation>
    </message>
    <message>
        <source>Nelze zapsat soubor na disk!<byte value="xd"/>
Neuloženo!</source>
        <comment>4005</comment>
        <translation>Cannot write the file to the disk!<byte value="xd"/>
Not stored!</translation>
    </message>
    <message>
        <source>Chyba přístupu k disku!<byte value="xd"/>
Neuloženo!</source>
        <comment>4006</comment>
        <translation>Disk access error!<byte value="xd"/>
Not stored!</translation>
    </message>
    <message>
        <source>Z důvodu fatální chyby přístupu k disku nemůže program korektně <byte value="xd"/>
zpracovat databázový soubor!<byte value="xd"/>
Ukončete program!<byte value="xd"/>
Databáze je uložena na stejném místě na disku, ale s příponou *.bak, <byte value="xd"/>
pro další práci změňte příponu tohoto souboru na *.flw !</source>
        <comment>4007</comment>
        <translation>Because of a fatal disk access error the program cannot correctly <byte value="xd"/>
process the database file!<byte value="xd"/>
Exit the program!<byte value="xd"/>
The database is kept in the same place on the disk, but with the extension *.bak, <byte value="xd"/>
to go on working change the extension of this file to *.flw !</translation>
    </message>
    <message>
        <source>Číslo výpočtu již v databázi existuje, nebo je nižší než nejvyšší číslo v <byte value="xd"/>
databázi. Zadejte vyšší číslo výpočtu!<byte value="xd"/>
<byte value="xd"/>
(Tato situace může nastat v případě práce na síti se společnou <byte value="xd"/>
databází. Následuje aktualizování databáze...)</source>
        <comment>4008</comment>
        <translation>The calculation number already exists in the database, or it is lower than the highest number in the <byte value="xd"/>
database. Enter a higher calculation number!<byte value="xd"/>
<byte value="xd"/>
(This can happen when working over a network with a shared <byte value="xd"/>
database. The database is now refreshed...)</translation>
    </message>
    <message>
        <source>Některé parametry se liší od přednastavených hodnot!<byte value="xd"/>
Ověřte zda opravdu chcete pracovat s tímto nastavením.<byte value="xd"/>
Menu Nastavení | ...</source>
        <comment>4009</comment>
        <translation>Some parameters differ from the preset values!<byte value="xd"/>
Check that you really want to work with these settings.<byte value="xd"/>
Menu Settings | ...</translation>
    </message>
    <message>
        <source>Neplatný formát databáze!<byte value="xd"/>
Program nedokáže zpracovat data.</source>
        <comment>4010</comment>
        <translation>Invalid database format!<byte value="xd"/>
The program cannot process the data.</translation>
    </message>
    <message>
        <source>Soubor databáze končí neúplným záznamem (%1 bajtů navíc).<byte value="xd"/>
Úplné záznamy lze číst, databázi však nelze měnit.<byte value="xd"/>
Je nutný zásah administrátora!</source>
        <comment>4011</comment>
        <translation>The database file ends in an incomplete record (%1 bytes over).<byte value="xd"/>
The complete records can be read, but the database cannot be changed.<byte value="xd"/>
The administrator must step in!</translation>
    </message>
    <message>
        <source>Soubor databáze končí neúplným záznamem.<byte value="xd"/>
Aby se neztratila data, program databázi nemění.<byte value="xd"/>
Je nutný zásah administrátora!<byte value="xd"/>
Neuloženo!</source>
        <comment>4012</comment>
        <translation>The database file ends in an incomplete record.<byte value="xd"/>
So that no data are lost, the program does not change the database.<byte value="xd"/>
The administrator must step in!<byte value="xd"/>
Not stored!</translation>
    </message>
    <message>
        <source>Předchozí změna databáze nebyla dokončena.<byte value="xd"/>
Databáze byla obnovena ze záložního souboru:<byte value="xd"/>
%1</source>
        <comment>4013</comment>
        <translation>A previous change of the database was not finished.<byte value="xd"/>
The database has been restored from the backup file:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Výpočet %1 nebyl v databázi nalezen.<byte value="xd"/>
Databázi mezitím zřejmě změnil jiný uživatel.</source>
        <comment>4014</comment>
        <translation>Calculation %1 was not found in the database.<byte value="xd"/>
Another user has probably changed the database in the meantime.</translation>
    </message>
    <message>
        <source>Záznam %1: neplatná značka verze.</source>
        <comment>4020</comment>
        <translation>Record %1: invalid version tag.</translation>
    </message>
    <message>
        <source>Záznam %1: příznak obsazení na pozici %2 má hodnotu %3.</source>
        <comment>4021</comment>
        <translation>Record %1: the occupancy flag at position %2 has the value %3.</translation>
    </message>
    <message>
        <source>Záznam %1: délka textu na pozici %2 přesahuje jeho kapacitu.</source>
        <comment>4022</comment>
        <translation>Record %1: the length of the text at position %2 exceeds its capacity.</translation>
    </message>
    <message>
        <source>Záznam %1: číslo výpočtu %2 je v databázi vícekrát.</source>
        <comment>4023</comment>
        <translation>Record %1: calculation number %2 occurs more than once in the database.</translation>
    </message>
    <message>
        <source>Záznam %1: číslo výpočtu %2 je mimo povolený rozsah.</source>
        <comment>4024</comment>
        <translation>Record %1: calculation number %2 is outside the permitted range.</translation>
    </message>
    <message>
        <source>Soubor končí neúplným záznamem (%1 bajtů navíc).</source>
        <comment>4025</comment>
        <translation>The file ends in an incomplete record (%1 bytes over).</translation>
    </message>
    <message>
        <source>Soubor databáze nelze přečíst.</source>
        <comment>4026</comment>
        <translation>The database file cannot be read.</translation>
    </message>
    <message>
        <source>Číslo výpočtu</source>
        <comment>4100</comment>
        <translation>Calculation number</translation>
    </message>
    <message>
        <source>Měřicí místo</source>
        <comment>4101</comment>
        <translation>Measuring point</translation>
    </message>
    <message>
        <source>Tekutina</source>
        <comment>4102</comment>
        <translation>Fluid</translation>
    </message>
    <message>
        <source>Primární prvek</source>
        <comment>4103</comment>
        <translation>Primary element</translation>
    </message>
    <message>
        <source>Průměr potrubí</source>
        <comment>4104</comment>
        <translation>Pipe diameter</translation>
    </message>
    <message>
        <source>Datum</source>
        <comment>4105</comment>
        <translation>Date</translation>
    </message>
    <message>
        <source>Firma/Útvar</source>
        <comment>4106</comment>
        <translation>Company/department</translation>
    </message>
    <message>
        <source>&lt;všechny výpočty&gt;</source>
        <comment>4110</comment>
        <translation>&lt;all calculations&gt;</translation>
    </message>
    <message>
        <source>firma/útvar</source>
        <comment>4111</comment>
        <translation>company/department</translation>
    </message>
    <message>
        <source>tekutina</source>
        <comment>4112</comment>
        <translation>fluid</translation>
    </message>
    <message>
        <source>program</source>
        <comment>4113</comment>
        <translation>program</translation>
    </message>
    <message>
        <source>datum</source>
        <comment>4114</comment>
        <translation>date</translation>
    </message>
    <message>
        <source>Kvantora v2</source>
        <comment>4115</comment>
        <translation>Kvantora v2</translation>
    </message>
    <message>
        <source>Pramo v1.0</source>
        <comment>4116</comment>
        <translation>Pramo v1.0</translation>
    </message>
    <message>
        <source>Pramo v1.1</source>
        <comment>4117</comment>
        <translation>Pramo v1.1</translation>
    </message>
    <message>
        <source>dnes</source>
        <comment>4118</comment>
        <translation>today</translation>
    </message>
    <message>
        <source>7 dní</source>
        <comment>4119</comment>
        <translation>7 days</translation>
    </message>
    <message>
        <source>14 dní</source>
        <comment>4120</comment>
        <translation>14 days</translation>
    </message>
    <message>
        <source>30 dní</source>
        <comment>4121</comment>
        <translation>30 days</translation>
    </message>
    <message>
        <source>365 dní</source>
        <comment>4122</comment>
        <translation>365 days</translation>
    </message>
    <message>
        <source>Seřadit sestupně</source>
        <comment>4123</comment>
        <translation>Sort descending</translation>
    </message>
    <message>
        <source>Seřadit vzestupně</source>
        <comment>4124</comment>
        <translation>Sort ascending</translation>
    </message>
    <message>
        <source>Zobrazit výpočet</source>
        <comment>4125</comment>
        <translation>Show calculation</translation>
    </message>
    <message>
        <source>Nový výpočet</source>
        <comment>4126</comment>
        <translation>New calculation</translation>
    </message>
    <message>
        <source>Kopie výpočtu</source>
        <comment>4127</comment>
        <translation>Copy calculation</translation>
    </message>
    <message>
        <source>Přepočítat výpočet</source>
        <comment>4128</comment>
        <translation>Recompute calculation</translation>
    </message>
    <message>
        <source>Výpočet není uložen!<byte value="xd"/>
Klepnutím na Ano bude nenávratně ztracen!<byte value="xd"/>
Pokračovat?</source>
        <comment>4130</comment>
        <translation>The calculation has not been stored!<byte value="xd"/>
Yes discards it for good!<byte value="xd"/>
Continue?</translation>
    </message>
    <message>
        <source>Databáze nebsahuje žádný výpočet!</source>
        <comment>4131</comment>
        <translation>The database holds no calculation!</translation>
    </message>
    <message>
        <source>V tabulce vyberte výpočet!</source>
        <comment>4132</comment>
        <translation>Choose a calculation in the table!</translation>
    </message>
    <message>
        <source>Databáze je plná!<byte value="xd"/>
Nelze přidat nový výpočet.</source>
        <comment>4133</comment>
        <translation>The database is full!<byte value="xd"/>
No new calculation can be added.</translation>
    </message>
    <message>
        <source>Index výpočtu překročil povolenou mez 99!<byte value="xd"/>
Tento výpočet již nelze přepočítat.<byte value="xd"/>
Můžete ho zkopírovat a přepočítat pod novým číslem výpočtu.</source>
        <comment>4134</comment>
        <translation>The calculation index has exceeded its limit of 99!<byte value="xd"/>
This calculation can no longer be recomputed.<byte value="xd"/>
You can copy it and recompute it under a new calculation number.</translation>
    </message>
    <message>
        <source>Zadejte celočíselnou hodnotu!</source>
        <comment>4135</comment>
        <translation>Enter a whole number!</translation>
    </message>
    <message>
        <source>Kopírujete zadání výpočtu, který byl proveden dle starší normy. Některé <byte value="xd"/>
tvarovky nová norma popisuje jinak!<byte value="xd"/>
Věnujte prosím pozornost výběru vhodných tvarovek.</source>
        <comment>4136</comment>
        <translation>You are copying the input of a calculation made to an older edition of the standard. The new edition describes <byte value="xd"/>
some fittings differently!<byte value="xd"/>
Please take care to choose the right fittings.</translation>
    </message>
    <message>
        <source>Kopírujete zadání výpočtu, který byl proveden starší verzí programu.<byte value="xd"/>
Nově můžete vybrat i z dalších materiálů!<byte value="xd"/>
Rozšířena je volba materiálu primárního prvku i materiálu potrubí.</source>
        <comment>4137</comment>
        <translation>You are copying the input of a calculation made by an older version of the program.<byte value="xd"/>
You can now choose from further materials!<byte value="xd"/>
The choice of primary element and pipe materials has been extended.</translation>
    </message>
    <message>
        <source>Provedl jste změny v zadání, nejprve spusťte výpočet!<byte value="xd"/>
Neuloženo.</source>
        <comment>4138</comment>
        <translation>You have changed the input; run the calculation first!<byte value="xd"/>
Not stored.</translation>
    </message>
    <message>
        <source>Výpočet neodpovídá normě!<byte value="xd"/>
Nelze uložit do databáze, lze exportovat do souboru.</source>
        <comment>4139</comment>
        <translation>The calculation does not comply with the standard!<byte value="xd"/>
It cannot be stored in the database, but it can be exported to a file.</translation>
    </message>
    <message>
        <source>Rozsah kaskádního snímače tlakové diference musí být menší než diferenční<byte value="xd"/>
tlak při maximálním průtoku!</source>
        <comment>4140</comment>
        <translation>The range of the cascade differential pressure transmitter must be smaller than the differential<byte value="xd"/>
pressure at maximum flow rate!</translation>
    </message>
    <message>
        <source>Číslo výpočtu již existuje! Nelze uložit do databáze!<byte value="xd"/>
Zadejte jiné číslo výpočtu!</source>
        <comment>4141</comment>
        <translation>The calculation number already exists! Cannot store in the database!<byte value="xd"/>
Enter another calculation number!</translation>
    </message>
    <message>
        <source>Číslo výpočtu je nižší než nejvyšší číslo výpočtu v databázi! Neuloženo!<byte value="xd"/>
Zadejte vyšší číslo výpočtu.</source>
        <comment>4142</comment>
        <translation>The calculation number is lower than the highest calculation number in the database! Not stored!<byte value="xd"/>
Enter a higher calculation number.</translation>
    </message>
    <message>
        <source>Neplatné číslo výpočtu!<byte value="xd"/>
Neuloženo.</source>
        <comment>4143</comment>
        <translation>Invalid calculation number!<byte value="xd"/>
Not stored.</translation>
    </message>
    <message>
        <source>Není zadán Útvar ani Měřicí místo!<byte value="xd"/>
Má se přesto výpočet uložit?</source>
        <comment>4144</comment>
        <translation>Neither department nor measuring point is given!<byte value="xd"/>
Store the calculation anyway?</translation>
    </message>
    <message>
        <source>Není zadán Útvar!<byte value="xd"/>
Má se přesto výpočet uložit?</source>
        <comment>4145</comment>
        <translation>No department is given!<byte value="xd"/>
Store the calculation anyway?</translation>
    </message>
    <message>
        <source>Není zadáno Měřicí místo!<byte value="xd"/>
Má se přesto výpočet uložit?</source>
        <comment>4146</comment>
        <translation>No measuring point is given!<byte value="xd"/>
Store the calculation anyway?</translation>
    </message>
    <message>
        <source>Výpočet byl uložen do databáze!</source>
        <comment>4147</comment>
        <translation>The calculation has been stored in the database!</translation>
    </message>
    <message>
        <source>Nepodařilo se uložit změny do souboru!</source>
        <comment>4148</comment>
        <translation>The changes could not be saved to the file!</translation>
    </message>
    <message>
        <source> Vypočtené hodnoty - číslo výpočtu </source>
        <comment>4149</comment>
        <translation> Computed values - calculation number </translation>
    </message>
    <message>
        <source>&lt;založit novou databázi&gt;</source>
        <comment>4160</comment>
        <translation>&lt;create a new database&gt;</translation>
    </message>
    <message>
        <source>V případě, že používáte více než jednu databázi, dejte pozor na <byte value="xd"/>
duplicitu čísel výpočtů! <byte value="xd"/>
Porobněji viz Nápověda (Číslování výpočtů).</source>
        <comment>4161</comment>
        <translation>If you use more than one database, watch out for <byte value="xd"/>
duplicate calculation numbers! <byte value="xd"/>
For more see Help (Calculation numbering).</translation>
    </message>
    <message>
        <source>Založení nové databáze</source>
        <comment>4162</comment>
        <translation>New database</translation>
    </message>
    <message>
        <source>Zadejte jméno databázového souboru</source>
        <comment>4163</comment>
        <translation>Enter the name of the database file</translation>
    </message>
    <message>
        <source>Soubor již existuje!<byte value="xd"/>
Nelze založit novou databázi.</source>
        <comment>4164</comment>
        <translation>The file already exists!<byte value="xd"/>
Cannot create a new database.</translation>
    </message>
    <message>
        <source>Zaregistrujte uživatele, který bude mít přístup do databáze.</source>
        <comment>4165</comment>
        <translation>Register a user who will have access to the database.</translation>
    </message>
    <message>
        <source>Nepodařilo se najít soubor databáze!<byte value="xd"/>
Nelze otevřít databázi.</source>
        <comment>4166</comment>
        <translation>The database file could not be found!<byte value="xd"/>
Cannot open the database.</translation>
    </message>
    <message>
        <source>Pramo - </source>
        <comment>4167</comment>
        <translation>Pramo - </translation>
    </message>
    <message>
        <source>Neplatné jméno databázového souboru!<byte value="xd"/>
Nelze založit novou databázi.</source>
        <comment>4168</comment>
        <translation>Invalid database file name!<byte value="xd"/>
Cannot create a new database.</translation>
    </message>
    <message>
        <source>Cesta k databázím neexistuje!<byte value="xd"/>
Je nutný zásah administrátora!</source>
        <comment>4200</comment>
        <translation>The database folder does not exist!<byte value="xd"/>
The administrator must step in!</translation>
    </message>
    <message>
        <source>Change of language will be applied after application restart!</source>
        <comment>4201</comment>
        <translation>Change of language will be applied after application restart!</translation>
    </message>
    <message>
        <source>Změny nastavení nejsou uloženy!<byte value="xd"/>
Uložit nastavení?</source>
        <comment>4202</comment>
        <translation>The settings changes have not been saved!<byte value="xd"/>
Save the settings?</translation>
    </message>
    <message>
        <source>Firma x Telefon x URL</source>
        <comment>4203</comment>
        <translation>Company x Phone x URL</translation>
    </message>
    <message>
        <source>Nastavení nelze zapsat do konfiguračního souboru:<byte value="xd"/>
%1<byte value="xd"/>
Změny nejsou uloženy!</source>
        <comment>4204</comment>
        <translation>The settings cannot be written to the configuration file:<byte value="xd"/>
%1<byte value="xd"/>
The changes have not been saved!</translation>
    </message>
    <message>
        <source>Export zadání</source>
        <comment>4300</comment>
        <translation>Export input</translation>
    </message>
    <message>
        <source>Import zadání</source>
        <comment>4301</comment>
        <translation>Import input</translation>
    </message>
    <message>
        <source>Soubory Pramo|*.cln|Všechny soubory|*.*</source>
        <comment>4302</comment>
        <translation>Pramo files|*.cln|All files|*.*</translation>
    </message>
    <message>
        <source>Soubor již existuje!<byte value="xd"/>
Přepsat?</source>
        <comment>4303</comment>
        <translation>The file already exists!<byte value="xd"/>
Overwrite it?</translation>
    </message>
    <message>
        <source>Parametry zadání byly exportovány.</source>
        <comment>4304</comment>
        <translation>The input parameters have been exported.</translation>
    </message>
    <message>
        <source>Parametry nebyly uloženy!</source>
        <comment>4305</comment>
        <translation>The parameters have not been saved!</translation>
    </message>
    <message>
        <source>Hodnoty byly načteny.</source>
        <comment>4306</comment>
        <translation>The values have been read.</translation>
    </message>
    <message>
        <source>Chyba přístupu k disku!<byte value="xd"/>
Hodnoty nebyly načteny!</source>
        <comment>4307</comment>
        <translation>Disk access error!<byte value="xd"/>
The values have not been read!</translation>
    </message>
    <message>
        <source>Zadejte jméno útvaru!</source>
        <comment>4500</comment>
        <translation>Enter the name of the department!</translation>
    </message>
    <message>
        <source>Útvar již existuje! Nelze ho přidat do databáze.</source>
        <comment>4501</comment>
        <translation>The department already exists! It cannot be added to the database.</translation>
    </message>
    <message>
        <source>Útvar byl přidán do databáze!</source>
        <comment>4502</comment>
        <translation>The department has been added to the database!</translation>
    </message>
    <message>
        <source>Nezvolil jste žádný útvar!<byte value="xd"/>
Tento útvar můžete přidat.</source>
        <comment>4503</comment>
        <translation>You have not chosen any department!<byte value="xd"/>
You can add this department.</translation>
    </message>
    <message>
        <source>Útvar nebyl přejmenován!</source>
        <comment>4504</comment>
        <translation>The department has not been renamed!</translation>
    </message>
    <message>
        <source>Útvar byl přejmenován.</source>
        <comment>4505</comment>
        <translation>The department has been renamed.</translation>
    </message>
    <message>
        <source>Opravdu odstranit útvar/firmu z databáze?</source>
        <comment>4506</comment>
        <translation>Really remove the department/company from the database?</translation>
    </message>
    <message>
        <source>Útvar byl odstraněn z databáze.</source>
        <comment>4507</comment>
        <translation>The department has been removed from the database.</translation>
    </message>
    <message>
        <source>Útvar se nepodařilo odstranit z databáze!</source>
        <comment>4508</comment>
        <translation>The department could not be removed from the database!</translation>
    </message>
    <message>
        <source>Jméno útvaru může obsahovat nejvýše 50 znaků!</source>
        <comment>4509</comment>
        <translation>The name of a department can have at most 50 characters!</translation>
    </message>
    <message>
        <source>Jméno útvaru obsahuje znak, který nelze uložit do databáze!</source>
        <comment>4510</comment>
        <translation>The name of the department contains a character that cannot be stored in the database!</translation>
    </message>
    <message>
        <source>Export zadání</source>
        <comment>4310</comment>
        <translation>Export input</translation>
    </message>
    <message>
        <source>Import zadání</source>
        <comment>4311</comment>
        <translation>Import input</translation>
    </message>
    <message>
        <source>Špatně zadán diferenční tlak kaskády!</source>
        <comment>2000</comment>
        <translation>Wrong differential pressure of the cascade!</translation>
    </message>
    <message>
        <source>Špatně zadána přesnost snímače tlakové diference!</source>
        <comment>2001</comment>
        <translation>Wrong accuracy of the differential pressure transmitter!</translation>
    </message>
    <message>
        <source>Zadaná přesnost snímače tlakové diference %1 je příliš malá!</source>
        <comment>2002</comment>
        <translation>The accuracy %1 given for the differential pressure transmitter is too small!</translation>
    </message>
    <message>
        <source>Rozsah kaskádního snímače tlakové diference musí být menší než diferenční<byte value="xd"/>
tlak při maximálním průtoku!</source>
        <comment>2010</comment>
        <translation>The range of the cascade differential pressure transmitter must be smaller than the differential<byte value="xd"/>
pressure at maximum flow rate!</translation>
    </message>
    <message>
        <source>Nejsou vypočteny žádné hodnoty!</source>
        <comment>2100</comment>
        <translation>No values have been computed!</translation>
    </message>
    <message>
        <source>Není zvolena žádná nejistota! Hodnoty pro tisk nejsou uloženy.<byte value="xd"/>
<byte value="xd"/>
Nepřejete-li si tisknout graf nejistot, použijte volbu v menu Soubor | <byte value="xd"/>
Nastavení tisku.</source>
        <comment>2110</comment>
        <translation>No uncertainty has been chosen! The values for printing have not been saved.<byte value="xd"/>
<byte value="xd"/>
If you do not wish to print the uncertainty graph, use the option in the File | <byte value="xd"/>
Print settings menu.</translation>
    </message>
    <message>
        <source>Vlastnosti grafu pro tisk byly uloženy.<byte value="xd"/>
Toto je pouze dočasné nastavení pro aktuální výpočet.</source>
        <comment>2111</comment>
        <translation>The graph settings for printing have been saved.<byte value="xd"/>
This setting holds only for the current calculation.</translation>
    </message>
    <message>
        <source>Průtok [%]</source>
        <comment>2120</comment>
        <translation>Flow rate [%]</translation>
    </message>
    <message>
        <source>Nejistota 1 [%]</source>
        <comment>2121</comment>
        <translation>Uncertainty 1 [%]</translation>
    </message>
    <message>
        <source>Nej. kaskáda [%]</source>
        <comment>2122</comment>
        <translation>Unc. cascade [%]</translation>
    </message>
    <message>
        <source>Převedené výpočty s neplatnou hodnotou (např. neznámou jednotkou): %1.<byte value="xd"/>
V databázi jsou uvedeny, nelze je však zobrazit ani dále zpracovat.</source>
        <comment>7206</comment>
        <translation>Converted calculations with an invalid value (e.g. an unknown unit): %1.<byte value="xd"/>
They are listed in the database but cannot be shown or processed further.</translation>
    </message>
    <message>
        <source>Pramo</source>
        <comment>6032</comment>
        <translation>Pramo</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>6033</comment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>6034</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>První snímač</source>
        <comment>6197</comment>
        <translation>First transmitter</translation>
    </message>
    <message>
        <source>Kaskáda</source>
        <comment>6198</comment>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Databázi právě mění jiný uživatel!<byte value="xd"/>
Zkuste to prosím za chvíli znovu.</source>
        <comment>4040</comment>
        <translation>Another user is changing the database right now!<byte value="xd"/>
Please try again in a moment.</translation>
    </message>
    <message>
        <source>Databázi právě mění jiný uživatel!<byte value="xd"/>
Neuloženo!</source>
        <comment>4041</comment>
        <translation>Another user is changing the database right now!<byte value="xd"/>
Not stored!</translation>
    </message>
    <message>
        <source>Výpočet %1 je v databázi poškozen: neplatná hodnota %2.<byte value="xd"/>
Výpočet nelze zobrazit ani dále zpracovat.</source>
        <comment>4015</comment>
        <translation>Calculation %1 is damaged in the database: invalid value %2.<byte value="xd"/>
The calculation cannot be shown or processed further.</translation>
    </message>
    <message>
        <source>Konfigurační soubor nelze přečíst:<byte value="xd"/>
%1<byte value="xd"/>
Program použije výchozí nastavení a do souboru nic nezapíše.<byte value="xd"/>
Je nutný zásah administrátora!</source>
        <comment>4210</comment>
        <translation>The configuration file cannot be read:<byte value="xd"/>
%1<byte value="xd"/>
The program uses the default settings and writes nothing to the file.<byte value="xd"/>
The administrator must step in!</translation>
    </message>
    <message>
        <source>Konfigurační soubor je poškozený nebo příliš velký:<byte value="xd"/>
%1<byte value="xd"/>
Program použije výchozí nastavení a do souboru nic nezapíše.<byte value="xd"/>
Je nutný zásah administrátora!</source>
        <comment>4211</comment>
        <translation>The configuration file is damaged or too large:<byte value="xd"/>
%1<byte value="xd"/>
The program uses the default settings and writes nothing to the file.<byte value="xd"/>
The administrator must step in!</translation>
    </message>
    <message>
        <source>Soubor zadání je poškozen: neplatná hodnota %1.<byte value="xd"/>
Hodnoty nebyly načteny!</source>
        <comment>4308</comment>
        <translation>The input file is damaged: invalid value %1.<byte value="xd"/>
The values have not been read!</translation>
    </message>
    <message>
        <source>Norma: ČSN EN ISO 5167-1:2003 a ČSN EN ISO 5167-%1:2003</source>
        <comment>6270</comment>
        <translation>Standard: ČSN EN ISO 5167-1:2003 and ČSN EN ISO 5167-%1:2003</translation>
    </message>
    <message>
        <source>, přímé délky dle ČSN EN ISO 5167-1:1998</source>
        <comment>6271</comment>
        <translation>, straight lengths to ČSN EN ISO 5167-1:1998</translation>
    </message>
    <message>
        <source>Vypracoval</source>
        <comment>6272</comment>
        <translation>Prepared by</translation>
    </message>
    <message>
        <source>Kontroloval</source>
        <comment>6273</comment>
        <translation>Checked by</translation>
    </message>
    <message>
        <source>Schválil</source>
        <comment>6274</comment>
        <translation>Approved by</translation>
    </message>
    <message>
        <source>Jméno:</source>
        <comment>6275</comment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <comment>6276</comment>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Podpis:</source>
        <comment>6277</comment>
        <translation>Signature:</translation>
    </message>
    <message>
        <source>Export osvědčení do PDF</source>
        <comment>6280</comment>
        <translation>Export the certificate as PDF</translation>
    </message>
    <message>
        <source>Dokumenty PDF|*.pdf|Všechny soubory|*.*</source>
        <comment>6281</comment>
        <translation>PDF documents|*.pdf|All files|*.*</translation>
    </message>
    <message>
        <source>osvedceni</source>
        <comment>6282</comment>
        <translation>certificate</translation>
    </message>
    <message>
        <source>Osvědčení bylo zapsáno do souboru<byte value="xd"/>
%1</source>
        <comment>6283</comment>
        <translation>The certificate was written to the file<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>TFConvert</name>
    <message>
        <source>Převod výpočtů Kvantora do databáze PRAMO</source>
        <translation>Conversion of Kvantora calculations into a PRAMO database</translation>
    </message>
    <message>
        <source>Vyberte databázi:</source>
        <translation>Choose the database:</translation>
    </message>
    <message>
        <source> Zvolte kódování češtiny používané v Kvantora </source>
        <translation> Czech character encoding used in Kvantora </translation>
    </message>
    <message>
        <source>Kamenických</source>
        <translation>Kamenický</translation>
    </message>
    <message>
        <source>Latin 2</source>
        <translation>Latin 2</translation>
    </message>
    <message>
        <source>Bez diakritiky</source>
        <translation>Without diacritics</translation>
    </message>
    <message>
        <source>Výpočty jsou převáděny z databáze Kvantora:</source>
        <translation>Calculations are converted from the Kvantora database:</translation>
    </message>
    <message>
        <source>Nalistování soboru výpočtů</source>
        <translation>Browse for the calculations file</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Firmy/Útvary jsou přiřazovány z:</source>
        <translation>Companies/departments are assigned from:</translation>
    </message>
    <message>
        <source>Nalistování souboru firem</source>
        <translation>Browse for the companies file</translation>
    </message>
    <message>
        <source>Převést všechny firmy do nové databáze</source>
        <translation>Convert all companies into the new database</translation>
    </message>
    <message>
        <source>Výpočty obsažené v databázi Kvantora:</source>
        <translation>Calculations in the Kvantora database:</translation>
    </message>
    <message>
        <source>Importuje všechny výpočty</source>
        <translation>Imports all calculations</translation>
    </message>
    <message>
        <source>Načíst</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>Zavření formuláře převod.</source>
        <translation>Closes the conversion window.</translation>
    </message>
    <message>
        <source>Zavřít</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>TFGraf</name>
    <message>
        <source>Graf nejistot průtoku.</source>
        <translation>Flow uncertainty graph.</translation>
    </message>
    <message>
        <source>Nejistota</source>
        <translation>Uncertainty</translation>
    </message>
    <message>
        <source>[%]</source>
        <translation>[%]</translation>
    </message>
    <message>
        <source>Rozsah [%]</source>
        <translation>Range [%]</translation>
    </message>
    <message>
        <source> Nejistoty </source>
        <translation> Uncertainties </translation>
    </message>
    <message>
        <source>První snímač</source>
        <translation>First transmitter</translation>
    </message>
    <message>
        <source>Kaskáda</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source> Zoom </source>
        <translation> Zoom </translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>−</source>
        <translation>−</translation>
    </message>
    <message>
        <source>Pro tisk</source>
        <translation>For printing</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFJmenoTekutiny</name>
    <message>
        <source>Zadejte</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Jméno tekutiny</source>
        <translation>Fluid name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFLogin</name>
    <message>
        <source>Přihlášení</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Jazyk programu</source>
        <translation>Program language</translation>
    </message>
    <message>
        <source>Zvolte databázový soubor</source>
        <translation>Choose the database file</translation>
    </message>
    <message>
        <source>Přihlašovací jméno</source>
        <translation>Login name</translation>
    </message>
    <message>
        <source>Heslo</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>lineedit-password-character: 42</source>
        <translation>lineedit-password-character: 42</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Nápověda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Přihlásit</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Konec</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>TFNahled</name>
    <message>
        <source>Preview - náhled před tiskem.</source>
        <translation>Preview - print preview.</translation>
    </message>
    <message>
        <source>Tisk osvědčení</source>
        <translation>Print certificate</translation>
    </message>
    <message>
        <source>První stránka</source>
        <translation>First page</translation>
    </message>
    <message>
        <source>Předchozí stránka</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Další stránka</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Poslední stránka</source>
        <translation>Last page</translation>
    </message>
    <message>
        <source>Zavřít náhled</source>
        <translation>Close the preview</translation>
    </message>
    <message>
        <source>Měřítko zobrazení</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Export PDF ...</source>
        <translation>Export PDF ...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
</context>
<context>
    <name>TFNapoveda</name>
    <message>
        <source>Nápověda - Pramo</source>
        <translation>Help - Pramo</translation>
    </message>
    <message>
        <source>&lt; Zpět</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>Vpřed &gt;</source>
        <translation>Forward &gt;</translation>
    </message>
    <message>
        <source>Obsah</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Hledat</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Hledaná slova, Enter</source>
        <translation>Words to find, Enter</translation>
    </message>
</context>
<context>
    <name>TFNastaveniTisku</name>
    <message>
        <source>Nastavení tisku.</source>
        <translation>Print settings.</translation>
    </message>
    <message>
        <source> Nastavení tisku osvědčení o výpočtu primárního prvku </source>
        <translation> Printing the certificate of the primary element calculation </translation>
    </message>
    <message>
        <source>Tisknout</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Kaskádu</source>
        <translation>Cascade</translation>
    </message>
    <message>
        <source>Graf nejistot</source>
        <translation>Uncertainty graph</translation>
    </message>
    <message>
        <source>Tabulku nejistot</source>
        <translation>Uncertainty table</translation>
    </message>
    <message>
        <source>Kaskádu vždy na novou stránku</source>
        <translation>Cascade always on a new page</translation>
    </message>
    <message>
        <source>Tiskárna</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Norma</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Podpisy</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>Důvody nesplnění normy</source>
        <translation>Reasons for non-compliance</translation>
    </message>
</context>
<context>
    <name>TFOProgramu</name>
    <message>
        <source>O programu ...</source>
        <translation>About ...</translation>
    </message>
    <message>
        <source>Pramo program pro výpočet primárních prvků</source>
        <translation>Pramo, the program for primary element calculations</translation>
    </message>
    <message>
        <source>Verze </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFPrutok2mA</name>
    <message>
        <source>Prutok2mA</source>
        <translation>Flow2mA</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFRadaTlakDif</name>
    <message>
        <source>Řada tlakové diference.</source>
        <translation>Differential pressure series.</translation>
    </message>
    <message>
        <source>0.</source>
        <translation>0.</translation>
    </message>
    <message>
        <source>1.</source>
        <translation>1.</translation>
    </message>
    <message>
        <source>2.</source>
        <translation>2.</translation>
    </message>
    <message>
        <source>3.</source>
        <translation>3.</translation>
    </message>
    <message>
        <source>4.</source>
        <translation>4.</translation>
    </message>
    <message>
        <source>5.</source>
        <translation>5.</translation>
    </message>
    <message>
        <source>6.</source>
        <translation>6.</translation>
    </message>
    <message>
        <source>7.</source>
        <translation>7.</translation>
    </message>
    <message>
        <source>8.</source>
        <translation>8.</translation>
    </message>
    <message>
        <source>9.</source>
        <translation>9.</translation>
    </message>
    <message>
        <source>[Pa]</source>
        <translation>[Pa]</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFStavPrevodu</name>
    <message>
        <source>Čekejte prosím</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source> Kvantora -&gt; Pramo </source>
        <translation> Kvantora -&gt; Pramo </translation>
    </message>
    <message>
        <source>Zkonvertován výpočet:</source>
        <translation>Calculation converted:</translation>
    </message>
    <message>
        <source>color: blue;</source>
        <translation>color: blue;</translation>
    </message>
    <message>
        <source>Storno</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TFTabulkaNejistot</name>
    <message>
        <source>Nejistoty průtoku</source>
        <translation>Flow uncertainties</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFZadej</name>
    <message>
        <source>Zadání hodnoty</source>
        <translation>Enter a value</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFZadej2</name>
    <message>
        <source>Zadejte</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Tlak</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>MPa</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>mbar</source>
        <translation>mbar</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>g/cm2</source>
        <translation>g/cm2</translation>
    </message>
    <message>
        <source>kg/cm2</source>
        <translation>kg/cm2</translation>
    </message>
    <message>
        <source>Teplota</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TFZapati</name>
    <message>
        <source>Zadejte text zápatí</source>
        <translation>Enter the footer text</translation>
    </message>
    <message>
        <source>Zápatí se tiskne na osvědčení o výpočtu primárního prvku.</source>
        <translation>The footer is printed on the certificate of the primary element calculation.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFZmenaHesla2</name>
    <message>
        <source>Změna hesla</source>
        <translation>Password change</translation>
    </message>
    <message>
        <source>Zadejte nové heslo:</source>
        <translation>Enter the new password:</translation>
    </message>
    <message>
        <source>lineedit-password-character: 42</source>
        <translation>lineedit-password-character: 42</translation>
    </message>
    <message>
        <source>Zadejte heslo ještě jednou:</source>
        <translation>Enter the password once more:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zpět</source>
        <translation>Back</translation>
    </message>
</context>
<context>
    <name>TSDatabaze</name>
    <message>
        <source>Databáze</source>
        <translation>Database</translation>
    </message>
    <message>
        <source> Výpočty </source>
        <translation> Calculations </translation>
    </message>
    <message>
        <source>Zobrazit výpočet</source>
        <translation>Show calculation</translation>
    </message>
    <message>
        <source>Nový výpočet</source>
        <translation>New calculation</translation>
    </message>
    <message>
        <source>Kopie výpočtu</source>
        <translation>Copy calculation</translation>
    </message>
    <message>
        <source>Přepočítat výpočet</source>
        <translation>Recompute calculation</translation>
    </message>
    <message>
        <source> 0 / 0 </source>
        <translation> 0 / 0 </translation>
    </message>
    <message>
        <source> Filtr </source>
        <translation> Filter </translation>
    </message>
    <message>
        <source> Číslo výpočtu </source>
        <translation> Calculation number </translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Projektant</source>
        <translation>Designer</translation>
    </message>
</context>
<context>
    <name>TSVysledky</name>
    <message>
        <source>Výsledky</source>
        <translation>Results</translation>
    </message>
    <message>
        <source> Vypočtené hodnoty </source>
        <translation> Computed values </translation>
    </message>
    <message>
        <source> Chybové hlášení </source>
        <translation> Error messages </translation>
    </message>
    <message>
        <source> % </source>
        <translation> % </translation>
    </message>
</context>
<context>
    <name>TSZadani</name>
    <message>
        <source>Zadání</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Základní</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Druh výpočtu</source>
        <translation>Kind of calculation</translation>
    </message>
    <message>
        <source>Průměr otvoru d</source>
        <translation>Bore diameter d</translation>
    </message>
    <message>
        <source>Diferenční tlak delta_p</source>
        <translation>Differential pressure delta_p</translation>
    </message>
    <message>
        <source>Průtok q</source>
        <translation>Flow rate q</translation>
    </message>
    <message>
        <source>Primární prvek</source>
        <translation>Primary element</translation>
    </message>
    <message>
        <source>clona s koutovými odběry</source>
        <translation>orifice plate with corner tappings</translation>
    </message>
    <message>
        <source>clona s odběry ve vzd. D a D/2</source>
        <translation>orifice plate with D and D/2 tappings</translation>
    </message>
    <message>
        <source>clona s přírubovými odběry</source>
        <translation>orifice plate with flange tappings</translation>
    </message>
    <message>
        <source>dýza ISA 1932</source>
        <translation>ISA 1932 nozzle</translation>
    </message>
    <message>
        <source>dýza s dlouhým poloměrem</source>
        <translation>long radius nozzle</translation>
    </message>
    <message>
        <source>Venturiho trubice A</source>
        <translation>Venturi tube A (as cast)</translation>
    </message>
    <message>
        <source>Venturiho trubice B</source>
        <translation>Venturi tube B (machined)</translation>
    </message>
    <message>
        <source>Venturiho trubice C</source>
        <translation>Venturi tube C (welded sheet)</translation>
    </message>
    <message>
        <source>Venturiho dýza</source>
        <translation>Venturi nozzle</translation>
    </message>
    <message>
        <source>Tekutina</source>
        <translation>Fluid</translation>
    </message>
    <message>
        <source>sytá pára</source>
        <translation>saturated steam</translation>
    </message>
    <message>
        <source>přehřátá pára</source>
        <translation>superheated steam</translation>
    </message>
    <message>
        <source>voda</source>
        <translation>water</translation>
    </message>
    <message>
        <source>suchý vzduch</source>
        <translation>dry air</translation>
    </message>
    <message>
        <source>vlhký vzduch</source>
        <translation>humid air</translation>
    </message>
    <message>
        <source>plyn</source>
        <translation>gas</translation>
    </message>
    <message>
        <source>kapalina</source>
        <translation>liquid</translation>
    </message>
    <message>
        <source>neurčeno</source>
        <translation>undetermined</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Tlak</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Pa - A</source>
        <translation>Pa - A</translation>
    </message>
    <message>
        <source>kPa - A</source>
        <translation>kPa - A</translation>
    </message>
    <message>
        <source>MPa - A</source>
        <translation>MPa - A</translation>
    </message>
    <message>
        <source>PSI - A</source>
        <translation>PSI - A</translation>
    </message>
    <message>
        <source>mbar - A</source>
        <translation>mbar - A</translation>
    </message>
    <message>
        <source>bar - A</source>
        <translation>bar - A</translation>
    </message>
    <message>
        <source>g/cm2 - A</source>
        <translation>g/cm2 - A</translation>
    </message>
    <message>
        <source>kg/cm2 - A</source>
        <translation>kg/cm2 - A</translation>
    </message>
    <message>
        <source>Pa - G</source>
        <translation>Pa - G</translation>
    </message>
    <message>
        <source>kPa - G</source>
        <translation>kPa - G</translation>
    </message>
    <message>
        <source>MPa - G</source>
        <translation>MPa - G</translation>
    </message>
    <message>
        <source>PSI - G</source>
        <translation>PSI - G</translation>
    </message>
    <message>
        <source>mbar - G</source>
        <translation>mbar - G</translation>
    </message>
    <message>
        <source>bar - G</source>
        <translation>bar - G</translation>
    </message>
    <message>
        <source>g/cm2 - G</source>
        <translation>g/cm2 - G</translation>
    </message>
    <message>
        <source>kg/cm2 - G</source>
        <translation>kg/cm2 - G</translation>
    </message>
    <message>
        <source>Provozní teplota</source>
        <translation>Operating temperature</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>Měrná hmotnost</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <translation>kg/m3</translation>
    </message>
    <message>
        <source>Viskozita</source>
        <translation>Viscosity</translation>
    </message>
    <message>
        <source>1E-6 Pa . s</source>
        <translation>1E-6 Pa . s</translation>
    </message>
    <message>
        <source>Pa . s</source>
        <translation>Pa . s</translation>
    </message>
    <message>
        <source>g/cm . s</source>
        <translation>g/cm . s</translation>
    </message>
    <message>
        <source>mP</source>
        <translation>mP</translation>
    </message>
    <message>
        <source>cP</source>
        <translation>cP</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>mm2/s</source>
        <translation>mm2/s</translation>
    </message>
    <message>
        <source>cm2/s</source>
        <translation>cm2/s</translation>
    </message>
    <message>
        <source>m2/s</source>
        <translation>m2/s</translation>
    </message>
    <message>
        <source>cSt</source>
        <translation>cSt</translation>
    </message>
    <message>
        <source>St</source>
        <translation>St</translation>
    </message>
    <message>
        <source>Vlhkost</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Izentropický exponent</source>
        <translation>Isentropic exponent</translation>
    </message>
    <message>
        <source>Průtok provozní</source>
        <translation>Operating flow rate</translation>
    </message>
    <message>
        <source>kg/h</source>
        <translation>kg/h</translation>
    </message>
    <message>
        <source>t/h</source>
        <translation>t/h</translation>
    </message>
    <message>
        <source>Průtok maximální</source>
        <translation>Maximum flow rate</translation>
    </message>
    <message>
        <source>Průtok minimální</source>
        <translation>Minimum flow rate</translation>
    </message>
    <message>
        <source>Průtok zadán jako suchý vzduch</source>
        <translation>Flow rate given as dry air</translation>
    </message>
    <message>
        <source>Diferenční tlak maximální</source>
        <translation>Max. differential pressure</translation>
    </message>
    <message>
        <source>Diferenční tlak</source>
        <translation>Differential pressure</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>kPa</source>
        <translation>kPa</translation>
    </message>
    <message>
        <source>MPa</source>
        <translation>MPa</translation>
    </message>
    <message>
        <source>PSI</source>
        <translation>PSI</translation>
    </message>
    <message>
        <source>mbar</source>
        <translation>mbar</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>bar</translation>
    </message>
    <message>
        <source>g/cm2</source>
        <translation>g/cm2</translation>
    </message>
    <message>
        <source>kg/cm2</source>
        <translation>kg/cm2</translation>
    </message>
    <message>
        <source>Průměr potrubí při 20 °C</source>
        <translation>Pipe diameter at 20 °C</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>dm</source>
        <translation>dm</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Průměr otvoru d při 20 °C</source>
        <translation>Bore diameter d at 20 °C</translation>
    </message>
    <message>
        <source>Popis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Firma / Útvar</source>
        <translation>Company / dept.</translation>
    </message>
    <message>
        <source>Měřicí místo</source>
        <translation>Measuring point</translation>
    </message>
    <message>
        <source>Poznámka</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Upřesnění</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Materiál primárního prvku</source>
        <translation>Primary element material</translation>
    </message>
    <message>
        <source>Materiál potrubí</source>
        <translation>Pipe material</translation>
    </message>
    <message>
        <source>Tvarovky před primárním prvkem</source>
        <translation>Fittings upstream of the primary element</translation>
    </message>
    <message>
        <source>Přídavná nejistota 0,5% - zkrácení přímých délek</source>
        <translation>Additional uncertainty 0.5% - shortened straight lengths</translation>
    </message>
    <message>
        <source>Přídavná nejistota 0,2% - větší přesazení</source>
        <translation>Additional uncertainty 0.2% - larger eccentricity</translation>
    </message>
    <message>
        <source> Kaskáda snímačů tlakové diference </source>
        <translation> Cascade of differential pressure transmitters </translation>
    </message>
</context>
<context>
    <name>TfMain</name>
    <message>
        <source>Pramo</source>
        <translation>Pramo</translation>
    </message>
    <message>
        <source>Admin - nastavení</source>
        <translation>Admin - settings</translation>
    </message>
    <message>
        <source>Kvantora -&gt; Pramo</source>
        <translation>Kvantora -&gt; Pramo</translation>
    </message>
    <message>
        <source>Zadat zápatí</source>
        <translation>Enter footer</translation>
    </message>
    <message>
        <source>Tisknout zápatí</source>
        <translation>Print footer</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>&amp;Odhlásit</source>
        <translation>&amp;Log out</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Soubor</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Výpočet</source>
        <translation>&amp;Calculation</translation>
    </message>
    <message>
        <source>Nas&amp;tavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Nápověda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Uložit</source>
        <translation>&amp;Store</translation>
    </message>
    <message>
        <source>&amp;Export ...</source>
        <translation>&amp;Export ...</translation>
    </message>
    <message>
        <source>&amp;Import ...</source>
        <translation>&amp;Import ...</translation>
    </message>
    <message>
        <source>&amp;Nastavení tisku</source>
        <translation>Print setti&amp;ngs</translation>
    </message>
    <message>
        <source>Export &amp;PDF ...</source>
        <translation>Export P&amp;DF ...</translation>
    </message>
    <message>
        <source>&amp;Tisk osvědčení</source>
        <translation>&amp;Print certificate</translation>
    </message>
    <message>
        <source>Ná&amp;hled</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Výpočet parametrů</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>Zobraz &amp;graf nejistot</source>
        <translation>Show uncertainty &amp;graph</translation>
    </message>
    <message>
        <source>Zobraz &amp;tabulku nejistot</source>
        <translation>Show uncertainty &amp;table</translation>
    </message>
    <message>
        <source>&amp;Přesnost snímače tlakové diference</source>
        <translation>&amp;Accuracy of the differential pressure transmitter</translation>
    </message>
    <message>
        <source>Přesnost &amp;stanovení měrné hmotnosti</source>
        <translation>Accuracy of the &amp;density</translation>
    </message>
    <message>
        <source>Řada &amp;hodnot tlakové diference</source>
        <translation>Differential pressure &amp;series</translation>
    </message>
    <message>
        <source>&amp;Barometrický tlak</source>
        <translation>&amp;Barometric pressure</translation>
    </message>
    <message>
        <source>&amp;Vztažné podmínky pro měrnou hmotnost</source>
        <translation>&amp;Reference conditions for density</translation>
    </message>
    <message>
        <source>Vztažné podmínky p&amp;ro průtok</source>
        <translation>Reference conditions for &amp;flow rate</translation>
    </message>
    <message>
        <source>&amp;Změnit přístupové heslo</source>
        <translation>Change the &amp;password</translation>
    </message>
    <message>
        <source>&amp;O programu ...</source>
        <translation>&amp;About ...</translation>
    </message>
</context>
</TS>
