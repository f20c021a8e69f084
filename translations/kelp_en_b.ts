<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
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
        <translation>Chamber</translation>
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
    <name>DecoPlanPage</name>
    <message>
        <source>%1 Std.</source>
        <translation>%1 h</translation>
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
