<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>MorLix</name>
    <message>
        <location filename="hilfe.cpp" line="15"/>
        <source>Nur jeder n-te Zustand wird angezeigt (dient zur Analyse von Zyklenlängen)</source>
        <translation>Only every n-th state is shown (helps to analyse cycle lengths)</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="16"/>
        <source>Farbe der weiterlebenden, unmittelbar vorher neu hinzugekommenen Zellen</source>
        <translation>Colour of surviving cells that were new just before</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="17"/>
        <source>Farbe der schon seit 2 oder mehr Generationen lebenden Zellen</source>
        <translation>Colour of cells alive for 2 or more generations</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="20"/>
        <source>Überlebensbedingung für lebende Zellen</source>
        <translation>Survival condition for living cells</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="21"/>
        <source>Bedingung für das Entstehen einer neuen lebenden Zelle</source>
        <translation>Condition for a new living cell to be born</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="22"/>
        <source>Dieses Objekt in die aktuelle Welt einfügen</source>
        <translation>Insert this object into the current world</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="23"/>
        <source>Einzelschritt</source>
        <translation>Single step</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="24"/>
        <source>Start / Stop der Uhr</source>
        <translation>Start / stop the clock</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="25"/>
        <source>Bildschirm scrollen</source>
        <translation>Scroll the screen</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="26"/>
        <source>Zellen löschen</source>
        <translation>Clear cells</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="27"/>
        <source>Wahl, ob Mauszeiger radiert oder schreibt</source>
        <translation>Choose whether the pointer erases or draws</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="28"/>
        <source>Gedächtnis löschen</source>
        <translation>Clear memory</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="29"/>
        <source>Uhr stoppen und auf Null setzen</source>
        <translation>Stop the clock and reset it to zero</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="30"/>
        <source>Beispiele zeigen</source>
        <translation>Show examples</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="35"/>
        <source>Der Tintenfisch lebt auch in der 1-3-5 / 3 - Welt! </source>
        <translation>The squid lives in the 1-3-5 / 3 world too! </translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="36"/>
        <source>Der Krabbler mutiert in der 1-3-5 / 3 - Welt!</source>
        <translation>The crawler mutates in the 1-3-5 / 3 world!</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="37"/>
        <source>Überleben bei 2 oder 3, Geburt bei 3 Nachbarn: die klassische Welt</source>
        <translation>Survival with 2 or 3, birth with 3 neighbours: the classic world</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="38"/>
        <source>Farbe der neu hinzugekommenden Zellen</source>
        <translation>Colour of newly added cells</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="39"/>
        <source>Farbe der hinzugekommenen Zellen</source>
        <translation>Colour of added cells</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="44"/>
        <location filename="hilfe.cpp" line="45"/>
        <source>Farbe des Hintergrunds</source>
        <translation>Colour of the background</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="46"/>
        <source>Farbe des Rasters</source>
        <translation>Colour of the grid</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="47"/>
        <source>Zum Wählen der Farbe eines der Felder anklicken</source>
        <translation>Click one of the fields to choose its colour</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="48"/>
        <source>Zum Ändern der Farbe anklicken!</source>
        <translation>Click to change the colour!</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="49"/>
        <location filename="hilfe.cpp" line="50"/>
        <source>Mit der rechten Maustaste Linie ziehen oder radieren</source>
        <translation>Draw or erase a line with the right mouse button</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="51"/>
        <source>Übergangsregeln festlegen</source>
        <translation>Set the transition rules</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="52"/>
        <source>Iteration starten / stoppen und Zeit dt setzen</source>
        <translation>Start / stop the iteration and set the time dt</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="53"/>
        <source>Bei der Wahl &apos;Torus&apos; werden gegenüberliegende Kanten &apos;verklebt&apos; (identifiziert)</source>
        <translation>With &apos;Torus&apos; opposite edges are &apos;glued&apos; (identified)</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="54"/>
        <source>Wie sah es vor k Zyklen aus? (Vergangenes wieder sichtbar machen)</source>
        <translation>What did it look like k cycles ago? (Make the past visible again)</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="55"/>
        <source>Die &apos;Euklidische Ebene&apos; ist auf den sichtbaren Bereich beschränkt</source>
        <translation>The &apos;Euclidean plane&apos; is limited to the visible area</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="56"/>
        <source>Besondere Beispielobjekte in ausgewählten Welten</source>
        <translation>Special example objects in selected worlds</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="58"/>
        <source>&apos;-k&apos; = Vor k Generationen, &apos;0&apos; = Gegenwart</source>
        <translation>&apos;-k&apos; = k generations ago, &apos;0&apos; = present</translation>
    </message>
    <message>
        <location filename="hilfe.cpp" line="59"/>
        <source>momentan angezeigte Generation</source>
        <translation>generation shown now</translation>
    </message>
    <message>
        <location filename="starttafel.cpp" line="50"/>
        <location filename="frmzensus.cpp" line="71"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="starttafel.cpp" line="68"/>
        <source>schnell</source>
        <translation>fast</translation>
    </message>
    <message>
        <location filename="starttafel.cpp" line="75"/>
        <source> Rückblende bis -99</source>
        <translation> Look back to -99</translation>
    </message>
    <message>
        <location filename="starttafel.cpp" line="91"/>
        <source>überspringen</source>
        <translation>skip</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="16"/>
        <source>Wahl der Welt</source>
        <translation>Choice of world</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="37"/>
        <source>Zelle lebt weiter, wenn sie</source>
        <translation>A cell lives on if it has</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="38"/>
        <location filename="regeltafel.cpp" line="41"/>
        <source>lebende Nachbarn hat,</source>
        <translation>living neighbours,</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="39"/>
        <source>sonst stirbt sie.</source>
        <translation>otherwise it dies.</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="40"/>
        <source>Zelle wird belebt, wenn sie</source>
        <translation>A cell comes alive if it has</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="42"/>
        <source>sonst bleibt sie unbelebt.</source>
        <translation>otherwise it stays empty.</translation>
    </message>
    <message>
        <location filename="maustafel.cpp" line="24"/>
        <source>Funktion rechte Maustaste</source>
        <translation>Right mouse button</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="15"/>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="25"/>
        <source>Schirm</source>
        <translation>Screen</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="26"/>
        <source>Raster</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="27"/>
        <source>Zelle neu</source>
        <translation>Cell new</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="28"/>
        <source>Zelle alt 1</source>
        <translation>Cell old 1</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="30"/>
        <source>Zelle alt 2</source>
        <translation>Cell old 2</translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="16"/>
        <source>Randoptionen</source>
        <translation>Edge options</translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="19"/>
        <source>Torus</source>
        <translation>Torus</translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="19"/>
        <source>Quadrat </source>
        <translation>Square </translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="20"/>
        <source>Spiegel</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <location filename="feldtafel.cpp" line="52"/>
        <source>Linke Maustaste setzt/löscht Einzelpunkt, rechte Maustaste zieht/löscht Linie</source>
        <translation>Left mouse button sets/clears a single point, right mouse button draws/erases a line</translation>
    </message>
    <message>
        <location filename="feldtafel.cpp" line="103"/>
        <source>Scrollrad</source>
        <translation>Scroll wheel</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="89"/>
        <source>Beispiele</source>
        <translation>Examples</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="96"/>
        <source>Vireos Welt:</source>
        <translation>Vireo&apos;s world:</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="97"/>
        <source>2-3 / 3 Welt</source>
        <translation>2-3 / 3 world</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="98"/>
        <source>statisch</source>
        <translation>still</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="99"/>
        <source>Blinker</source>
        <translation>Blinker</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="100"/>
        <location filename="beispieltafel.cpp" line="105"/>
        <source>Krabbler</source>
        <translation>Crawler</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="101"/>
        <source>symmetrische Verläufe</source>
        <translation>symmetric courses</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="102"/>
        <source>erzeugt Krabblerwelten</source>
        <translation>makes crawler worlds</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="103"/>
        <source>4-Phasen Blinker</source>
        <translation>4-phase blinker</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="104"/>
        <source>Tintenfisch</source>
        <translation>Squid</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="108"/>
        <source>weitere Welten</source>
        <translation>more worlds</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="109"/>
        <source>1-3 / 3 Welt</source>
        <translation>1-3 / 3 world</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="110"/>
        <source>3-5 / 3 Welt</source>
        <translation>3-5 / 3 world</translation>
    </message>
    <message>
        <location filename="fusszeile.cpp" line="39"/>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <location filename="fusszeile.cpp" line="42"/>
        <source>Über %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <location filename="fusszeile.cpp" line="43"/>
        <source>%1

Eine Werkbank für zellulare Automaten mit zwei Zuständen: Regeln, Nachbarschaften und Ränder frei wählbar.

Entwickelt vom MorLix-Team, gebaut mit Qt.</source>
        <translation>%1

A workbench for cellular automata with two states: rules, neighbourhoods and edges freely chosen.

Developed by the MorLix team, built with Qt.</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="106"/>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="107"/>
        <source>neu</source>
        <translation>new</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="108"/>
        <source>öffnen</source>
        <translation>open</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="110"/>
        <source>speichern</source>
        <translation>save</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="113"/>
        <source>Muster importieren (ersetzt die Welt)…</source>
        <translation>Import pattern (replaces the world)…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="115"/>
        <source>Muster exportieren…</source>
        <translation>Export pattern…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="117"/>
        <source>Bild speichern…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="119"/>
        <source>Animation speichern…</source>
        <translation>Save animation…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="122"/>
        <source>beenden</source>
        <translation>quit</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="131"/>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="141"/>
        <source>Muster kopieren</source>
        <translation>Copy pattern</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="143"/>
        <source>Muster einfügen (zur Welt hinzu)</source>
        <translation>Paste pattern (into the world)</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="150"/>
        <source>Zufallsfeld…</source>
        <translation>Random field…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="153"/>
        <source>Raster einstellen</source>
        <translation>Set grid</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="161"/>
        <source>frei</source>
        <translation>free</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="165"/>
        <source>Raster ein/aus</source>
        <translation>Grid on/off</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="169"/>
        <location filename="frmmatrix.cpp" line="49"/>
        <source>Nachbarmatrix</source>
        <translation>Neighbour matrix</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="176"/>
        <location filename="frmvireo.cpp" line="188"/>
        <source>Regel</source>
        <translation>Rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="193"/>
        <source>Regel eingeben…</source>
        <translation>Enter rule…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="195"/>
        <location filename="frmvireo.cpp" line="243"/>
        <source>Zufallsregel</source>
        <translation>Random rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="198"/>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="199"/>
        <source>Verlauf…</source>
        <translation>Course…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="202"/>
        <source>Zensus…</source>
        <translation>Census…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="207"/>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="232"/>
        <source>Regel eingeben</source>
        <translation>Enter rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="235"/>
        <source>Regel als B/S („B36/S23“), als S/B („23/3“) oder mit Namen („HighLife“), auch mit Gitter („B3/S23:T30,30“):</source>
        <translation>Rule as B/S (“B36/S23”), as S/B (“23/3”) or by name (“HighLife”), also with a grid (“B3/S23:T30,30”):</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="244"/>
        <source>Jede Anzahl für Geburt und Überleben gilt mit der Chance:</source>
        <translation>Each count for birth and survival holds with the chance:</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="245"/>
        <source>auch Geburt bei 0 Nachbarn</source>
        <translation>also birth on 0 neighbours</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="251"/>
        <source>Zufallsfeld</source>
        <translation>Random field</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="252"/>
        <source>Das Feld neu füllen; jede Zelle lebt mit der Chance:</source>
        <translation>Fill the field anew; each cell lives with the chance:</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="289"/>
        <source>Rückgängig</source>
        <translation>Undo</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="290"/>
        <source>Wiederholen</source>
        <translation>Redo</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="298"/>
        <source>Die Welt wurde geändert. Änderungen speichern?</source>
        <translation>The world was changed. Save the changes?</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="299"/>
        <location filename="frmvireo_dateien.cpp" line="101"/>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="299"/>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="300"/>
        <location filename="frmvireo_dateien.cpp" line="102"/>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="317"/>
        <source>Feldgröße wählen</source>
        <translation>Choose field size</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="318"/>
        <source>gerade Zahl bis %1</source>
        <translation>even number up to %1</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="18"/>
        <source>Welten (*.vir);;Alle Dateien (*)</source>
        <translation>Worlds (*.vir);;All files (*)</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="20"/>
        <source>Muster (*.rle *.cells *.lif *.life *.txt *.mcl *.mc *.gz);;Alle Dateien (*)</source>
        <translation>Patterns (*.rle *.cells *.lif *.life *.txt *.mcl *.mc *.gz);;All files (*)</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="22"/>
        <source>RLE (*.rle);;Plaintext (*.cells);;Life 1.06 (*.lif *.life);;Alle Dateien (*)</source>
        <translation>RLE (*.rle);;Plaintext (*.cells);;Life 1.06 (*.lif *.life);;All files (*)</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="23"/>
        <source>PNG-Bilder (*.png);;Alle Dateien (*)</source>
        <translation>PNG pictures (*.png);;All files (*)</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="24"/>
        <source>GIF-Animationen (*.gif);;Alle Dateien (*)</source>
        <translation>GIF animations (*.gif);;All files (*)</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="40"/>
        <location filename="frmvireo_dateien.cpp" line="116"/>
        <source>Welt öffnen</source>
        <translation>Open world</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="50"/>
        <source>Welt speichern</source>
        <translation>Save world</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="63"/>
        <source>Muster importieren</source>
        <translation>Import pattern</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="69"/>
        <source>Muster exportieren</source>
        <translation>Export pattern</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="80"/>
        <source>Muster einfügen</source>
        <translation>Paste pattern</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="85"/>
        <source>Bild speichern</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="95"/>
        <source>Animation speichern</source>
        <translation>Save animation</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="98"/>
        <source>Das Gedächtnis hält noch keine Generation: die Animation bestünde nur aus dem jetzigen Bild. Trotzdem speichern?</source>
        <translation>The memory holds no generation yet: the animation would be the present picture only. Save anyway?</translation>
    </message>
    <message>
        <location filename="frmvireo_dateien.cpp" line="117"/>
        <source>Muster öffnen</source>
        <translation>Open pattern</translation>
    </message>
    <message>
        <location filename="frmmatrix.cpp" line="85"/>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="27"/>
        <source>Verlauf</source>
        <translation>Course</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="61"/>
        <source>Verlauf speichern…</source>
        <translation>Save course…</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="78"/>
        <source>Lebend</source>
        <translation>Living</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="79"/>
        <source>Geburten</source>
        <translation>Births</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="80"/>
        <source>Tode</source>
        <translation>Deaths</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="81"/>
        <source>Periode gefunden</source>
        <translation>Period found</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="82"/>
        <source>Generation des Laufs, darunter der Zähler</source>
        <translation>Generation of the run, the counter below</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="83"/>
        <source>Zellen</source>
        <translation>Cells</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="161"/>
        <source> – gezeigt die letzten %1 von %2 Generationen des Laufs</source>
        <translation> – showing the last %1 of %2 generations of the run</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="168"/>
        <source>Verlauf speichern</source>
        <translation>Save course</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="171"/>
        <source>CSV-Tabellen (*.csv);;Alle Dateien (*)</source>
        <translation>CSV tables (*.csv);;All files (*)</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="56"/>
        <location filename="frmzensus.cpp" line="173"/>
        <source>Zensus</source>
        <translation>Census</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="74"/>
        <source>Stopp</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="81"/>
        <source>Es gilt:</source>
        <translation>In force:</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="82"/>
        <source>Suppen:</source>
        <translation>Soups:</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="83"/>
        <source>Wurzel:</source>
        <translation>Root:</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="109"/>
        <location filename="frmzensus.cpp" line="275"/>
        <source>Suppe zeigen</source>
        <translation>Show soup</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="112"/>
        <source>Zensus speichern…</source>
        <translation>Save census…</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="145"/>
        <source>leer: eine neue Wurzel</source>
        <translation>empty: a fresh root</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="146"/>
        <source>Objekt</source>
        <translation>Object</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="147"/>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="148"/>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="149"/>
        <source>je Suppe</source>
        <translation>per soup</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="150"/>
        <source>Doppelklick fügt das Objekt in die Mitte des Feldes ein</source>
        <translation>A double click inserts the object in the middle of the field</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="152"/>
        <source>Die erste Suppe, die das gewählte Objekt brachte, in die Mitte des leeren Feldes</source>
        <translation>The first soup that brought the chosen object, in the middle of the empty field</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="190"/>
        <source>Noch kein Zensus.</source>
        <translation>No census yet.</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="197"/>
        <source>Zensus %1, Wurzel %2: %3 von %4 Suppen, %5 Objekte</source>
        <translation>Census %1, root %2: %3 of %4 soups, %5 objects</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="202"/>
        <source>%1 Suppen je Sekunde</source>
        <translation>%1 soups per second</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="203"/>
        <source>, noch %1</source>
        <translation>, %1 to go</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="205"/>
        <source>, fertig</source>
        <translation>, done</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="206"/>
        <source>, angehalten</source>
        <translation>, stopped</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="269"/>
        <source>Objekt einfügen</source>
        <translation>Insert object</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="279"/>
        <source>Zensus speichern</source>
        <translation>Save census</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="282"/>
        <source>Zensustext (*.txt);;CSV-Tabellen (*.csv);;Alle Dateien (*)</source>
        <translation>Census text (*.txt);;CSV tables (*.csv);;All files (*)</translation>
    </message>
</context>
</TS>
