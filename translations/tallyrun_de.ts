<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutFrm</name>
    <message>
        <location filename="../dialogs/aboutfrm.cpp" line="+105"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Figurello Tallyrun</source>
        <translation>The Figurello Tallyrun</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Version 4.1.0</source>
        <translation>Version 4.1.0</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A numbers game for one player: six numbers, one target and a minute on the clock.</source>
        <translation>Ein Zahlenspiel für eine Person: sechs Zahlen, eine Zielzahl und eine Minute auf der Uhr.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click here to e-mail the author</source>
        <translation>Hier klicken, um dem Autor zu schreiben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Visit the web site:</source>
        <translation>Zur Website:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DisplayCheck</name>
    <message>
        <location filename="../platform/displaycheck.cpp" line="+43"/>
        <source>start it from a desktop session, or on a virtual display with: xvfb-run %1</source>
        <translation>starte es aus einer Desktop-Sitzung oder auf einem virtuellen Display mit: xvfb-run %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>tallyrun: no display found; %1</source>
        <translation>tallyrun: kein Display gefunden; %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tallyrun: the display %1 cannot be reached; %2</source>
        <translation>tallyrun: das Display %1 ist nicht erreichbar; %2</translation>
    </message>
</context>
<context>
    <name>GameFrm</name>
    <message>
        <location filename="../app/gamefrm.cpp" line="+50"/>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>STOP</source>
        <translation>STOPP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PLAY AGAIN</source>
        <translation>NEUE RUNDE</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Answer(s)</source>
        <translation>Lösungen zeigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Search</source>
        <translation>Suche abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search Finished</source>
        <translation>Suche beendet</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>The Tallyrun</source>
        <translation>The Tallyrun</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Setting</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Manual setup</source>
        <translation>&amp;Runde vorgeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Chosen number %1</source>
        <translation>Gewählte Zahl %1</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Face-down number %1, used</source>
        <translation>Verdeckte Zahl %1, gewählt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Face-down number %1</source>
        <translation>Verdeckte Zahl %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Target</source>
        <translation>Zielzahl</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Select 6 numbers from below. The first 2 rows contain the numbers 1 to 10, the last row contains the numbers 25, 50, 75 and 100.</source>
        <translation>Wähle unten 6 Zahlen. Die ersten 2 Reihen enthalten die Zahlen 1 bis 10, die letzte Reihe die Zahlen 25, 50, 75 und 100.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Search report</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Validate</source>
        <translation>Rechnung prüfen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Answers</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Round clock</source>
        <translation>Rundenuhr</translation>
    </message>
    <message>
        <location line="+201"/>
        <source>Points: %1</source>
        <translation>Punkte: %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Points: none</source>
        <translation>Punkte: keine</translation>
    </message>
    <message>
        <location line="+161"/>
        <source>Round history</source>
        <translation>Rundenverlauf</translation>
    </message>
</context>
<context>
    <name>HistoryFrm</name>
    <message>
        <location filename="../dialogs/historyfrm.cpp" line="+28"/>
        <source>Export the history</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>tallyrun-history.csv</source>
        <translation>tallyrun-verlauf.csv</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear history</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete every round of the history? This cannot be undone.</source>
        <translation>Alle Runden aus dem Verlauf löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rounds played</source>
        <translation>Gespielte Runden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Exact hits</source>
        <translation>Volltreffer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Average distance</source>
        <translation>Mittlerer Abstand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most exact in a row</source>
        <translation>Längste Trefferserie</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Most points in a day</source>
        <translation>Meiste Punkte an einem Tag</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Rounds, newest first</source>
        <translation>Runden, neueste zuerst</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>&amp;Export CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear history...</source>
        <translation>Verlauf &amp;löschen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>–</source>
        <translation>–</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>The history could not be written to %1.</source>
        <translation>Der Verlauf konnte nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export</source>
        <translation>Export</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <location filename="../dialogs/historymodel.cpp" line="+90"/>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>When the round was played</source>
        <translation>Wann die Runde gespielt wurde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Numbers</source>
        <translation>Zahlen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The six numbers, largest first</source>
        <translation>Die sechs Zahlen, größte zuerst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The target</source>
        <translation>Die Zielzahl</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Best</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Your checked result nearest the target</source>
        <translation>Dein geprüftes Ergebnis, das der Zielzahl am nächsten kam</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Off by</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>How far your best result was from the target</source>
        <translation>Wie weit dein bestes Ergebnis von der Zielzahl entfernt war</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>10 for exact, fewer the further off, none from 10 away</source>
        <translation>10 für einen Volltreffer, weniger je weiter daneben, keine ab 10 daneben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exact</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>How many answers reach the target</source>
        <translation>Wie viele Lösungen die Zielzahl genau erreichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nearest</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>The nearest value the six numbers reach</source>
        <translation>Der nächste Wert, den die sechs Zahlen erreichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Seconds used of the round&apos;s length</source>
        <translation>Verbrauchte Sekunden der Rundenzeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>By hand</source>
        <translation>Vorgegeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Set by hand in the manual set-up; not counted in the totals</source>
        <translation>Von Hand mit „Runde vorgeben“ gestellt; zählt nicht zu den Gesamtwerten</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message>
        <location filename="../history/historystore.cpp" line="+202"/>
        <source>the damaged file cannot be renamed</source>
        <translation>die beschädigte Datei lässt sich nicht umbenennen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The round history was damaged. It was kept as %1 and the history starts afresh.</source>
        <translation>Der Rundenverlauf war beschädigt. Er wurde als %1 aufbewahrt, und ein neuer Verlauf beginnt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The round history %1 is in use by another program. Play goes on without history.</source>
        <translation>Der Rundenverlauf %1 wird von einem anderen Programm benutzt. Es wird ohne Verlauf weitergespielt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The round history %1 cannot be written. Play goes on without history.</source>
        <translation>Der Rundenverlauf %1 lässt sich nicht schreiben. Es wird ohne Verlauf weitergespielt.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The round history %1 comes from a newer version of the game and is left as it is. Play goes on without history.</source>
        <translation>Der Rundenverlauf %1 stammt aus einer neueren Version des Spiels und bleibt unverändert. Es wird ohne Verlauf weitergespielt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The round history %1 cannot be used (%2). Play goes on without history.</source>
        <translation>Der Rundenverlauf %1 ist nicht verwendbar (%2). Es wird ohne Verlauf weitergespielt.</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <location filename="../app/gamestart.cpp" line="+30"/>
        <source>A numbers puzzle: reach a random target with six numbers and + - x / before the clock runs out.</source>
        <translation>Ein Zahlenrätsel: Erreiche mit sechs Zahlen und + - x / eine zufällige Zielzahl, bevor die Uhr abläuft.</translation>
    </message>
</context>
<context>
    <name>ManualFrm</name>
    <message>
        <location filename="../dialogs/manualfrm.cpp" line="+31"/>
        <source>Manual Overide</source>
        <translation>Runde vorgeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Select 6 numbers to use: </source>
        <translation>6 Zahlen auswählen: </translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Enter the Target (between 101 and 999):</source>
        <translation>Zielzahl eingeben (zwischen 101 und 999):</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find Answers</source>
        <translation>Lösungen suchen</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>The target must be more than 101</source>
        <translation>Die Zielzahl muss mindestens 101 sein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The target must be a whole number from 101 to 32767</source>
        <translation>Die Zielzahl muss eine ganze Zahl von 101 bis 32767 sein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid Target.</source>
        <translation>Ungültige Zielzahl.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>You must choose 6 numbers to use.</source>
        <translation>Du musst 6 Zahlen auswählen.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>More numbers required</source>
        <translation>Zu wenige Zahlen</translation>
    </message>
</context>
<context>
    <name>PointsChart</name>
    <message>
        <location filename="../dialogs/pointschart.cpp" line="+49"/>
        <source>Points per round</source>
        <translation>Punkte pro Runde</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+49"/>
        <source>No rounds yet</source>
        <translation>Noch keine Runden</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Rounds shown: %1. The last ten average %2 points.</source>
        <translation>Gezeigte Runden: %1. Die letzten zehn bringen im Schnitt %2 Punkte.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Points per round, the last %1, and their average over ten</source>
        <translation>Punkte der letzten %1 Runden und ihr Schnitt über je zehn</translation>
    </message>
</context>
<context>
    <name>PropertyPage1</name>
    <message>
        <location filename="../controls/tabstrip/propertypage1.cpp" line="+52"/>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ActiveTab:</source>
        <translation>Aktiver Reiter:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tabs:</source>
        <translation>Reiter:</translation>
    </message>
</context>
<context>
    <name>SettingFrm</name>
    <message>
        <location filename="../dialogs/settingfrm.cpp" line="+83"/>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> Difficulty </source>
        <translation> Schwierigkeit </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Timing </source>
        <translation> Zeit </translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Target Number Properties:</source>
        <translation>Bereich der Zielzahl:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lowest Value:</source>
        <translation>Kleinste:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Highest Value:</source>
        <translation>Größte:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Round length preview</source>
        <translation>Vorschau der Rundenzeit</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Show Figurello Seconds </source>
        <translation>Sekunden anzeigen </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Time allowed:</source>
        <translation>Rundenzeit:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time allowed, seconds</source>
        <translation>Rundenzeit in Sekunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please note that the Figurello music will only be audible during the last 30 seconds of the Figurello.</source>
        <translation>Hinweis: Die Figurello-Musik ist nur in den letzten 30 Sekunden der Runde zu hören.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Turn off sounds:</source>
        <translation>Ohne Ton:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Adjust the clock to synchronize with the music. Use the slider to slow down or quicken the clock.</source>
        <translation>Stimme die Uhr auf die Musik ab: Der Regler stellt sie langsamer oder schneller.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Clock speed, milliseconds per tick</source>
        <translation>Uhrtempo in Millisekunden pro Schritt</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>The settings could not be saved in %1. They apply until the game is closed.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Sie gelten, bis das Spiel beendet wird.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Settings not saved.</source>
        <translation>Einstellungen nicht gespeichert.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>The Lowest value must be less than the Highest value.</source>
        <translation>Die kleinste Zielzahl darf nicht größer als die größte sein.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Invalid values.</source>
        <translation>Ungültige Werte.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>The time allowed must be one of the listed values.</source>
        <translation>Die Rundenzeit muss einer der aufgeführten Werte sein.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Invalid time.</source>
        <translation>Ungültige Rundenzeit.</translation>
    </message>
</context>
<context>
    <name>VarifyFrm</name>
    <message>
        <location filename="../checker/varifyfrm.cpp" line="+100"/>
        <source>CORRECT - WELL DONE!</source>
        <translation>RICHTIG – GUT GEMACHT!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Non-Integer! please press reset</source>
        <translation>Keine ganze Zahl! Bitte „Löschen“ drücken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Division by zero! please press reset</source>
        <translation>Division durch null! Bitte „Löschen“ drücken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number too large! please press reset</source>
        <translation>Zahl zu groß! Bitte „Löschen“ drücken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Brackets out of order! please press reset</source>
        <translation>Klammern falsch gesetzt! Bitte „Löschen“ drücken</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Open bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Times</source>
        <translation>Mal</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Divided by</source>
        <translation>Geteilt durch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>validate my answer:</source>
        <translation>Rechnung prüfen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Target</source>
        <translation>Zielzahl</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Calculation</source>
        <translation>Rechnung</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Undo the last key</source>
        <translation>Letzte Taste zurücknehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Reset</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Distance from the target</source>
        <translation>Abstand zur Zielzahl</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>%1 away</source>
        <translation>%1 daneben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 away; an exact answer exists</source>
        <translation>%1 daneben; es gibt eine genaue Lösung</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 away; nearest possible: %2</source>
        <translation>%1 daneben; bestenfalls %2</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Target = %1</source>
        <translation>Zielzahl = %1</translation>
    </message>
</context>
<context>
    <name>WindowSolverHost</name>
    <message>
        <location filename="../app/windowsolverhost.cpp" line="+27"/>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%n answers found.</source>
        <comment>the report&apos;s second line</comment>
        <translation>
            <numerusform>%n Lösung gefunden.</numerusform>
            <numerusform>%n Lösungen gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Searching... %1</source>
        <translation>Suche läuft... %1</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Searched %n combinations: </source>
        <comment>the report&apos;s first line</comment>
        <translation>
            <numerusform>%n Kombination durchsucht:</numerusform>
            <numerusform>%n Kombinationen durchsucht:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Search Stopped at combination %1</source>
        <translation>Angehalten bei Kombination %1</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Nearest: %1 (%2 away)</source>
        <translation>Nächster Wert: %1 (%2 daneben)</translation>
    </message>
</context>
</TS>
