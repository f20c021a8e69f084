<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Circa Kelp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Versione in lingua: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il logbook delle tue immersioni.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAlarmsDlg</name>
    <message>
        <source>Allarmi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RISALITA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DECOMPRESSIONE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;LAVORO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;SOS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CColorSetDlg</name>
    <message>
        <source>Imposta colori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profilo Colori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profilo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sfondo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secondo profilo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linea di deco</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allarmi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Affanno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deco 92 (0-700 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deco 92 (701-1500 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>US Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aladin (0-900 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aladin (1750-2700 m)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sottofondo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistiche colori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera di ricompressione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valori sotto Ø</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valori sopra Ø</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDefaultDlg</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Usare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dim bombola (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavorra (%1):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In curva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompressione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo imm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita unica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita multipla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera di ricompressione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDisplWindow</name>
    <message>
        <source>Dati immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ora:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof media:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo imm.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMV:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo imm.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allarmi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDiveEditDlg</name>
    <message>
        <source>Crea imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ora:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervallo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limpido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuvoloso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incerto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pioggia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura aria:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp.min.acqua:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof.max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo imm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senza muta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salopette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duo pezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-stagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacità bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acciaio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavorra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressione:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visibilità:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In curva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompressione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo imm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita unica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita multipla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera di ricompressione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imm da barca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>imm da riva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con guida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con diving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accompagnamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altro:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usa abbreviazioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultati:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allarmi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo libero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assumere dati precedente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDiveListDlg</name>
    <message>
        <source>Lista immersioni</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CExtendedSearchDlg</name>
    <message>
        <source>In curva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decompressione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita unica</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita multipla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua dolce</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua salata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lavoro sub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solitaria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In camera di ricom.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specialità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qualificazione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accettazione esami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esami</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imm con bussola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seleziona file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo imm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacità bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altro:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività speciali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcola immersioni:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crea file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vai a:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non ho trovato immersioni relative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>´%1´ è il logbook aperto.
Scegliere un altro nome per il nuovo file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>´%1´ esiste già
sovrasciverlo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il logbook
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFieldSelectionDlg</name>
    <message>
        <source>&amp;Nummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H&amp;öhenbereich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Intervall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wetter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lufttemperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzu&amp;g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Flaschengröße</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ma&amp;ximaltiefe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dur&amp;chschnittstiefe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tauch&amp;zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wasse&amp;rtemperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luft&amp;verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tauchgangstyp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ktivität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;eldungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Partner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;ommentar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzug&amp;modell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ülldruck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flasc&amp;henmaterial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sichtweite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Blei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenfelder Ausgabe Hauptfenster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur Erweiterter Modus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFillDivesDlg</name>
    <message>
        <source>Compila dati immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limpido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuvoloso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incerto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pioggia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura aria:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senza muta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salopette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due pezzi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-stagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stagna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacità bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavorra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acciaio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aluminio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo imm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risalita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accompagnamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compila</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inserisci imm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFindDiveDlg</name>
    <message>
        <source>Località</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compagni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGaugePanel</name>
    <message>
        <source>0,33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0,66</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1,66</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKelpDoc</name>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sì</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filetype Kelp (*.log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva come</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memoria insufficiente.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvare le modifiche a %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il logbook
%1

Il file non esiste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il logbook
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile salvare il logbook
%1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>´%1´ esiste già
sovrasciverlo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incolla immersioni selezionate</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CKelpView</name>
    <message>
        <source>Note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crea</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero imm.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numero tot:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ora:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Livello mare:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervallo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meteo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura aria:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof.Max.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof. media::</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo imm.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura min.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visibilità:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dim bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo muta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressione:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zavorra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo imm.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allarmi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compagni:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media consumo aria.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo tot. immersione:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profilo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Barra utensili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAIUSC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCORR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pronto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questa funzione non è ancora disponibile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile avviare
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile aprire il logbook
%1

Il file non esiste.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPrintDivesDlg</name>
    <message>
        <source>Stampa immersioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copertina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immersioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Komplett</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nur Linien (Blanko)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profil eindrucken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usare seperator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Posizione da:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stampa statistiche ed extra dai rispettivi riquadri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immettere un numero intero.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfileColorsDlg</name>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carica</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfileCreateDlg</name>
    <message>
        <source>Crea profilo immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof media:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressione usata:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taglia profilo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deco 92</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incrocio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella profilo?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il calcolatore DECO 92 non è ancora disponibile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crea profilo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfilePlot</name>
    <message>
        <source>Metri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piedi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RBT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NTD</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CProfileWnd</name>
    <message>
        <source>Profilo immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof media:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bombola:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max



0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profondita&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taglia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deco 92</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Griglia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incrocia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof.media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il calcolatore DECO 92 non è ancora disponibile.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRenumberDlg</name>
    <message>
        <source>Renumera logbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inizia con il numero:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rinumera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRenumberRangeDlg</name>
    <message>
        <source>Rinumera imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prima imm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultima imm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovo numero iniziale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rinumera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CReplaceDlg</name>
    <message>
        <source>Località</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compagno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modello muta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>trova e sostituisci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sostituisci con:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sostituisci</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSelectionLimitsDlg</name>
    <message>
        <source>Limiti di selezione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prima imm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultima imm:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>Impostazioni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valuta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imperiali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Metriche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In crescendo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salva posizione attiva</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet browser:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cerca</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Browser (*.exe);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applicazione esterna:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ausführbare Dateien (*.exe);;Alle Dateien (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testo del menu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta seriale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Immettere un numero intero compreso tra 0 e 8.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSplitDlg</name>
    <message>
        <source>Separa immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unisci immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salta immersione</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salta imm fino al minuto:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancella</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTimeZoneDlg</name>
    <message>
        <source>Fuso orario</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prima imm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultima imm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differenza:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWarningDlg</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelp è in modalità estesa.

Le immersioni di questo logbook devono essere inserite e cancellate solo con questo programma.

I dati aggiuntivi (anche quelli importati da altri programmi) vengono salvati nel file con lo stesso nome del logbook e con l&apos;estensione .add: conservalo sempre insieme al file .log.

La modalità estesa si può disattivare in &quot;Impostazioni&quot; (menu &quot;Vista&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra questo messaggio all&apos;avvio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LogbookPages</name>
    <message>
        <source>Numero imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervalli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Località</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luogo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitudine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura aria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meteo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatura min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Litri bombola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consumo aria.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attività</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allarmi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compagno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firma/Timbro:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lista imm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imm-N°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prof</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageSource</name>
    <message>
        <source>Ausgedruckt am: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;%1&gt; Ausgedruckt am: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile scrivere il file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nessuna pagina da stampare.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Stampa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile stampare su %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anteprima Stampa</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Logbook per subacquei</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <source>Suggerimenti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Lo sapevi che...&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mostra al prossimo avvio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prossimo suggerimento</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
