<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Circa Kelp</source>
        <translation>About Kelp</translation>
    </message>
    <message>
        <source>Versione in lingua: %1</source>
        <translation>Language version: %1</translation>
    </message>
    <message>
        <source>Il logbook delle tue immersioni.</source>
        <translation>The logbook of your dives.</translation>
    </message>
</context>
<context>
    <name>CActivityDlg</name>
    <message>
        <source>Attività</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Ore teoria</source>
        <translation>Theory hours</translation>
    </message>
    <message>
        <source>Ore pratica</source>
        <translation>Practice hours</translation>
    </message>
    <message>
        <source>Numero persone</source>
        <translation>Participants</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Teoria</source>
        <translation>Theory</translation>
    </message>
    <message>
        <source>Pratica</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CAddressDlg</name>
    <message>
        <source>nome</source>
        <translation>first name</translation>
    </message>
    <message>
        <source>Cognome</source>
        <translation>Surname</translation>
    </message>
    <message>
        <source>Titolo</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>Via</source>
        <translation>Street</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Paese</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation>County</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Mobile</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Modifica Indirizzo</source>
        <translation>Edit address</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CAlarmsDlg</name>
    <message>
        <source>Allarmi</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>&amp;RISALITA</source>
        <translation>&amp;ASCENT</translation>
    </message>
    <message>
        <source>&amp;DECOMPRESSIONE</source>
        <translation>&amp;DECOMPRESSION</translation>
    </message>
    <message>
        <source>&amp;LAVORO</source>
        <translation>&amp;WORKLOAD</translation>
    </message>
    <message>
        <source>&amp;SOS</source>
        <translation>&amp;SOS</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CBookDlg</name>
    <message>
        <source>Attività e qualificazioni</source>
        <translation>Activities and qualifications</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Seleziona</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Carica</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Indirizzi compagni</source>
        <translation>Buddy addresses</translation>
    </message>
    <message>
        <source>Modifica</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Nuova</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Ordina</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Attrezzatura</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Costi</source>
        <translation>Costs</translation>
    </message>
    <message>
        <source>Viaggi sub</source>
        <translation>Dive trips</translation>
    </message>
    <message>
        <source>Vai a:</source>
        <translation>Go to:</translation>
    </message>
    <message>
        <source>Questo Logbook appartiene a:</source>
        <translation>This logbook belongs to:</translation>
    </message>
</context>
<context>
    <name>CColorSetDlg</name>
    <message>
        <source>Imposta colori</source>
        <translation>Set colors</translation>
    </message>
    <message>
        <source>Normale</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Profilo Colori</source>
        <translation>Profile colors</translation>
    </message>
    <message>
        <source>Profilo</source>
        <translation>Profile</translation>
    </message>
    <message>
        <source>Sfondo</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Secondo profilo</source>
        <translation>Second profile</translation>
    </message>
    <message>
        <source>Linea di deco</source>
        <translation>Deco line</translation>
    </message>
    <message>
        <source>Allarmi</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Linee</source>
        <translation>Lines</translation>
    </message>
    <message>
        <source>Testo</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Affanno</source>
        <translation>Workload</translation>
    </message>
    <message>
        <source>Colori</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Deco 92 (0-700 m)</source>
        <translation>Deco 92 (0-700 m)</translation>
    </message>
    <message>
        <source>Deco 92 (701-1500 m)</source>
        <translation>Deco 92 (701-1500 m)</translation>
    </message>
    <message>
        <source>US Navy</source>
        <translation>US Navy</translation>
    </message>
    <message>
        <source>Aladin (0-900 m)</source>
        <translation>Aladin (0-900 m)</translation>
    </message>
    <message>
        <source>Aladin (1750-2700 m)</source>
        <translation>Aladin (1750-2700 m)</translation>
    </message>
    <message>
        <source>Sottofondo</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Statistiche colori</source>
        <translation>Statistics colors</translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation>Fresh water</translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation>Salt water</translation>
    </message>
    <message>
        <source>Camera di ricompressione</source>
        <translation>Recompression chamber</translation>
    </message>
    <message>
        <source>Valori sotto Ø</source>
        <translation>Values below Ø</translation>
    </message>
    <message>
        <source>Valori sopra Ø</source>
        <translation>Values above Ø</translation>
    </message>
</context>
<context>
    <name>CComputerTypeDlg</name>
    <message>
        <source>Descrizioni</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Ident:</source>
        <translation>Ident:</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Si</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Gas</source>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Aria</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Aria integrata</source>
        <translation>Air integrated</translation>
    </message>
    <message>
        <source>Importo</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CComputerTypesDlg</name>
    <message>
        <source>Tipi di computers</source>
        <translation>Computer types</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Crea</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
</context>
<context>
    <name>CComputersDlg</name>
    <message>
        <source>Computers</source>
        <translation>Computers</translation>
    </message>
    <message>
        <source>Questi computers subaquei sono supportati. Se il vostro computer manca, inviateci il suo logbook: cercheremo di aggiungerlo.</source>
        <translation>These dive computers are supported. If yours is missing, send us its logbook: we will try to add it.</translation>
    </message>
</context>
<context>
    <name>CCsvExportDlg</name>
    <message>
        <source>Numero imm</source>
        <translation>Dive no.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Località</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Prof max</source>
        <translation>Max. depth</translation>
    </message>
    <message>
        <source>Prof media</source>
        <translation>Avg. depth</translation>
    </message>
    <message>
        <source>Tempo imm</source>
        <translation>Dive time</translation>
    </message>
    <message>
        <source>Consumo aria (respiri)</source>
        <translation>Air consumption (breaths)</translation>
    </message>
    <message>
        <source>Altitudine</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Meteo</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Visibilità</source>
        <translation>Visibility</translation>
    </message>
    <message>
        <source>Muta</source>
        <comment>suit</comment>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Muta</source>
        <comment>suit type</comment>
        <translation>Suit type</translation>
    </message>
    <message>
        <source>Zavorra</source>
        <translation>Ballast</translation>
    </message>
    <message>
        <source>Tipo imm</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Compagni</source>
        <translation>Buddies</translation>
    </message>
    <message>
        <source>Capacità bombola</source>
        <translation>Tank volume</translation>
    </message>
    <message>
        <source>Bombola</source>
        <translation>Tank</translation>
    </message>
    <message>
        <source>Pressione</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Consumo aria (press)</source>
        <translation>Air consumption (pressure)</translation>
    </message>
    <message>
        <source>Temperatura min</source>
        <translation>Min. temperature</translation>
    </message>
    <message>
        <source>Temperatura aria</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Esporta a Excel</source>
        <translation>Export to Excel</translation>
    </message>
    <message>
        <source>Prima imm:</source>
        <translation>First dive:</translation>
    </message>
    <message>
        <source>Campi</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Profili</source>
        <translation>Profiles</translation>
    </message>
    <message>
        <source>Separa dati</source>
        <translation>Separator</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semicolon</translation>
    </message>
    <message>
        <source>Tabulator</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Profilo immersione</source>
        <translation>Dive profile</translation>
    </message>
    <message>
        <source>Negativo</source>
        <translation>Negative</translation>
    </message>
    <message>
        <source>Positivo</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>Formato tempo profilo</source>
        <translation>Profile time format</translation>
    </message>
    <message>
        <source>Secondi</source>
        <translation>Seconds</translation>
    </message>
    <message>
        <source>Esporta</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDecoCalcDlg</name>
    <message>
        <source>Calcolo immersione DECO 92</source>
        <translation>DECO 92 dive calculator</translation>
    </message>
    <message>
        <source>Tabella</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Livello mare (0m-700m)</source>
        <translation>Sea level (0m-700m)</translation>
    </message>
    <message>
        <source>Lago di montagna (701m-1500m)</source>
        <translation>Mountain lake (701m-1500m)</translation>
    </message>
    <message>
        <source>Immersione ripetitiva</source>
        <translation>Repetitive dive</translation>
    </message>
    <message>
        <source>Gruppo di ripetizione</source>
        <translation>Repetitive group</translation>
    </message>
    <message>
        <source>Intervallo di superfice (min)</source>
        <translation>Surface interval (min)</translation>
    </message>
    <message>
        <source>Aria</source>
        <translation>Air</translation>
    </message>
    <message>
        <source>Consumo aria (l/min)</source>
        <translation>Air consumption (l/min)</translation>
    </message>
    <message>
        <source>Dimensioni bombola (l)</source>
        <translation>Tank volume (l)</translation>
    </message>
    <message>
        <source>Pressione bombola (bar)</source>
        <translation>Tank pressure (bar)</translation>
    </message>
    <message>
        <source>Immersione</source>
        <translation>Dive</translation>
    </message>
    <message>
        <source>Prof.Max. (m)</source>
        <translation>Max. depth (m)</translation>
    </message>
    <message>
        <source>Tempo di fondo (min)</source>
        <translation>Bottom time (min)</translation>
    </message>
    <message>
        <source>Profilo [richiesto]</source>
        <translation>Profile [required]</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Colori</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Incrocia</source>
        <translation>Crosshair</translation>
    </message>
    <message>
        <source>Modello</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Tabelle DECO 92</source>
        <translation>DECO 92 tables</translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C</source>
        <translation>Bühlmann ZH-L16C</translation>
    </message>
    <message>
        <source>Fattori di gradiente GF basso/alto (%)</source>
        <translation>Gradient factors GF low/high (%)</translation>
    </message>
    <message>
        <source>Ossigeno (%, 21 = aria)</source>
        <translation>Oxygen (%, 21 = air)</translation>
    </message>
    <message>
        <source>Altitudine (m)</source>
        <translation>Altitude (m)</translation>
    </message>
    <message>
        <source>Imm. precedente: prof. (m)</source>
        <translation>Previous dive: depth (m)</translation>
    </message>
    <message>
        <source>Imm. precedente: tempo di fondo (min)</source>
        <translation>Previous dive: bottom time (min)</translation>
    </message>
    <message>
        <source>Imm. precedente: ossigeno (%)</source>
        <translation>Previous dive: oxygen (%)</translation>
    </message>
    <message>
        <source>Calcolo immersione Bühlmann ZH-L16C</source>
        <translation>Dive calculation Bühlmann ZH-L16C</translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C, GF %1/%2</source>
        <translation>Bühlmann ZH-L16C, GF %1/%2</translation>
    </message>
    <message>
        <source>Piano calcolato con: %1. Un piano non sostituisce il computer subacqueo né la formazione del subacqueo.</source>
        <translation>Planned with: %1. A plan does not replace your dive computer or your training.</translation>
    </message>
</context>
<context>
    <name>CDefaultDlg</name>
    <message>
        <source>Default</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>&amp;Usare</source>
        <translation>&amp;Use</translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation>Altitude:</translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation>Suit:</translation>
    </message>
    <message>
        <source>Tipo muta:</source>
        <translation>Suit model:</translation>
    </message>
    <message>
        <source>Dim bombola (%1):</source>
        <translation>Tank size (%1):</translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Zavorra (%1):</source>
        <translation>Weight (%1):</translation>
    </message>
    <message>
        <source>In curva</source>
        <translation>No-stop</translation>
    </message>
    <message>
        <source>Decompressione</source>
        <translation>Decompression</translation>
    </message>
    <message>
        <source>Tipo imm.</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Risalita unica</source>
        <translation>Single ascent</translation>
    </message>
    <message>
        <source>Risalita multipla</source>
        <translation>Multiple ascent</translation>
    </message>
    <message>
        <source>Risalita</source>
        <translation>Ascent</translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation>Fresh water</translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation>Salt water</translation>
    </message>
    <message>
        <source>Camera di ricompressione</source>
        <translation>Recompression chamber</translation>
    </message>
    <message>
        <source>Acqua</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDisplWindow</name>
    <message>
        <source>Dati immersione</source>
        <translation>Dive data</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Ora:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Località:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Prof max:</source>
        <translation>Max. depth:</translation>
    </message>
    <message>
        <source>Prof media:</source>
        <translation>Avg. depth:</translation>
    </message>
    <message>
        <source>Tempo imm.:</source>
        <translation>Dive time:</translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation>Air used:</translation>
    </message>
    <message>
        <source>AMV:</source>
        <translation>RMV:</translation>
    </message>
    <message>
        <source>Tipo imm.:</source>
        <translation>Dive type:</translation>
    </message>
    <message>
        <source>Attività:</source>
        <translation>Activities:</translation>
    </message>
    <message>
        <source>Allarmi:</source>
        <translation>Warnings:</translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation>Buddies:</translation>
    </message>
</context>
<context>
    <name>CDiveEditDlg</name>
    <message>
        <source>Crea imm</source>
        <translation>Create dive</translation>
    </message>
    <message>
        <source>Numero:</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Ora:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Intervallo:</source>
        <translation>Surface interval:</translation>
    </message>
    <message>
        <source>Località:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Limpido</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Nuvoloso</source>
        <translation>Cloudy</translation>
    </message>
    <message>
        <source>Incerto</source>
        <translation>Unsettled</translation>
    </message>
    <message>
        <source>Pioggia</source>
        <translation>Rain</translation>
    </message>
    <message>
        <source>Temporale</source>
        <translation>Storm</translation>
    </message>
    <message>
        <source>neve</source>
        <translation>Snow</translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation>Altitude:</translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation>Weather:</translation>
    </message>
    <message>
        <source>Temperatura aria:</source>
        <translation>Air temperature:</translation>
    </message>
    <message>
        <source>Temp.min.acqua:</source>
        <translation>Min. water temp.:</translation>
    </message>
    <message>
        <source>Prof.max:</source>
        <translation>Max. depth:</translation>
    </message>
    <message>
        <source>Tempo imm:</source>
        <translation>Dive time:</translation>
    </message>
    <message>
        <source>Senza muta</source>
        <translation>No suit</translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation>Shorty</translation>
    </message>
    <message>
        <source>Salopette</source>
        <translation>Long john</translation>
    </message>
    <message>
        <source>Duo pezzi</source>
        <translation>Two-piece</translation>
    </message>
    <message>
        <source>Semi-stagna</source>
        <translation>Semi-dry</translation>
    </message>
    <message>
        <source>Stagna</source>
        <translation>Drysuit</translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation>Suit:</translation>
    </message>
    <message>
        <source>Capacità bombola:</source>
        <translation>Tank size:</translation>
    </message>
    <message>
        <source>Consumo aria:</source>
        <translation>Air consumption:</translation>
    </message>
    <message>
        <source>Acciaio</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Zavorra:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Pressione:</source>
        <translation>Pressure:</translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Visibilità:</source>
        <translation>Visibility:</translation>
    </message>
    <message>
        <source>In curva</source>
        <translation>No-stop</translation>
    </message>
    <message>
        <source>Decompressione</source>
        <translation>Decompression</translation>
    </message>
    <message>
        <source>Tipo imm.</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Risalita unica</source>
        <translation>Single ascent</translation>
    </message>
    <message>
        <source>Risalita multipla</source>
        <translation>Multiple ascent</translation>
    </message>
    <message>
        <source>Risalita</source>
        <translation>Ascent</translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation>Fresh water</translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation>Salt water</translation>
    </message>
    <message>
        <source>Camera di ricompressione</source>
        <translation>Recompression chamber</translation>
    </message>
    <message>
        <source>Acqua</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation>Nitrox</translation>
    </message>
    <message>
        <source>SCR</source>
        <translation>SCR</translation>
    </message>
    <message>
        <source>imm da barca</source>
        <translation>Boat dive</translation>
    </message>
    <message>
        <source>imm da riva</source>
        <translation>Shore dive</translation>
    </message>
    <message>
        <source>Partenza</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>Con guida</source>
        <translation>With guide</translation>
    </message>
    <message>
        <source>Con diving</source>
        <translation>With dive centre</translation>
    </message>
    <message>
        <source>Accompagnamento</source>
        <translation>Guidance</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activities</translation>
    </message>
    <message>
        <source>Altro:</source>
        <translation>Other:</translation>
    </message>
    <message>
        <source>Usa abbreviazioni</source>
        <translation>Use abbreviations</translation>
    </message>
    <message>
        <source>Risultati:</source>
        <translation>Results:</translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation>Buddies:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Allarmi</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Testo libero</source>
        <translation>Free text</translation>
    </message>
    <message>
        <source>Assumere dati precedente</source>
        <translation>Copy previous dive</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CDiveListDlg</name>
    <message>
        <source>Lista immersioni</source>
        <translation>Dive list</translation>
    </message>
</context>
<context>
    <name>CDivesPerMonthDlg</name>
    <message>
        <source>Immersioni al mese</source>
        <translation>Dives per month</translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation>Fresh water</translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation>Salt water</translation>
    </message>
    <message>
        <source>Camera iper</source>
        <translation>Chamber</translation>
    </message>
    <message>
        <source>Colori</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CEquipmentCostDlg</name>
    <message>
        <source>Costo attrezzatura</source>
        <translation>Equipment costs</translation>
    </message>
    <message>
        <source>Utilizzatore:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Valuta:</source>
        <translation>Currency:</translation>
    </message>
    <message>
        <source>Numero</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Acquistato a</source>
        <translation>Purchase</translation>
    </message>
    <message>
        <source>Revisioni</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
</context>
<context>
    <name>CEquipmentDlg</name>
    <message>
        <source>Controllo automatico</source>
        <translation>Check automatically</translation>
    </message>
</context>
<context>
    <name>CEquipmentItemDlg</name>
    <message>
        <source>Attrezzatura</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Categoria</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Designazione:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Utilizzatore:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Comperato,  Data:</source>
        <translation>Bought on:</translation>
    </message>
    <message>
        <source>Comp1:</source>
        <translation>Part 1:</translation>
    </message>
    <message>
        <source>Numero di serie</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Comp2:</source>
        <translation>Part 2:</translation>
    </message>
    <message>
        <source>Numero di serie2:</source>
        <translation>Serial number 2:</translation>
    </message>
    <message>
        <source>Configurazione:</source>
        <translation>Configuration:</translation>
    </message>
    <message>
        <source>Ultima revisione (mese, anno):</source>
        <translation>Last service (month, year):</translation>
    </message>
    <message>
        <source>Prossima revisione (mese, anno):</source>
        <translation>Next service (month, year):</translation>
    </message>
    <message>
        <source>Acquistato a:</source>
        <translation>Purchase:</translation>
    </message>
    <message>
        <source>Revisioni:</source>
        <translation>Service:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Avvisa prossima revisione</source>
        <translation>Remind me of the next service</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Immettere un numero intero compreso tra 0 e %1.</source>
        <translation>Enter a whole number from 0 to %1.</translation>
    </message>
</context>
<context>
    <name>CExtendedSearchDlg</name>
    <message>
        <source>In curva</source>
        <translation>No-stop</translation>
    </message>
    <message>
        <source>Decompressione</source>
        <translation>Decompression</translation>
    </message>
    <message>
        <source>Risalita unica</source>
        <translation>Single ascent</translation>
    </message>
    <message>
        <source>Risalita multipla</source>
        <translation>Multiple ascent</translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation>Fresh water</translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation>Salt water</translation>
    </message>
    <message>
        <source>Lavoro sub</source>
        <translation>Commercial diving</translation>
    </message>
    <message>
        <source>Solitaria</source>
        <translation>Solo</translation>
    </message>
    <message>
        <source>In camera di ricom.</source>
        <translation>In recompr. chamber</translation>
    </message>
    <message>
        <source>Specialità</source>
        <translation>Specialty</translation>
    </message>
    <message>
        <source>Qualificazione</source>
        <translation>Qualification</translation>
    </message>
    <message>
        <source>Accettazione esami</source>
        <translation>Exam acceptance</translation>
    </message>
    <message>
        <source>Esami</source>
        <translation>Exams</translation>
    </message>
    <message>
        <source>Imm con bussola</source>
        <translation>Compass dive</translation>
    </message>
    <message>
        <source>Seleziona file</source>
        <translation>Selection file</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Località:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation>Altitude:</translation>
    </message>
    <message>
        <source>Prof.:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation>Weather:</translation>
    </message>
    <message>
        <source>Tempo imm:</source>
        <translation>Dive time:</translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation>Suit:</translation>
    </message>
    <message>
        <source>Consumo aria:</source>
        <translation>Air consumption:</translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation>Buddies:</translation>
    </message>
    <message>
        <source>Capacità bombola:</source>
        <translation>Tank size:</translation>
    </message>
    <message>
        <source>Altro:</source>
        <translation>Other:</translation>
    </message>
    <message>
        <source>Tipo immersione</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation>Nitrox</translation>
    </message>
    <message>
        <source>SCR</source>
        <translation>SCR</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activities</translation>
    </message>
    <message>
        <source>Attività speciali</source>
        <translation>Special activities</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>AND</source>
        <translation>AND</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OR</translation>
    </message>
    <message>
        <source>Calcola immersioni:</source>
        <translation>Dives found:</translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Crea file</source>
        <translation>Create file</translation>
    </message>
    <message>
        <source>Vai a:</source>
        <translation>Go to:</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Non ho trovato immersioni relative</source>
        <translation>No matching dives found</translation>
    </message>
    <message>
        <source>´%1´ è il logbook aperto.
Scegliere un altro nome per il nuovo file.</source>
        <translation>&apos;%1&apos; is the open logbook.
Choose another name for the new file.</translation>
    </message>
    <message>
        <source>´%1´ esiste già
sovrasciverlo?</source>
        <translation>&apos;%1&apos; already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>Impossibile salvare il logbook
%1

%2</source>
        <translation>Cannot save the logbook
%1

%2</translation>
    </message>
</context>
<context>
    <name>CFieldSelectionDlg</name>
    <message>
        <source>&amp;Nummer</source>
        <translation>N&amp;umber</translation>
    </message>
    <message>
        <source>&amp;Datum</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>&amp;Uhrzeit</source>
        <translation>&amp;Time</translation>
    </message>
    <message>
        <source>H&amp;öhenbereich</source>
        <translation>A&amp;ltitude</translation>
    </message>
    <message>
        <source>&amp;Intervall</source>
        <translation>Surface interval</translation>
    </message>
    <message>
        <source>&amp;Wetter</source>
        <translation>&amp;Weather</translation>
    </message>
    <message>
        <source>&amp;Lufttemperatur</source>
        <translation>Air te&amp;mperature</translation>
    </message>
    <message>
        <source>Anzu&amp;g</source>
        <translation>&amp;Suit</translation>
    </message>
    <message>
        <source>&amp;Flaschengröße</source>
        <translation>Tan&amp;k size</translation>
    </message>
    <message>
        <source>Ma&amp;ximaltiefe</source>
        <translation>Ma&amp;x. depth</translation>
    </message>
    <message>
        <source>Dur&amp;chschnittstiefe</source>
        <translation>Average dept&amp;h</translation>
    </message>
    <message>
        <source>Tauch&amp;zeit</source>
        <translation>D&amp;ive time</translation>
    </message>
    <message>
        <source>Wasse&amp;rtemperatur</source>
        <translation>Water tem&amp;perature</translation>
    </message>
    <message>
        <source>Luft&amp;verbrauch</source>
        <translation>Air &amp;consumption</translation>
    </message>
    <message>
        <source>&amp;AMV</source>
        <translation>&amp;RMV</translation>
    </message>
    <message>
        <source>&amp;Tauchgangstyp</source>
        <translation>Di&amp;ve type</translation>
    </message>
    <message>
        <source>A&amp;ktivität</source>
        <translation>&amp;Activity</translation>
    </message>
    <message>
        <source>M&amp;eldungen</source>
        <translation>Warnin&amp;gs</translation>
    </message>
    <message>
        <source>&amp;Partner</source>
        <translation>&amp;Buddies</translation>
    </message>
    <message>
        <source>K&amp;ommentar</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>Anzug&amp;modell</source>
        <translation>Suit m&amp;odel</translation>
    </message>
    <message>
        <source>F&amp;ülldruck</source>
        <translation>&amp;Fill pressure</translation>
    </message>
    <message>
        <source>Flasc&amp;henmaterial</source>
        <translation>Tank material</translation>
    </message>
    <message>
        <source>&amp;Sichtweite</source>
        <translation>Visibilit&amp;y</translation>
    </message>
    <message>
        <source>&amp;Blei</source>
        <translation>W&amp;eight</translation>
    </message>
    <message>
        <source>Datenfelder Ausgabe Hauptfenster</source>
        <translation>Fields of the main window</translation>
    </message>
    <message>
        <source>Nur Erweiterter Modus</source>
        <translation>Extended mode only</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CFillDivesDlg</name>
    <message>
        <source>Compila dati immersione</source>
        <translation>Fill in dive data</translation>
    </message>
    <message>
        <source>Imm</source>
        <translation>Dives</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Località:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Limpido</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Nuvoloso</source>
        <translation>Cloudy</translation>
    </message>
    <message>
        <source>Incerto</source>
        <translation>Unsettled</translation>
    </message>
    <message>
        <source>Pioggia</source>
        <translation>Rain</translation>
    </message>
    <message>
        <source>Temporale</source>
        <translation>Storm</translation>
    </message>
    <message>
        <source>neve</source>
        <translation>Snow</translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation>Weather:</translation>
    </message>
    <message>
        <source>Temperatura aria:</source>
        <translation>Air temperature:</translation>
    </message>
    <message>
        <source>Senza muta</source>
        <translation>No suit</translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation>Shorty</translation>
    </message>
    <message>
        <source>Salopette</source>
        <translation>Long john</translation>
    </message>
    <message>
        <source>Due pezzi</source>
        <translation>Two-piece</translation>
    </message>
    <message>
        <source>Semi-stagna</source>
        <translation>Semi-dry</translation>
    </message>
    <message>
        <source>Stagna</source>
        <translation>Drysuit</translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation>Suit:</translation>
    </message>
    <message>
        <source>Tipo muta:</source>
        <translation>Suit model:</translation>
    </message>
    <message>
        <source>Capacità bombola:</source>
        <translation>Tank size:</translation>
    </message>
    <message>
        <source>Zavorra:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Acciaio</source>
        <translation>Steel</translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Tipo imm.</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Risalita</source>
        <translation>Ascent</translation>
    </message>
    <message>
        <source>Acqua</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation>Nitrox</translation>
    </message>
    <message>
        <source>SCR</source>
        <translation>SCR</translation>
    </message>
    <message>
        <source>Partenza</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>Accompagnamento</source>
        <translation>Guidance</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activities</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Compila</source>
        <translation>Fill in</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Inserisci imm</source>
        <translation>Enter the dive numbers</translation>
    </message>
</context>
<context>
    <name>CFindDiveDlg</name>
    <message>
        <source>Località</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Compagni</source>
        <translation>Buddies</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activities</translation>
    </message>
    <message>
        <source>Cerca immersione</source>
        <translation>Find dive</translation>
    </message>
    <message>
        <source>Cerca in</source>
        <translation>Search in</translation>
    </message>
    <message>
        <source>Testo:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CForecastDlg</name>
    <message>
        <source>Gen</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Giu</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Lug</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Ago</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Ott</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dic</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>calcola con il mese in corso</source>
        <translation>include the current month</translation>
    </message>
    <message>
        <source>Immersioni:</source>
        <translation>Dives:</translation>
    </message>
    <message>
        <source>Prima immersione:</source>
        <translation>First dive:</translation>
    </message>
    <message>
        <source>Ultima immersione:</source>
        <translation>Last dive:</translation>
    </message>
    <message>
        <source>Numero ricercato:</source>
        <translation>Target number:</translation>
    </message>
    <message>
        <source>Calcola mese di inizio:</source>
        <translation>Start month of the rate:</translation>
    </message>
    <message>
        <source>Previsione:</source>
        <translation>Forecast:</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>&lt;&lt; Inserisci</source>
        <translation>&lt;&lt; Insert</translation>
    </message>
    <message>
        <source>&gt;&gt; Cancella</source>
        <translation>&gt;&gt; Delete</translation>
    </message>
    <message>
        <source>pD</source>
        <translation>per day</translation>
    </message>
    <message>
        <source>pM</source>
        <translation>per month</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Previsioni salvate</source>
        <translation>Saved forecasts</translation>
    </message>
</context>
<context>
    <name>CGaugePanel</name>
    <message>
        <source>0,33</source>
        <translation>0.33</translation>
    </message>
    <message>
        <source>0,66</source>
        <translation>0.66</translation>
    </message>
    <message>
        <source>1,00</source>
        <translation>1.00</translation>
    </message>
    <message>
        <source>1.33</source>
        <translation>1.33</translation>
    </message>
    <message>
        <source>1,66</source>
        <translation>1.66</translation>
    </message>
</context>
<context>
    <name>CKelpDoc</name>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Sì</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Filetype Kelp (*.log)</source>
        <translation>Kelp logbook (*.log)</translation>
    </message>
    <message>
        <source>Salva come</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Apri</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Memoria insufficiente.</source>
        <translation>Not enough memory.</translation>
    </message>
    <message>
        <source>Salvare le modifiche a %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>Impossibile aprire il logbook
%1

Il file non esiste.</source>
        <translation>Cannot open the logbook
%1

The file does not exist.</translation>
    </message>
    <message>
        <source>Impossibile aprire il logbook
%1

%2</source>
        <translation>Cannot open the logbook
%1

%2</translation>
    </message>
    <message>
        <source>Impossibile salvare il logbook
%1

%2</source>
        <translation>Cannot save the logbook
%1

%2</translation>
    </message>
    <message>
        <source>´%1´ esiste già
sovrasciverlo?</source>
        <translation>&apos;%1&apos; already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>Incolla immersioni selezionate</source>
        <translation>Paste selected dives</translation>
    </message>
    <message>
        <source>Salva con nome...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Il file %1 è stato modificato da un altro programma dopo l&apos;ultima apertura o il salvataggio.

Sovrascriverlo con il logbook mostrato? Con &quot;Salva con nome...&quot; si conservano entrambi.</source>
        <translation>The file %1 was changed by another program after it was last opened or saved.

Overwrite it with the logbook shown? &quot;Save As...&quot; keeps both.</translation>
    </message>
    <message>
        <source>Impossibile ripristinare la copia
%1

%2</source>
        <translation>Cannot restore the backup
%1

%2</translation>
    </message>
    <message>
        <source>Il file %1 è stato modificato da un altro programma.

Apri corrente file?</source>
        <translation>The file %1 was changed by another program.

Open the current file?</translation>
    </message>
</context>
<context>
    <name>CKelpView</name>
    <message>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Crea</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Numero imm.:</source>
        <translation>Dive no.:</translation>
    </message>
    <message>
        <source>Numero tot:</source>
        <translation>Total dives:</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Ora:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Località:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation>Altitude:</translation>
    </message>
    <message>
        <source>Intervallo:</source>
        <translation>Surface interval:</translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation>Weather:</translation>
    </message>
    <message>
        <source>Temperatura aria:</source>
        <translation>Air temperature:</translation>
    </message>
    <message>
        <source>Prof.Max.:</source>
        <translation>Max. depth:</translation>
    </message>
    <message>
        <source>Prof. media::</source>
        <translation>Avg. depth:</translation>
    </message>
    <message>
        <source>Tempo imm.:</source>
        <translation>Dive time:</translation>
    </message>
    <message>
        <source>Temperatura min.:</source>
        <translation>Min. water temp.:</translation>
    </message>
    <message>
        <source>Visibilità:</source>
        <translation>Visibility:</translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation>Suit:</translation>
    </message>
    <message>
        <source>Dim bombola:</source>
        <translation>Tank size:</translation>
    </message>
    <message>
        <source>Tipo muta:</source>
        <translation>Suit model:</translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Pressione:</source>
        <translation>Pressure:</translation>
    </message>
    <message>
        <source>Zavorra:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation>Air consumption:</translation>
    </message>
    <message>
        <source>Tipo imm.:</source>
        <translation>Dive type:</translation>
    </message>
    <message>
        <source>Attività:</source>
        <translation>Activities:</translation>
    </message>
    <message>
        <source>Allarmi:</source>
        <translation>Warnings:</translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation>Buddies:</translation>
    </message>
    <message>
        <source>Media consumo aria.:</source>
        <translation>Average air consumption:</translation>
    </message>
    <message>
        <source>Tempo tot. immersione:</source>
        <translation>Total dive time:</translation>
    </message>
    <message>
        <source>Profilo</source>
        <translation>Profile</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Barra utensili</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>MAIUSC</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCORR</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Pronto</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Questa funzione non è ancora disponibile.</source>
        <translation>This function is not available yet.</translation>
    </message>
    <message>
        <source>Impossibile avviare
%1</source>
        <translation>Cannot start
%1</translation>
    </message>
    <message>
        <source>Impossibile aprire il logbook
%1

Il file non esiste.</source>
        <translation>Cannot open the logbook
%1

The file does not exist.</translation>
    </message>
    <message>
        <source>Nessuna copia di %1 è stata conservata finora.</source>
        <translation>No backup of %1 has been kept yet.</translation>
    </message>
</context>
<context>
    <name>CNoStopTableDlg</name>
    <message>
        <source>Tabella no stop</source>
        <translation>No-stop table</translation>
    </message>
    <message>
        <source>Colori</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Bühlmann ZH-L16C GF %1/%2 (calcolato)</source>
        <translation>Bühlmann ZH-L16C GF %1/%2 (computed)</translation>
    </message>
</context>
<context>
    <name>COwnerDlg</name>
    <message>
        <source>Titolare</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Club</source>
        <translation>Club</translation>
    </message>
    <message>
        <source>Categoria:</source>
        <translation>Category:</translation>
    </message>
    <message>
        <source>Designazione:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Istruttore:</source>
        <translation>Instructor:</translation>
    </message>
    <message>
        <source>Costi</source>
        <translation>Costs</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Costo totale attività:</source>
        <translation>Total cost of the activities:</translation>
    </message>
</context>
<context>
    <name>CPrintDivesDlg</name>
    <message>
        <source>Stampa immersioni</source>
        <translation>Print dives</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Imm</source>
        <translation>Dives</translation>
    </message>
    <message>
        <source>Lista imm</source>
        <translation>Dive list</translation>
    </message>
    <message>
        <source>Copertina</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Immersioni</source>
        <translation>Dives</translation>
    </message>
    <message>
        <source>Komplett</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>nur Linien (Blanko)</source>
        <translation>Lines only (blank)</translation>
    </message>
    <message>
        <source>Profil eindrucken</source>
        <translation>Print profile</translation>
    </message>
    <message>
        <source>Usare seperator</source>
        <translation>Use separator</translation>
    </message>
    <message>
        <source>Posizione da:</source>
        <translation>Position from:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Stampa statistiche ed extra dai rispettivi riquadri</source>
        <translation>Print statistics and extras from their own windows</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Immettere un numero intero.</source>
        <translation>Enter a whole number.</translation>
    </message>
</context>
<context>
    <name>CProfileColorsDlg</name>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Carica</source>
        <translation>Load</translation>
    </message>
</context>
<context>
    <name>CProfileCreateDlg</name>
    <message>
        <source>Crea profilo immersione</source>
        <translation>Draw dive profile</translation>
    </message>
    <message>
        <source>Prof max:</source>
        <translation>Max. depth:</translation>
    </message>
    <message>
        <source>Prof media:</source>
        <translation>Avg. depth:</translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation>RMV:</translation>
    </message>
    <message>
        <source>Pressione usata:</source>
        <translation>Pressure used:</translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation>Computer:</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>Prof.:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Taglia profilo</source>
        <translation>Remove profile</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Deco 92</source>
        <translation>Deco 92</translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Incrocio</source>
        <translation>Crosshair</translation>
    </message>
    <message>
        <source>Cancella profilo?</source>
        <translation>Delete the profile?</translation>
    </message>
    <message>
        <source>Il calcolatore DECO 92 non è ancora disponibile.</source>
        <translation>The DECO 92 calculator is not available yet.</translation>
    </message>
    <message>
        <source>Crea profilo</source>
        <translation>Draw profile</translation>
    </message>
</context>
<context>
    <name>CProfilePlot</name>
    <message>
        <source>Metri</source>
        <translation>Meters</translation>
    </message>
    <message>
        <source>Piedi</source>
        <translation>Feet</translation>
    </message>
    <message>
        <source>RBT</source>
        <translation>RBT</translation>
    </message>
    <message>
        <source>AMV</source>
        <translation>RMV</translation>
    </message>
    <message>
        <source>NTD</source>
        <translation>NTD</translation>
    </message>
</context>
<context>
    <name>CProfileWnd</name>
    <message>
        <source>Profilo immersione</source>
        <translation>Dive profile</translation>
    </message>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Località:</source>
        <translation>Location:</translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Prof max:</source>
        <translation>Max. depth:</translation>
    </message>
    <message>
        <source>Prof media:</source>
        <translation>Avg. depth:</translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation>RMV:</translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>Prof.:</source>
        <translation>Depth:</translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>max



0</source>
        <translation>max



0</translation>
    </message>
    <message>
        <source>Consumo aria</source>
        <translation>Consumption</translation>
    </message>
    <message>
        <source>Profondita&apos;</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Colori</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Deco 92</source>
        <translation>Deco 92</translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Incrocia</source>
        <translation>Crosshair</translation>
    </message>
    <message>
        <source>Prof.media</source>
        <translation>Avg. depth</translation>
    </message>
    <message>
        <source>Altro</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Il calcolatore DECO 92 non è ancora disponibile.</source>
        <translation>The DECO 92 calculator is not available yet.</translation>
    </message>
</context>
<context>
    <name>CRenumberDlg</name>
    <message>
        <source>Renumera logbook</source>
        <translation>Renumber logbook</translation>
    </message>
    <message>
        <source>Inizia con il numero:</source>
        <translation>Start with number:</translation>
    </message>
    <message>
        <source>Rinumera</source>
        <translation>Renumber</translation>
    </message>
</context>
<context>
    <name>CRenumberRangeDlg</name>
    <message>
        <source>Rinumera imm</source>
        <translation>Renumber dives</translation>
    </message>
    <message>
        <source>Prima imm:</source>
        <translation>First dive:</translation>
    </message>
    <message>
        <source>Ultima imm:</source>
        <translation>Last dive:</translation>
    </message>
    <message>
        <source>Nuovo numero iniziale:</source>
        <translation>New first number:</translation>
    </message>
    <message>
        <source>Rinumera</source>
        <translation>Renumber</translation>
    </message>
</context>
<context>
    <name>CReplaceDlg</name>
    <message>
        <source>Località</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Compagno</source>
        <translation>Buddy</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Modello muta</source>
        <translation>Suit model</translation>
    </message>
    <message>
        <source>trova e sostituisci</source>
        <translation>Find and replace</translation>
    </message>
    <message>
        <source>Cerca:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Sostituisci con:</source>
        <translation>Replace with:</translation>
    </message>
    <message>
        <source>Campo</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Sostituisci</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CRestoreBackupDlg</name>
    <message>
        <source>Ripristina copia</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>Versioni di %1 conservate prima di un salvataggio.
La copia scelta sostituisce il logbook; la versione attuale viene conservata.</source>
        <translation>Versions of %1 kept before a save.
The chosen backup replaces the logbook; the current version is kept.</translation>
    </message>
    <message>
        <source>Salvata il</source>
        <translation>Saved on</translation>
    </message>
    <message>
        <source>Immersioni</source>
        <translation>Dives</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CSelectionLimitsDlg</name>
    <message>
        <source>Limiti di selezione</source>
        <translation>Selection limits</translation>
    </message>
    <message>
        <source>Prima imm:</source>
        <translation>First dive:</translation>
    </message>
    <message>
        <source>Ultima imm:</source>
        <translation>Last dive:</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Impostazioni</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Valuta:</source>
        <translation>Currency:</translation>
    </message>
    <message>
        <source>Unità</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Imperiali</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Metriche</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>In crescendo</source>
        <translation>Extended mode</translation>
    </message>
    <message>
        <source>Salva posizione attiva</source>
        <translation>Save window positions</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Internet browser:</source>
        <translation>Web browser:</translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>Internet Browser (*.exe);;Alle Dateien (*)</source>
        <translation>Web browser (*.exe);;All files (*)</translation>
    </message>
    <message>
        <source>Applicazione esterna:</source>
        <translation>External program:</translation>
    </message>
    <message>
        <source>Ausführbare Dateien (*.exe);;Alle Dateien (*)</source>
        <translation>Programs (*.exe);;All files (*)</translation>
    </message>
    <message>
        <source>Testo del menu:</source>
        <translation>Menu text:</translation>
    </message>
    <message>
        <source>Porta seriale:</source>
        <translation>Serial port:</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Campi</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>Immettere un numero intero compreso tra 0 e 8.</source>
        <translation>Enter a whole number from 0 to 8.</translation>
    </message>
    <message>
        <source>Lingua:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>La lingua scelta vale dal prossimo avvio del programma.</source>
        <translation>The chosen language takes effect at the next start.</translation>
    </message>
</context>
<context>
    <name>CSplitDlg</name>
    <message>
        <source>Separa immersione</source>
        <translation>Split dive</translation>
    </message>
    <message>
        <source>Unisci immersione</source>
        <translation>Merge dives</translation>
    </message>
    <message>
        <source>Salta immersione</source>
        <translation>Split dive</translation>
    </message>
    <message>
        <source>Salta imm fino al minuto:</source>
        <translation>Split the dive at minute:</translation>
    </message>
    <message>
        <source>Salta</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CStatChartDlg</name>
    <message>
        <source>Tutte</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Anno</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Numero imm</source>
        <translation>Dive no.</translation>
    </message>
    <message>
        <source>Percentuale</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Profondità</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Tempo imm</source>
        <translation>Dive time</translation>
    </message>
    <message>
        <source>Consumo aria</source>
        <translation>Air consumption</translation>
    </message>
    <message>
        <source>Prof max</source>
        <translation>Max. depth</translation>
    </message>
    <message>
        <source>Prof media</source>
        <translation>Avg. depth</translation>
    </message>
    <message>
        <source>Valori medi</source>
        <translation>Mean values</translation>
    </message>
    <message>
        <source>Valori minimi</source>
        <translation>Minimum values</translation>
    </message>
    <message>
        <source>Valori massimi</source>
        <translation>Maximum values</translation>
    </message>
</context>
<context>
    <name>CStatChartView</name>
    <message>
        <source>Tutte</source>
        <translation>All</translation>
    </message>
    <message>
        <source>A.dolce</source>
        <translation>Fresh</translation>
    </message>
    <message>
        <source>A.salata</source>
        <translation>Salt</translation>
    </message>
    <message>
        <source>Ricompr.</source>
        <translation>Recomp.</translation>
    </message>
    <message>
        <source>Mese</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Tipo imm</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Tutti</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>CStatListDlg</name>
    <message>
        <source>Statistiche compagni</source>
        <translation>Buddy statistics</translation>
    </message>
    <message>
        <source>Statistiche località e luoghi</source>
        <translation>Location and site statistics</translation>
    </message>
    <message>
        <source>Tutte</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Anno</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation>Buddies:</translation>
    </message>
    <message>
        <source>Località:</source>
        <translation>Locations:</translation>
    </message>
    <message>
        <source>Luoghi:</source>
        <translation>Sites:</translation>
    </message>
    <message>
        <source>Località del compagno:</source>
        <translation>The buddy&apos;s locations:</translation>
    </message>
    <message>
        <source>Luoghi della località:</source>
        <translation>Sites of the location:</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CStatPanelDlg</name>
    <message>
        <source>Anno</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Mese</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Prof imm</source>
        <translation>Dive depth</translation>
    </message>
    <message>
        <source>Tempo imm</source>
        <translation>Dive time</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Muta</source>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Meteo</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Tipo imm</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Consumo aria annuale</source>
        <translation>Air consumption per year</translation>
    </message>
    <message>
        <source>Consumo aria mensile</source>
        <translation>Air consumption per month</translation>
    </message>
    <message>
        <source>Statistiche</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation>Fresh water</translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation>Salt water</translation>
    </message>
    <message>
        <source>Ricompres.</source>
        <translation>Chamber</translation>
    </message>
    <message>
        <source>Valori sotto Ø</source>
        <translation>Values below Ø</translation>
    </message>
    <message>
        <source>Valori sopra Ø</source>
        <translation>Values above Ø</translation>
    </message>
    <message>
        <source>Imposta colori</source>
        <translation>Set colours</translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CTimeZoneDlg</name>
    <message>
        <source>Fuso orario</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>Prima imm:</source>
        <translation>First dive:</translation>
    </message>
    <message>
        <source>Ultima imm:</source>
        <translation>Last dive:</translation>
    </message>
    <message>
        <source>Differenza:</source>
        <translation>Difference:</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Numero di serie</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Tipo computer</source>
        <translation>Computer type</translation>
    </message>
    <message>
        <source>Immersioni totali</source>
        <translation>Total dives</translation>
    </message>
    <message>
        <source>Batteria</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>Segnale acustico</source>
        <translation>Beeper</translation>
    </message>
    <message>
        <source>Unità</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>ppO2 massima</source>
        <translation>Max. ppO2</translation>
    </message>
    <message>
        <source>Riserva aria</source>
        <translation>Air reserve</translation>
    </message>
    <message>
        <source>Sensibilità respiro</source>
        <translation>Breathing sensitivity</translation>
    </message>
    <message>
        <source>Trasferisci immersioni</source>
        <translation>Transfer dives</translation>
    </message>
    <message>
        <source>Porta:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Collegamento:</source>
        <translation>Link:</translation>
    </message>
    <message>
        <source>Dati:</source>
        <translation>Data:</translation>
    </message>
    <message>
        <source>Inserisci immersioni</source>
        <translation>Insert dives</translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CTripsDlg</name>
    <message>
        <source>Data:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>A:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Imm:</source>
        <translation>Dives:</translation>
    </message>
    <message>
        <source>Destinazione:</source>
        <translation>Destination:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>CUddfImportDlg</name>
    <message>
        <source>Importa UDDF</source>
        <translation>Import UDDF</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Lettura del file...</source>
        <translation>Reading the file...</translation>
    </message>
    <message>
        <source>Prendi anche il proprietario, i brevetti, gli indirizzi, l&apos;attrezzatura e i viaggi del file nei libri accanto al logbook</source>
        <translation>Also take the file&apos;s owner, certifications, addresses, equipment and trips into the books beside the logbook</translation>
    </message>
    <message>
        <source>Inserisci immersioni</source>
        <translation>Insert dives</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message numerus="yes">
        <source>%n immersioni trovate: </source>
        <translation>
            <numerusform>%n dive found: </numerusform>
            <numerusform>%n dives found: </numerusform>
        </translation>
    </message>
    <message>
        <source>%1 nuove, %2 già nel logbook, %3 saltate.</source>
        <translation>%1 new, %2 already in the logbook, %3 skipped.</translation>
    </message>
</context>
<context>
    <name>CWarningDlg</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Kelp è in modalità estesa.

Le immersioni di questo logbook devono essere inserite e cancellate solo con questo programma.

I dati aggiuntivi (anche quelli importati da altri programmi) vengono salvati nel file con lo stesso nome del logbook e con l&apos;estensione .add: conservalo sempre insieme al file .log.

La modalità estesa si può disattivare in &quot;Impostazioni&quot; (menu &quot;Vista&quot;).</source>
        <translation>Kelp is in extended mode.

The dives of this logbook must be added and deleted with this program only.

The additional data (also data imported from other programs) are saved in a file with the name of the logbook and the extension .add: always keep it together with the .log file.

Extended mode can be switched off in &quot;Settings&quot; (menu &quot;View&quot;).</translation>
    </message>
    <message>
        <source>Mostra questo messaggio all&apos;avvio</source>
        <translation>Show this message at start</translation>
    </message>
</context>
<context>
    <name>DecoPlanPage</name>
    <message>
        <source>%1 Std.</source>
        <translation>%1 h</translation>
    </message>
</context>
<context>
    <name>LogbookPages</name>
    <message>
        <source>Numero imm</source>
        <translation>Dive no.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Intervalli</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Località</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Altitudine</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Temperatura aria</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>Meteo</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Temperatura min</source>
        <translation>Min. water temp.</translation>
    </message>
    <message>
        <source>Muta</source>
        <translation>Suit</translation>
    </message>
    <message>
        <source>Litri bombola</source>
        <translation>Tank size</translation>
    </message>
    <message>
        <source>Prof max</source>
        <translation>Max. depth</translation>
    </message>
    <message>
        <source>Tempo imm</source>
        <translation>Dive time</translation>
    </message>
    <message>
        <source>Consumo aria</source>
        <translation>Air consumption</translation>
    </message>
    <message>
        <source>Consumo aria.</source>
        <translation>RMV</translation>
    </message>
    <message>
        <source>Tipo imm</source>
        <translation>Dive type</translation>
    </message>
    <message>
        <source>Attività</source>
        <translation>Activities</translation>
    </message>
    <message>
        <source>Allarmi</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Compagno</source>
        <translation>Buddies</translation>
    </message>
    <message>
        <source>Firma/Timbro:</source>
        <translation>Signature/Stamp:</translation>
    </message>
    <message>
        <source>Lista imm</source>
        <translation>Dive list</translation>
    </message>
    <message>
        <source>Imm-N°.</source>
        <translation>Dive no.</translation>
    </message>
    <message>
        <source>Prof</source>
        <translation>Max.</translation>
    </message>
</context>
<context>
    <name>PageSource</name>
    <message>
        <source>Ausgedruckt am: %1</source>
        <translation>Printed on: %1</translation>
    </message>
    <message>
        <source>&lt;%1&gt; Ausgedruckt am: %2</source>
        <translation>&lt;%1&gt; Printed on: %2</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>Nessuna pagina da stampare.</source>
        <translation>No pages to print.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Stampa</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Impossibile stampare su %1.</source>
        <translation>Cannot print to %1.</translation>
    </message>
    <message>
        <source>Anteprima Stampa</source>
        <translation>Print Preview</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Logbook per subacquei</source>
        <translation>Logbook for divers</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Suggerimenti</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>&lt;b&gt;Lo sapevi che...&lt;/b&gt;</source>
        <translation>&lt;b&gt;Did you know...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Mostra al prossimo avvio</source>
        <translation>Show at next start</translation>
    </message>
    <message>
        <source>Prossimo suggerimento</source>
        <translation>Next tip</translation>
    </message>
</context>
<context>
    <name>TransferCommands</name>
    <message>
        <source>Citizen Dateien (*.wgm)</source>
        <translation>Citizen files (*.wgm)</translation>
    </message>
    <message>
        <source>Guardian Text Export (*.txt)</source>
        <translation>Guardian text export (*.txt)</translation>
    </message>
    <message>
        <source>Esporta a Excel</source>
        <translation>Export to Excel</translation>
    </message>
</context>
<context>
    <name>UddfCommands</name>
    <message>
        <source>Esporta UDDF</source>
        <translation>Export UDDF</translation>
    </message>
    <message>
        <source>File UDDF scritto: %1</source>
        <translation>UDDF file written: %1</translation>
    </message>
</context>
<context>
    <name>UddfDiveModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Profondità</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Durata</source>
        <translation>Dive time</translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Stato</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>UddfImport</name>
    <message>
        <source>Importa UDDF</source>
        <translation>Import UDDF</translation>
    </message>
    <message>
        <source>UDDF (*.uddf *.UDDF *.xml);;Tutti i file (*)</source>
        <translation>UDDF (*.uddf *.UDDF *.xml);;All files (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n immersioni inserite</source>
        <translation>
            <numerusform>%n dive inserted</numerusform>
            <numerusform>%n dives inserted</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, %n voci nei libri</source>
        <translation>
            <numerusform>, %n book entry</numerusform>
            <numerusform>, %n book entries</numerusform>
        </translation>
    </message>
</context>
</TS>
