<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>CloseButton</name>
    <message>
        <source>Close Tab</source>
        <translation>Lukk fane</translation>
    </message>
</context>
<context>
    <name>Print Device Input Slot</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
</context>
<context>
    <name>Print Device Output Bin</name>
    <message>
        <source>Automatic</source>
        <translation>Automatisk</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>%1 File</source>
        <translation>%1-fil</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Stasjon</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Snarvei</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Merk alt</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>Steg &amp;opp</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>Steg &amp;ned</translation>
    </message>
</context>
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>Legg til &amp;egne farger</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>&amp;Grunnfarger</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>&amp;Egne farger</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>&amp;Grønn:</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>&amp;HTML:</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>&amp;Hent skjermfarge</translation>
    </message>
    <message>
        <source>&amp;Red:</source>
        <translation>&amp;Rød:</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>&amp;Metning:</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>&amp;Verdi:</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>&amp;Alfakanal:</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>&amp;Blå:</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>Markør ved %1, %2
Trykk «Escape» for å avbryte</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>&amp;Fargetone:</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Velg farge</translation>
    </message>
</context>
<context>
    <name>QComboBox</name>
    <message>
        <source>False</source>
        <translation>Usann</translation>
    </message>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Åpne nedtrekkslisten</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Sann</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Banner Pages</source>
        <translation>Bannersider</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Faktureringsinformasjon:</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Gradert</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Konfidensielt</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Dag (06:00 til 17:59)</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Slutt:</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Hold til evig tid</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Jobb</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Jobbkontroll</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Jobbprioritet:</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Natt (18:00 til 05:59)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ingen</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Skriv ut med en gang</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Planlagt utskrift:</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Andre skift (16:00 til 23:59)</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Hemmelig</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>Valgt tidspunkt</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Tredje skift (00:00 til 07:59)</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Topphemmelig</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Uklassifisert</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Helg (lørdag og søndag)</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Krever autentisering</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Krever autentisering for å bruke %1 på %2.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Krever autentisering for å bruke %1.</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passord:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Brukernavn:</translation>
    </message>
</context>
<context>
    <name>QDateTimeParser</name>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>PM</translation>
    </message>
    <message>
        <source>am</source>
        <translation>a.m.</translation>
    </message>
    <message>
        <source>pm</source>
        <translation>p.m.</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>What's This?</source>
        <translation>Hva er dette?</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QDockWidget</name>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Closes the dock widget</source>
        <translation>Lukker dokkelementet</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Flyt</translation>
    </message>
    <message>
        <source>Undocks and re-attaches the dock widget</source>
        <translation>Løser dokkelementet og fester det på nytt</translation>
    </message>
</context>
<context>
    <name>QErrorMessage</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Show this message again</source>
        <translation>&amp;Vis denne meldingen igjen</translation>
    </message>
    <message>
        <source>Critical Error:</source>
        <translation>Kritisk feil:</translation>
    </message>
    <message>
        <source>Debug Message:</source>
        <translation>Feilsøkingsmelding:</translation>
    </message>
    <message>
        <source>Fatal Error:</source>
        <translation>Fatal feil:</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Informasjon:</translation>
    </message>
    <message>
        <source>Warning:</source>
        <translation>Advarsel:</translation>
    </message>
</context>
<context>
    <name>QFile</name>
    <message>
        <source>Cannot create %1 for output</source>
        <translation>Klarte ikke opprette %1 for skriving</translation>
    </message>
    <message>
        <source>Cannot open %1 for input</source>
        <translation>Klarte ikke åpne %1 for lesing</translation>
    </message>
    <message>
        <source>Cannot open destination file: %1</source>
        <translation>Klarte ikke åpne målfilen: %1</translation>
    </message>
    <message>
        <source>Cannot open for output: %1</source>
        <translation>Klarte ikke åpne for skriving: %1</translation>
    </message>
    <message>
        <source>Cannot remove source file</source>
        <translation>Klarte ikke fjerne kildefilen</translation>
    </message>
    <message>
        <source>Destination file exists</source>
        <translation>Målfilen finnes allerede</translation>
    </message>
    <message>
        <source>Destination file is the same file.</source>
        <translation>Målfilen er samme fil.</translation>
    </message>
    <message>
        <source>Error while renaming: %1</source>
        <translation>Feil ved endring av navn: %1</translation>
    </message>
    <message>
        <source>Failure to write block</source>
        <translation>Klarte ikke skrive blokk</translation>
    </message>
    <message>
        <source>Source file does not exist.</source>
        <translation>Kildefilen finnes ikke.</translation>
    </message>
    <message>
        <source>Unable to restore from %1: %2</source>
        <translation>Klarte ikke gjenopprette fra %1: %2</translation>
    </message>
    <message>
        <source>Will not rename sequential file using block copy</source>
        <translation>Vil ikke endre navn på sekvensiell fil med blokkopiering</translation>
    </message>
</context>
<context>
    <name>QFileDevice</name>
    <message>
        <source>No file engine available</source>
        <translation>Ingen filmotor tilgjengelig</translation>
    </message>
    <message>
        <source>No file engine available or engine does not support UnMapExtension</source>
        <translation>Ingen filmotor tilgjengelig, eller motoren støtter ikke UnMapExtension</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fant ikke mappen.
Kontroller at du har oppgitt rett mappenavn.</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Fant ikke filen.
Kontroller at du har oppgitt rett filnavn.</translation>
    </message>
    <message>
        <source>%1 File</source>
        <translation>%1-fil</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 finnes allerede.
Vil du erstatte den?</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Velg</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slett</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Ny mappe</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Åpne</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Endre navn</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>«%1» er skrivebeskyttet.
Vil du likevel slette den?</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alias</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Er du sikker på at du vil slette «%1»?</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Bytt til detaljert visning</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Bytt til listevisning</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Klarte ikke slette mappen.</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Lag ny mappe</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Lag en ny mappe</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detaljert visning</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Mapper</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Mappe:</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Stasjon</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>Fil&amp;navn:</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Filmappe</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Filer av typen:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Finn mappe</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappe</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fram</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Gå tilbake</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Gå fram</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Gå til overordnet mappe</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Listevisning</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Oversikt over steder og bokmerker</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>Se i:</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Datamaskinen</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Ny mappe</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Overordnet mappe</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Nylig brukte steder</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Fjern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lagre som</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Snarvei</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Vis </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Vis &amp;skjulte filer</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidestolpe</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ukjent</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>&lt;b&gt;The name &quot;%1&quot; cannot be used.&lt;/b&gt;&lt;p&gt;Try using another name, with fewer characters or no punctuation marks.</source>
        <translation>&lt;b&gt;Kan ikke bruke navnet «%1».&lt;/b&gt;&lt;p&gt;Prøv et annet navn, med færre tegn eller uten spesialtegn.</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Datamaskin</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Sist endret</translation>
    </message>
    <message>
        <source>Invalid filename</source>
        <translation>Ugyldig filnavn</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Datamaskinen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>QFontDatabase</name>
    <message>
        <source>Any</source>
        <translation>Vilkårlig</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisk</translation>
    </message>
    <message>
        <source>Armenian</source>
        <translation>Armensk</translation>
    </message>
    <message>
        <source>Bengali</source>
        <translation>Bengali</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Tung</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Halvfet</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisk</translation>
    </message>
    <message>
        <source>Demi</source>
        <translation>Demi</translation>
    </message>
    <message>
        <source>Demi Bold</source>
        <translation>Halvfet</translation>
    </message>
    <message>
        <source>Devanagari</source>
        <translation>Devanagari</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Ekstra</translation>
    </message>
    <message>
        <source>Extra Bold</source>
        <translation>Fet</translation>
    </message>
    <message>
        <source>Extra Light</source>
        <translation>Ekstratynn</translation>
    </message>
    <message>
        <source>Georgian</source>
        <translation>Georgisk</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Gresk</translation>
    </message>
    <message>
        <source>Gujarati</source>
        <translation>Gujarati</translation>
    </message>
    <message>
        <source>Gurmukhi</source>
        <translation>Gurmukhi</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebraisk</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japansk</translation>
    </message>
    <message>
        <source>Kannada</source>
        <translation>Kannada</translation>
    </message>
    <message>
        <source>Khmer</source>
        <translation>Khmer</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreansk</translation>
    </message>
    <message>
        <source>Lao</source>
        <translation>Laotisk</translation>
    </message>
    <message>
        <source>Latin</source>
        <translation>Latinsk</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Mager</translation>
    </message>
    <message>
        <source>Malayalam</source>
        <translation>Malayalam</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middels</translation>
    </message>
    <message>
        <source>Myanmar</source>
        <translation>Myanmar</translation>
    </message>
    <message>
        <source>N'Ko</source>
        <translation>N’ko</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Vanlig</translation>
    </message>
    <message>
        <source>Oblique</source>
        <translation>Skråstilt</translation>
    </message>
    <message>
        <source>Ogham</source>
        <translation>Ogham</translation>
    </message>
    <message>
        <source>Oriya</source>
        <translation>Oriya</translation>
    </message>
    <message>
        <source>Runic</source>
        <translation>Runeskrift</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Kinesisk – forenklet</translation>
    </message>
    <message>
        <source>Sinhala</source>
        <translation>Singalesisk</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Syriac</source>
        <translation>Syrisk</translation>
    </message>
    <message>
        <source>Tamil</source>
        <translation>Tamil</translation>
    </message>
    <message>
        <source>Telugu</source>
        <translation>Telugu</translation>
    </message>
    <message>
        <source>Thaana</source>
        <translation>Thaana</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Tynn</translation>
    </message>
    <message>
        <source>Tibetan</source>
        <translation>Tibetansk</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Kinesisk – tradisjonell</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisk</translation>
    </message>
</context>
<context>
    <name>QFontDialog</name>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Skrift</translation>
    </message>
    <message>
        <source>&amp;Size</source>
        <translation>&amp;Størrelse</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Understreking</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekter</translation>
    </message>
    <message>
        <source>Font st&amp;yle</source>
        <translation>Skrifts&amp;til</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Eksempel</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Velg skrift</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Gjennomstreking</translation>
    </message>
    <message>
        <source>Wr&amp;iting System</source>
        <translation>&amp;Skrivesystem</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Avbryt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lagre</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Lukk uten å lagre</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>No space left on device</source>
        <translation>Ikke mer plass på enheten</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Filen eller mappen finnes ikke</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Nekta tilgang</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>For mange åpne filer</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>file to open is a directory</source>
        <translation>fil som skal åpnes er en mappe</translation>
    </message>
</context>
<context>
    <name>QImageReader</name>
    <message>
        <source>File not found</source>
        <translation>Fant ikke filen</translation>
    </message>
    <message>
        <source>Invalid device</source>
        <translation>Ugyldig enhet</translation>
    </message>
    <message>
        <source>Unable to read image data</source>
        <translation>Klarte ikke lese bildedata</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Bildeformatet er ikke støttet</translation>
    </message>
</context>
<context>
    <name>QImageWriter</name>
    <message>
        <source>Cannot open device for writing: %1</source>
        <translation>Klarte ikke åpne enheten for skriving: %1</translation>
    </message>
    <message>
        <source>Device is not set</source>
        <translation>Enheten er ikke klar</translation>
    </message>
    <message>
        <source>Device not writable</source>
        <translation>Enheten er ikke skrivbar</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>Bildet er tomt</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>Unsupported image format</source>
        <translation>Bildeformatet er ikke støttet</translation>
    </message>
</context>
<context>
    <name>QInputDialog</name>
    <message>
        <source>Enter a value:</source>
        <translation>Skriv inn verdi:</translation>
    </message>
</context>
<context>
    <name>QKeySequenceEdit</name>
    <message>
        <source>%1, ...</source>
        <translation>%1, …</translation>
    </message>
    <message>
        <source>Press shortcut</source>
        <translation>Trykk på hurtigtast</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>&lt;h3&gt;About Qt&lt;/h3&gt;&lt;p&gt;This program uses Qt version %1.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Om Qt&lt;/h3&gt;&lt;p&gt;Dette programmet bruker Qt versjon %1.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Qt is a C++ toolkit for cross-platform application development.&lt;/p&gt;&lt;p&gt;Qt provides single-source portability across all major desktop operating systems. It is also available for embedded Linux and other embedded and mobile operating systems.&lt;/p&gt;&lt;p&gt;Qt is available under multiple licensing options designed to accommodate the needs of our various users.&lt;/p&gt;&lt;p&gt;Qt licensed under our commercial license agreement is appropriate for development of proprietary/commercial software where you do not want to share any source code with third parties or otherwise cannot comply with the terms of GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt licensed under GNU (L)GPL is appropriate for the development of Qt&amp;nbsp;applications provided you can comply with the terms and conditions of the respective licenses.&lt;/p&gt;&lt;p&gt;Please see &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for an overview of Qt licensing.&lt;/p&gt;&lt;p&gt;Copyright (C) %1 The Qt Company Ltd and other contributors.&lt;/p&gt;&lt;p&gt;Qt and the Qt logo are trademarks of The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt is The Qt Company Ltd product developed as an open source project. See &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for more information.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Qt er et C++-verktøysett for utvikling på tvers av plattformer.&lt;/p&gt;&lt;p&gt;Qt gir portabilitet: den samme kildekoden kan brukes på alle større operativsystemer for sluttbrukere. Det er også tilgjengelig for innebygd Linux og andre innebygde og mobile operativsystemer.&lt;/p&gt;&lt;p&gt;Qt er tilgjengelig under flere lisensvilkår, tilpasset brukernes ulike behov.&lt;/p&gt;&lt;p&gt;Qt lisensiert under vår kommersielle lisensavtale passer for utvikling av proprietær/kommersiell programvare der du ikke vil dele kildekoden med tredjeparter eller av andre grunner ikke kan følge vilkårene i GNU (L)GPL.&lt;/p&gt;&lt;p&gt;Qt lisensiert under GNU (L)GPL passer for utvikling av Qt-programmer der du kan følge vilkårene i lisensen.&lt;/p&gt;&lt;p&gt;Se &lt;a href=&quot;http://%2/&quot;&gt;%2&lt;/a&gt; for mer informasjon om Qt-lisensiering.&lt;/p&gt;&lt;p&gt;Copyright © %1 The Qt Company Ltd og andre bidragsytere.&lt;/p&gt;&lt;p&gt;Qt og Qt-logoen er varemerker som tilhører The Qt Company Ltd.&lt;/p&gt;&lt;p&gt;Qt er et produkt fra The Qt Company Ltd, utviklet som et prosjekt med åpen kildekode. Se &lt;a href=&quot;http://%3/&quot;&gt;%3&lt;/a&gt; for mer informasjon.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Om Qt</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Skjul detaljer …</translation>
    </message>
    <message>
        <source>Show Details...</source>
        <translation>Vis detaljer …</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>Cicero (CC)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Tilpasset</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>Didot (DD)</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Høyde:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Tommer (in)</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Marger</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Millimeter (mm)</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Retning</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Sideutseende</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Rekkefølge:</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Sidestørrelse:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Sider per ark:</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Papirkilde:</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>Pica (P̸)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Punkt (pt)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Omvendt liggende</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Omvendt stående</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Bredde:</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>bunnmarg</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>venstremarg</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>høyremarg</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>toppmarg</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 × %2 tommer</translation>
    </message>
    <message>
        <source>A0</source>
        <translation>A0</translation>
    </message>
    <message>
        <source>A1</source>
        <translation>A1</translation>
    </message>
    <message>
        <source>A10</source>
        <translation>A10</translation>
    </message>
    <message>
        <source>A2</source>
        <translation>A2</translation>
    </message>
    <message>
        <source>A3</source>
        <translation>A3</translation>
    </message>
    <message>
        <source>A3 Extra</source>
        <translation>A3 – ekstra</translation>
    </message>
    <message>
        <source>A4</source>
        <translation>A4</translation>
    </message>
    <message>
        <source>A4 Extra</source>
        <translation>A4 – ekstra</translation>
    </message>
    <message>
        <source>A4 Plus</source>
        <translation>A4 – pluss</translation>
    </message>
    <message>
        <source>A4 Small</source>
        <translation>A4 – lite</translation>
    </message>
    <message>
        <source>A5</source>
        <translation>A5</translation>
    </message>
    <message>
        <source>A5 Extra</source>
        <translation>A5 – ekstra</translation>
    </message>
    <message>
        <source>A6</source>
        <translation>A6</translation>
    </message>
    <message>
        <source>A7</source>
        <translation>A7</translation>
    </message>
    <message>
        <source>A8</source>
        <translation>A8</translation>
    </message>
    <message>
        <source>A9</source>
        <translation>A9</translation>
    </message>
    <message>
        <source>ANSI C</source>
        <translation>ANSI C</translation>
    </message>
    <message>
        <source>ANSI D</source>
        <translation>ANSI D</translation>
    </message>
    <message>
        <source>ANSI E</source>
        <translation>ANSI E</translation>
    </message>
    <message>
        <source>Architect A</source>
        <translation>Arkitekt A</translation>
    </message>
    <message>
        <source>Architect B</source>
        <translation>Arkitekt B</translation>
    </message>
    <message>
        <source>Architect C</source>
        <translation>Arkitekt C</translation>
    </message>
    <message>
        <source>Architect D</source>
        <translation>Arkitekt D</translation>
    </message>
    <message>
        <source>Architect E</source>
        <translation>Arkitekt E</translation>
    </message>
    <message>
        <source>B0</source>
        <translation>B0</translation>
    </message>
    <message>
        <source>B1</source>
        <translation>B1</translation>
    </message>
    <message>
        <source>B10</source>
        <translation>B10</translation>
    </message>
    <message>
        <source>B2</source>
        <translation>B2</translation>
    </message>
    <message>
        <source>B3</source>
        <translation>B3</translation>
    </message>
    <message>
        <source>B4</source>
        <translation>B4</translation>
    </message>
    <message>
        <source>B5</source>
        <translation>B5</translation>
    </message>
    <message>
        <source>B5 Extra</source>
        <translation>B5 – ekstra</translation>
    </message>
    <message>
        <source>B6</source>
        <translation>B6</translation>
    </message>
    <message>
        <source>B7</source>
        <translation>B7</translation>
    </message>
    <message>
        <source>B8</source>
        <translation>B8</translation>
    </message>
    <message>
        <source>B9</source>
        <translation>B9</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Tilpasset</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>Tilpasset (%1 × %2 CC)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>Tilpasset (%1 × %2 DD)</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>Tilpasset (%1 × %2 tommer)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>Tilpasset (%1 × %2 mm)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>Tilpasset (%1 × %2 pc)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>Tilpasset (%1 × %2 punkt)</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>Dobbelt postkort</translation>
    </message>
    <message>
        <source>Envelope B4</source>
        <translation>Konvolutt B4</translation>
    </message>
    <message>
        <source>Envelope B5</source>
        <translation>Konvolutt B5</translation>
    </message>
    <message>
        <source>Envelope B6</source>
        <translation>Konvolutt B6</translation>
    </message>
    <message>
        <source>Envelope C0</source>
        <translation>Konvolutt C0</translation>
    </message>
    <message>
        <source>Envelope C1</source>
        <translation>Konvolutt C1</translation>
    </message>
    <message>
        <source>Envelope C2</source>
        <translation>Konvolutt C2</translation>
    </message>
    <message>
        <source>Envelope C3</source>
        <translation>Konvolutt C3</translation>
    </message>
    <message>
        <source>Envelope C4</source>
        <translation>Konvolutt C4</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>Konvolutt C5</translation>
    </message>
    <message>
        <source>Envelope C6</source>
        <translation>Konvolutt C6</translation>
    </message>
    <message>
        <source>Envelope C65</source>
        <translation>Konvolutt C65</translation>
    </message>
    <message>
        <source>Envelope C7</source>
        <translation>Konvolutt C7</translation>
    </message>
    <message>
        <source>Envelope Chou 3</source>
        <translation>Konvolutt Chou 3</translation>
    </message>
    <message>
        <source>Envelope Chou 4</source>
        <translation>Konvolutt Chou 4</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>Konvolutt DL</translation>
    </message>
    <message>
        <source>Envelope Invite</source>
        <translation>Konvolutt Invite</translation>
    </message>
    <message>
        <source>Envelope Italian</source>
        <translation>Konvolutt Italia</translation>
    </message>
    <message>
        <source>Envelope Kaku 2</source>
        <translation>Konvolutt Kaku 2</translation>
    </message>
    <message>
        <source>Envelope Kaku 3</source>
        <translation>Konvolutt Kaku 3</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>Konvolutt Monarch</translation>
    </message>
    <message>
        <source>Envelope PRC 1</source>
        <translation>Konvolutt PRC 1</translation>
    </message>
    <message>
        <source>Envelope PRC 10</source>
        <translation>Konvolutt PRC 10</translation>
    </message>
    <message>
        <source>Envelope PRC 2</source>
        <translation>Konvolutt PRC 2</translation>
    </message>
    <message>
        <source>Envelope PRC 3</source>
        <translation>Konvolutt PRC 3</translation>
    </message>
    <message>
        <source>Envelope PRC 4</source>
        <translation>Konvolutt PRC 4</translation>
    </message>
    <message>
        <source>Envelope PRC 5</source>
        <translation>Konvolutt PRC 5</translation>
    </message>
    <message>
        <source>Envelope PRC 6</source>
        <translation>Konvolutt PRC 6</translation>
    </message>
    <message>
        <source>Envelope PRC 7</source>
        <translation>Konvolutt PRC 7</translation>
    </message>
    <message>
        <source>Envelope PRC 8</source>
        <translation>Konvolutt PRC 8</translation>
    </message>
    <message>
        <source>Envelope PRC 9</source>
        <translation>Konvolutt PRC 9</translation>
    </message>
    <message>
        <source>Envelope Personal</source>
        <translation>Konvolutt Personal</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>Konvolutt US 10</translation>
    </message>
    <message>
        <source>Envelope US 11</source>
        <translation>Konvolutt US 11</translation>
    </message>
    <message>
        <source>Envelope US 12</source>
        <translation>Konvolutt US 12</translation>
    </message>
    <message>
        <source>Envelope US 14</source>
        <translation>Konvolutt US 14</translation>
    </message>
    <message>
        <source>Envelope US 9</source>
        <translation>Konvolutt US 9</translation>
    </message>
    <message>
        <source>Envelope You 4</source>
        <translation>Konvolutt You 4</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>Executive (7,25 × 10,5 tommer)</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>Executive (7,5 × 10 tommer)</translation>
    </message>
    <message>
        <source>Fan-fold German (8.5 x 12 in)</source>
        <translation>Listepapir (Tyskland) (8,5 × 12 tommer)</translation>
    </message>
    <message>
        <source>Fan-fold German Legal (8.5 x 13 in)</source>
        <translation>Listepapir (Tyskland, Legal) (8,5 × 13 tommer)</translation>
    </message>
    <message>
        <source>Fan-fold US (14.875 x 11 in)</source>
        <translation>Listepapir (USA) (14,875 × 11 tommer)</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>Folio (21 × 33 cm)</translation>
    </message>
    <message>
        <source>JIS B0</source>
        <translation>JIS B0</translation>
    </message>
    <message>
        <source>JIS B1</source>
        <translation>JIS B1</translation>
    </message>
    <message>
        <source>JIS B10</source>
        <translation>JIS B10</translation>
    </message>
    <message>
        <source>JIS B2</source>
        <translation>JIS B2</translation>
    </message>
    <message>
        <source>JIS B3</source>
        <translation>JIS B3</translation>
    </message>
    <message>
        <source>JIS B4</source>
        <translation>JIS B4</translation>
    </message>
    <message>
        <source>JIS B5</source>
        <translation>JIS B5</translation>
    </message>
    <message>
        <source>JIS B6</source>
        <translation>JIS B6</translation>
    </message>
    <message>
        <source>JIS B7</source>
        <translation>JIS B7</translation>
    </message>
    <message>
        <source>JIS B8</source>
        <translation>JIS B8</translation>
    </message>
    <message>
        <source>JIS B9</source>
        <translation>JIS B9</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>Ledger / ANSI B</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Legal Extra</source>
        <translation>Legal – ekstra</translation>
    </message>
    <message>
        <source>Letter / ANSI A</source>
        <translation>Letter / ANSI A</translation>
    </message>
    <message>
        <source>Letter Extra</source>
        <translation>Letter – ekstra</translation>
    </message>
    <message>
        <source>Letter Plus</source>
        <translation>Letter – pluss</translation>
    </message>
    <message>
        <source>Letter Small</source>
        <translation>Letter – lite</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>PRC 16K</source>
        <translation>PRC 16K</translation>
    </message>
    <message>
        <source>PRC 32K</source>
        <translation>PRC 32K</translation>
    </message>
    <message>
        <source>PRC 32K Big</source>
        <translation>PRC 32K – stort</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>Postkort</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>Quarto</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Super A</source>
        <translation>Super A</translation>
    </message>
    <message>
        <source>Super B</source>
        <translation>Super B</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>Tabloid / ANSI B</translation>
    </message>
    <message>
        <source>Tabloid Extra</source>
        <translation>Tabloid – ekstra</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nei</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Bruk</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Forkast</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorer</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Nei til a&amp;lt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Nullstill</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Tilbakestill til standard</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Prøv på nytt</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lagre alt</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Ja til &amp;alt</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>Filen %1 finnes allerede.
Vil du skrive over den?</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 har ikke rett syntaks. Bruk «,» til å skille sider/side­intervall, «-» for å definere side­intervall, og se til at eventuelle side­intervall ikke overlapper hverandre.</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 er en mappe.
Velg et annet navn.</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Valg &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Valg &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Skriv ut</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1 × 1)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4 × 4)</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2 × 1)</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2 × 2)</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2 × 3)</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3 × 3)</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Alle sider</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Bunn til topp – venstre til høyre</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Bunn til topp – høyre til venstre</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Konflikter ved tosidig utskrift</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Partallssider</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>Du har ikke skrivetilgang til %1.
Velg et annet navn.</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Ugyldig sidedefinisjon</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>Venstre til høyre – bunn til topp</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>Venstre til høyre – topp til bunn</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokal fil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Oddetallssider</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Valgene «Sider per ark» og «Sidesett» kan ikke brukes samtidig.
Du må slå av ett av valgene.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Skriv ut til fil …</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Skriv ut til fil (PDF)</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>Høyre til venstre – bunn til topp</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>Høyre til venstre – topp til bunn</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Fra-verdien kan ikke være større enn til-verdien.</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Det er konflikter i innstillingene for tosidig utskrift. Vil du rette dem?</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Topp til bunn – venstre til høyre</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Topp til bunn – høyre til venstre</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Skriv ut til PDF-fil</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Eksporterer til PDF</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Første side</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Tilpass til siden</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Tilpass til bredden</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Liggende</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Siste side</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Neste side</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Sideoppsett</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Sideoppsett</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Stående</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Forrige side</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Forhåndsvisning</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Vis motstående sider</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Vis oversikt over alle sidene</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Vis enkeltside</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Forstørr</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Forminsk</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Konflikter i avanserte valg</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Jobbvalg</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Konflikter i sideoppsett</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>Skriveregenskaper</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Det er konflikter i innstillingene for sideoppsett. Vil du rette dem?</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Det er konflikter i noen avanserte valg. Vil du rette dem?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avansert</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Det er konflikter i noen valg, som du må rette.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Collate</source>
        <translation>Sorter</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farger</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Fargemodus</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Eksemplarer</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Eksemplarer:</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Denne siden</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Tosidig utskrift</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Gråtoner</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Bind inn på langsiden</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Av</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Valg</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Utskriftsvalg</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Sidesett:</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Sider</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Sider fra</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Skriv ut alle</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>Utskriftsområde</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Baklengs</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Utvalg</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Bind inn på kortsiden</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Velg sider eller sideintervaller, og skill dem med komma. Et sideintervall er to sidetall med bindestrek mellom. For eksempel vil «3,5-7,9» skrive ut side 3, 5, 6, 7 og 9.</translation>
    </message>
    <message>
        <source>to</source>
        <translation>til</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Navn:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Skjema</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Sted:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Utfil:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Egenskaper</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Forhåndsvis</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skriver</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type:</translation>
    </message>
</context>
<context>
    <name>QProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
</context>
<context>
    <name>QSaveFile</name>
    <message>
        <source>Existing file %1 is not writable</source>
        <translation>Filen %1 er ikke skrivbar</translation>
    </message>
    <message>
        <source>Filename refers to a directory</source>
        <translation>Filnavnet viser til en mappe</translation>
    </message>
    <message>
        <source>QSaveFile cannot open '%1' without direct write fallback enabled.</source>
        <translation>QSaveFile kan ikke åpne «%1» uten at reserveløsningen med direkte skriving er slått på.</translation>
    </message>
    <message>
        <source>Writing canceled by application</source>
        <translation>Skrivingen ble avbrutt av programmet</translation>
    </message>
</context>
<context>
    <name>QScrollBar</name>
    <message>
        <source>Bottom</source>
        <translation>Bunn</translation>
    </message>
    <message>
        <source>Left edge</source>
        <translation>Venstre kant</translation>
    </message>
    <message>
        <source>Page down</source>
        <translation>Side ned</translation>
    </message>
    <message>
        <source>Page left</source>
        <translation>Side til venstre</translation>
    </message>
    <message>
        <source>Page right</source>
        <translation>Side til høyre</translation>
    </message>
    <message>
        <source>Page up</source>
        <translation>Side opp</translation>
    </message>
    <message>
        <source>Right edge</source>
        <translation>Høyre kant</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Rull ned</translation>
    </message>
    <message>
        <source>Scroll here</source>
        <translation>Rull her</translation>
    </message>
    <message>
        <source>Scroll left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll right</source>
        <translation>Rull til høyre</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Rull opp</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Topp</translation>
    </message>
</context>
<context>
    <name>QShortcut</name>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Add Favorite</source>
        <translation>Legg til favoritter</translation>
    </message>
    <message>
        <source>Adjust Brightness</source>
        <translation>Juster lysstyrke</translation>
    </message>
    <message>
        <source>Adjust contrast</source>
        <translation>Juster kontrast</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Application Left</source>
        <translation>Program venstre</translation>
    </message>
    <message>
        <source>Application Right</source>
        <translation>Program høyre</translation>
    </message>
    <message>
        <source>Audio Cycle Track</source>
        <translation>Lyd gjenta lydspor</translation>
    </message>
    <message>
        <source>Audio Random Play</source>
        <translation>Lyd tilfeldig rekkefølge</translation>
    </message>
    <message>
        <source>Audio Repeat</source>
        <translation>Lyd gjenta</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Vekk</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Tilbake</translation>
    </message>
    <message>
        <source>Back Forward</source>
        <translation>Bakover/framover</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rettetast</translation>
    </message>
    <message>
        <source>Backtab</source>
        <translation>Tilbaketab</translation>
    </message>
    <message>
        <source>Bass Boost</source>
        <translation>Bassforsterking</translation>
    </message>
    <message>
        <source>Bass Down</source>
        <translation>Mindre bass</translation>
    </message>
    <message>
        <source>Bass Up</source>
        <translation>Mer bass</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteri</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blå</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>Bok</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Nettleser</translation>
    </message>
    <message>
        <source>CD</source>
        <translation>CD</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Kalkulator</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Camera Focus</source>
        <translation>Kamerafokus</translation>
    </message>
    <message>
        <source>Camera Shutter</source>
        <translation>Kameralukker</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>CapsLock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Channel Down</source>
        <translation>Kanal ned</translation>
    </message>
    <message>
        <source>Channel Up</source>
        <translation>Kanal opp</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <source>Clear Grab</source>
        <translation>Clear Grab</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Code input</source>
        <translation>Kode inn</translation>
    </message>
    <message>
        <source>Community</source>
        <translation>Fellesskap</translation>
    </message>
    <message>
        <source>Context1</source>
        <translation>Kontekst1</translation>
    </message>
    <message>
        <source>Context2</source>
        <translation>Kontekst2</translation>
    </message>
    <message>
        <source>Context3</source>
        <translation>Kontekst3</translation>
    </message>
    <message>
        <source>Context4</source>
        <translation>Kontekst4</translation>
    </message>
    <message>
        <source>Control</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Klipp ut</translation>
    </message>
    <message>
        <source>DOS</source>
        <translation>DOS</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Skjerm</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumenter</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pil ned</translation>
    </message>
    <message>
        <source>Eisu Shift</source>
        <translation>Eisu Shift</translation>
    </message>
    <message>
        <source>Eisu toggle</source>
        <translation>Eisu på/av</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Løs ut</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Execute</source>
        <translation>Kjør</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>F%1</source>
        <translation>F%1</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritter</translation>
    </message>
    <message>
        <source>Finance</source>
        <translation>Økonomi</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Finn</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Vend</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Fram</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spill</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Gå til</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grønn</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Gaid</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Hangul Banja</source>
        <translation>Hangul banja</translation>
    </message>
    <message>
        <source>Hangul End</source>
        <translation>Hangul slutt</translation>
    </message>
    <message>
        <source>Hangul Hanja</source>
        <translation>Hangul hanja</translation>
    </message>
    <message>
        <source>Hangul Jamo</source>
        <translation>Hangul jamo</translation>
    </message>
    <message>
        <source>Hangul Jeonja</source>
        <translation>Hangul jeonja</translation>
    </message>
    <message>
        <source>Hangul PostHanja</source>
        <translation>Hangul posthanja</translation>
    </message>
    <message>
        <source>Hangul PreHanja</source>
        <translation>Hangul prehanja</translation>
    </message>
    <message>
        <source>Hangul Romaja</source>
        <translation>Hangul romaja</translation>
    </message>
    <message>
        <source>Hangul Special</source>
        <translation>Hangul spesial</translation>
    </message>
    <message>
        <source>Hangul Start</source>
        <translation>Hangul start</translation>
    </message>
    <message>
        <source>Hangup</source>
        <translation>Legg på</translation>
    </message>
    <message>
        <source>Hankaku</source>
        <translation>Hankaku</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Henkan</source>
        <translation>Henkan</translation>
    </message>
    <message>
        <source>Hibernate</source>
        <translation>Dvalemodus</translation>
    </message>
    <message>
        <source>Hiragana</source>
        <translation>Hiragana</translation>
    </message>
    <message>
        <source>Hiragana Katakana</source>
        <translation>Hiragana katakana</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historikk</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Home Office</source>
        <translation>Hjemmekontor</translation>
    </message>
    <message>
        <source>Home Page</source>
        <translation>Hjemmeside</translation>
    </message>
    <message>
        <source>Hot Links</source>
        <translation>Hurtiglenker</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Ins</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Kana Lock</source>
        <translation>Kana Lock</translation>
    </message>
    <message>
        <source>Kana Shift</source>
        <translation>Kana Shift</translation>
    </message>
    <message>
        <source>Kanji</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>Katakana</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>Keyboard Brightness Down</source>
        <translation>Mørkere tastaturlys</translation>
    </message>
    <message>
        <source>Keyboard Brightness Up</source>
        <translation>Lysere tastaturlys</translation>
    </message>
    <message>
        <source>Keyboard Light On/Off</source>
        <translation>Tastaturlys på/av</translation>
    </message>
    <message>
        <source>Keyboard Menu</source>
        <translation>Tastaturmeny</translation>
    </message>
    <message>
        <source>Last Number Redial</source>
        <translation>Ring siste ringde nummer</translation>
    </message>
    <message>
        <source>Launch (0)</source>
        <translation>Start (0)</translation>
    </message>
    <message>
        <source>Launch (1)</source>
        <translation>Start (1)</translation>
    </message>
    <message>
        <source>Launch (2)</source>
        <translation>Start (2)</translation>
    </message>
    <message>
        <source>Launch (3)</source>
        <translation>Start (3)</translation>
    </message>
    <message>
        <source>Launch (4)</source>
        <translation>Start (4)</translation>
    </message>
    <message>
        <source>Launch (5)</source>
        <translation>Start (5)</translation>
    </message>
    <message>
        <source>Launch (6)</source>
        <translation>Start (6)</translation>
    </message>
    <message>
        <source>Launch (7)</source>
        <translation>Start (7)</translation>
    </message>
    <message>
        <source>Launch (8)</source>
        <translation>Start (8)</translation>
    </message>
    <message>
        <source>Launch (9)</source>
        <translation>Start (9)</translation>
    </message>
    <message>
        <source>Launch (A)</source>
        <translation>Start (A)</translation>
    </message>
    <message>
        <source>Launch (B)</source>
        <translation>Start (B)</translation>
    </message>
    <message>
        <source>Launch (C)</source>
        <translation>Start (C)</translation>
    </message>
    <message>
        <source>Launch (D)</source>
        <translation>Start (D)</translation>
    </message>
    <message>
        <source>Launch (E)</source>
        <translation>Start (E)</translation>
    </message>
    <message>
        <source>Launch (F)</source>
        <translation>Start (F)</translation>
    </message>
    <message>
        <source>Launch (G)</source>
        <translation>Start (G)</translation>
    </message>
    <message>
        <source>Launch (H)</source>
        <translation>Start (H)</translation>
    </message>
    <message>
        <source>Launch Mail</source>
        <translation>Start e-post</translation>
    </message>
    <message>
        <source>Launch Media</source>
        <translation>Start media</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pil venstre</translation>
    </message>
    <message>
        <source>LightBulb</source>
        <translation>Lyspære</translation>
    </message>
    <message>
        <source>Logoff</source>
        <translation>Logg ut</translation>
    </message>
    <message>
        <source>Mail Forward</source>
        <translation>Videresend på e-post</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Marked</translation>
    </message>
    <message>
        <source>Massyo</source>
        <translation>Massyo</translation>
    </message>
    <message>
        <source>Media Fast Forward</source>
        <translation>Media spol framover</translation>
    </message>
    <message>
        <source>Media Next</source>
        <translation>Media neste</translation>
    </message>
    <message>
        <source>Media Pause</source>
        <translation>Media pause</translation>
    </message>
    <message>
        <source>Media Play</source>
        <translation>Media spill</translation>
    </message>
    <message>
        <source>Media Previous</source>
        <translation>Media forrige</translation>
    </message>
    <message>
        <source>Media Record</source>
        <translation>Media opptak</translation>
    </message>
    <message>
        <source>Media Rewind</source>
        <translation>Media spol bakover</translation>
    </message>
    <message>
        <source>Media Stop</source>
        <translation>Media stopp</translation>
    </message>
    <message>
        <source>Meeting</source>
        <translation>Møte</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notat</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Meny</translation>
    </message>
    <message>
        <source>Menu PB</source>
        <translation>Meny PB</translation>
    </message>
    <message>
        <source>Messenger</source>
        <translation>Meldingstjeneste</translation>
    </message>
    <message>
        <source>Meta</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Microphone Mute</source>
        <translation>Demp mikrofon</translation>
    </message>
    <message>
        <source>Microphone Volume Down</source>
        <translation>Lavere mikrofonlyd</translation>
    </message>
    <message>
        <source>Microphone Volume Up</source>
        <translation>Høyere mikrofonlyd</translation>
    </message>
    <message>
        <source>Monitor Brightness Down</source>
        <translation>Mørkere skjerm</translation>
    </message>
    <message>
        <source>Monitor Brightness Up</source>
        <translation>Lysere skjerm</translation>
    </message>
    <message>
        <source>Muhenkan</source>
        <translation>Muhenkan</translation>
    </message>
    <message>
        <source>Multiple Candidate</source>
        <translation>Flere kandidater</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musikk</translation>
    </message>
    <message>
        <source>My Sites</source>
        <translation>Nettsteder</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nyheter</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nei</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Num</translation>
    </message>
    <message>
        <source>Num Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>NumLock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Number Lock</source>
        <translation>Num Lock</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Open URL</source>
        <translation>Åpne adresse</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Valg</translation>
    </message>
    <message>
        <source>Page Down</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Page Up</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Lim inn</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>PgDown</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>PgUp</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spill av</translation>
    </message>
    <message>
        <source>Power Down</source>
        <translation>Slå av maskinen</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Slå av maskinen</translation>
    </message>
    <message>
        <source>Previous Candidate</source>
        <translation>Forrige kandidat</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Print Screen</source>
        <translation>Print Screen</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>Skriver</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rød</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gjør om</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Oppdater</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Last inn på nytt</translation>
    </message>
    <message>
        <source>Reply</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pil høyre</translation>
    </message>
    <message>
        <source>Romaji</source>
        <translation>Rōmaji</translation>
    </message>
    <message>
        <source>Rotate Windows</source>
        <translation>Roter vindu</translation>
    </message>
    <message>
        <source>Rotation KB</source>
        <translation>Roter KB</translation>
    </message>
    <message>
        <source>Rotation PB</source>
        <translation>Roter PB</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Pauseskjerm</translation>
    </message>
    <message>
        <source>Scroll Lock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>ScrollLock</source>
        <translation>Scroll Lock</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Velg</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Handle</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Hvilemodus</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Mellomrom</translation>
    </message>
    <message>
        <source>Spellchecker</source>
        <translation>Stavekontroll</translation>
    </message>
    <message>
        <source>Split Screen</source>
        <translation>Del skjerm</translation>
    </message>
    <message>
        <source>Spreadsheet</source>
        <translation>Regneark</translation>
    </message>
    <message>
        <source>Standby</source>
        <translation>Ventemodus</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Subtitle</source>
        <translation>Undertekst</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Støtte</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>Hvilemodus</translation>
    </message>
    <message>
        <source>SysReq</source>
        <translation>Sys Req</translation>
    </message>
    <message>
        <source>System Request</source>
        <translation>Sys Req</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Task Panel</source>
        <translation>Oppgavelinje</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tid</translation>
    </message>
    <message>
        <source>To-do list</source>
        <translation>Oppgaveliste</translation>
    </message>
    <message>
        <source>Toggle Call/Hangup</source>
        <translation>Ring / legg på</translation>
    </message>
    <message>
        <source>Toggle Media Play/Pause</source>
        <translation>Media spill/pause</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Verktøy</translation>
    </message>
    <message>
        <source>Top Menu</source>
        <translation>Toppmeny</translation>
    </message>
    <message>
        <source>Touchpad Off</source>
        <translation>Styreplate av</translation>
    </message>
    <message>
        <source>Touchpad On</source>
        <translation>Styreplate på</translation>
    </message>
    <message>
        <source>Touchpad Toggle</source>
        <translation>Styreplate på/av</translation>
    </message>
    <message>
        <source>Touroku</source>
        <translation>Touroku</translation>
    </message>
    <message>
        <source>Travel</source>
        <translation>Reise</translation>
    </message>
    <message>
        <source>Treble Down</source>
        <translation>Mindre diskant</translation>
    </message>
    <message>
        <source>Treble Up</source>
        <translation>Mer diskant</translation>
    </message>
    <message>
        <source>Ultra Wide Band</source>
        <translation>Ultra Wide Band</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Angre</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Pil opp</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Voice Dial</source>
        <translation>Stemmeoppringing</translation>
    </message>
    <message>
        <source>Volume Down</source>
        <translation>Lavere lyd</translation>
    </message>
    <message>
        <source>Volume Mute</source>
        <translation>Demp lyd</translation>
    </message>
    <message>
        <source>Volume Up</source>
        <translation>Høyere lyd</translation>
    </message>
    <message>
        <source>WWW</source>
        <translation>Verdensveven</translation>
    </message>
    <message>
        <source>Wake Up</source>
        <translation>Vekk opp maskinen</translation>
    </message>
    <message>
        <source>WebCam</source>
        <translation>Nettkamera</translation>
    </message>
    <message>
        <source>Wireless</source>
        <translation>Trådløs</translation>
    </message>
    <message>
        <source>Word Processor</source>
        <translation>Tekstbehandler</translation>
    </message>
    <message>
        <source>XFer</source>
        <translation>XFer</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gul</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Zenkaku</source>
        <translation>Zenkaku</translation>
    </message>
    <message>
        <source>Zenkaku Hankaku</source>
        <translation>Zenkaku hankaku</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Forstørr/forminsk</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Forstørr</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Forminsk</translation>
    </message>
    <message>
        <source>iTouch</source>
        <translation>iTouch</translation>
    </message>
</context>
<context>
    <name>QStandardPaths</name>
    <message>
        <source>Application Configuration</source>
        <translation>Programoppsett</translation>
    </message>
    <message>
        <source>Application Data</source>
        <translation>Programdata</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Cache</source>
        <translation>Hurtiglager</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Oppsett</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Skrivebord</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Dokumenter</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nedlastinger</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Skrifter</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Hjem</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmer</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musikk</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Kjøretid</translation>
    </message>
    <message>
        <source>Shared Cache</source>
        <translation>Delt hurtiglager</translation>
    </message>
    <message>
        <source>Shared Configuration</source>
        <translation>Delt oppsett</translation>
    </message>
    <message>
        <source>Shared Data</source>
        <translation>Delte data</translation>
    </message>
    <message>
        <source>Temporary Directory</source>
        <translation>Midlertidig mappe</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Rull til venstre</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Rull til høyre</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>FSI First strong isolate</source>
        <translation>FSI første sterke isolator</translation>
    </message>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Sett inn Unicode-kontrolltegn</translation>
    </message>
    <message>
        <source>LRE Start of left-to-right embedding</source>
        <translation>LRE start på venstre-til-høyre-innebygging</translation>
    </message>
    <message>
        <source>LRI Left-to-right isolate</source>
        <translation>LRI venstre-til-høyre-isolator</translation>
    </message>
    <message>
        <source>LRM Left-to-right mark</source>
        <translation>LRM venstre-til-høyre-merke</translation>
    </message>
    <message>
        <source>LRO Start of left-to-right override</source>
        <translation>LRO start på venstre-til-høyre-overstyring</translation>
    </message>
    <message>
        <source>PDF Pop directional formatting</source>
        <translation>PDF slutt retningsformatering</translation>
    </message>
    <message>
        <source>PDI Pop directional isolate</source>
        <translation>PDI slutt retningsisolator</translation>
    </message>
    <message>
        <source>RLE Start of right-to-left embedding</source>
        <translation>RLE start på høyre-til-venstre-innebygging</translation>
    </message>
    <message>
        <source>RLI Right-to-left isolate</source>
        <translation>RLI høyre-til-venstre-isolator</translation>
    </message>
    <message>
        <source>RLM Right-to-left mark</source>
        <translation>RLM høyre-til-venstre-merke</translation>
    </message>
    <message>
        <source>RLO Start of right-to-left override</source>
        <translation>RLO start på høyre-til-venstre-overstyring</translation>
    </message>
    <message>
        <source>ZWJ Zero width joiner</source>
        <translation>ZWJ bindetegn med bredde null</translation>
    </message>
    <message>
        <source>ZWNJ Zero width non-joiner</source>
        <translation>ZWNJ ikke-bind-tegn med bredde null</translation>
    </message>
    <message>
        <source>ZWSP Zero width space</source>
        <translation>ZWSP mellomrom med bredde null</translation>
    </message>
</context>
<context>
    <name>QWhatsThisAction</name>
    <message>
        <source>What's This?</source>
        <translation>Hva er dette?</translation>
    </message>
</context>
<context>
    <name>QWidget</name>
    <message>
        <source>*</source>
        <translation>*</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Lim inn</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Gjør om</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Angre</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopier &amp;lenkeadresse</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Klipp &amp;ut</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
</context>
<context>
    <name>QWizard</name>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fullfør</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Neste</translation>
    </message>
    <message>
        <source>&amp;Next &gt;</source>
        <translation>&amp;Neste &gt;</translation>
    </message>
    <message>
        <source>&lt; &amp;Back</source>
        <translation>&lt; &amp;Tilbake</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Commit</source>
        <translation>Meld inn</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fullført</translation>
    </message>
    <message>
        <source>Go Back</source>
        <translation>Gå tilbake</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
</context>
</TS>
