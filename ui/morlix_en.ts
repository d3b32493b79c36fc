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
        <location filename="zugang.cpp" line="28"/>
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
        <location filename="starttafel.cpp" line="52"/>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <location filename="starttafel.cpp" line="70"/>
        <source>schnell</source>
        <translation>fast</translation>
    </message>
    <message>
        <location filename="starttafel.cpp" line="77"/>
        <source> Rüc&amp;kblende bis -99</source>
        <translation> Look &amp;back to -99</translation>
    </message>
    <message>
        <location filename="starttafel.cpp" line="94"/>
        <source>übers&amp;pringen</source>
        <translation>s&amp;kip</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="16"/>
        <source>Wahl der Welt</source>
        <translation>Choice of world</translation>
    </message>
    <message>
        <location filename="regeltafel.cpp" line="37"/>
        <source>Zelle lebt &amp;weiter, wenn sie</source>
        <translation>A &amp;cell lives on if it has</translation>
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
        <source>Zelle wird be&amp;lebt, wenn sie</source>
        <translation>&amp;A cell comes alive if it has</translation>
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
        <source>Sc&amp;hirm</source>
        <translation>&amp;Screen</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="26"/>
        <source>Ras&amp;ter</source>
        <translation>Gri&amp;d</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="27"/>
        <source>Zelle &amp;neu</source>
        <translation>Cell ne&amp;w</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="28"/>
        <source>Zelle alt &amp;1</source>
        <translation>Cell old &amp;1</translation>
    </message>
    <message>
        <location filename="farbtafel.cpp" line="30"/>
        <source>Zelle alt &amp;2</source>
        <translation>Cell old &amp;2</translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="16"/>
        <source>Randoptionen</source>
        <translation>Edge options</translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="19"/>
        <source>T&amp;orus</source>
        <translation>Tor&amp;us</translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="19"/>
        <source>&amp;Quadrat </source>
        <translation>S&amp;quare </translation>
    </message>
    <message>
        <location filename="randtafel.cpp" line="20"/>
        <source>Spie&amp;gel</source>
        <translation>M&amp;irror</translation>
    </message>
    <message>
        <location filename="feldtafel.cpp" line="64"/>
        <source>Linke Maustaste setzt/löscht Einzelpunkt, rechte Maustaste zieht/löscht Linie</source>
        <translation>Left mouse button sets/clears a single point, right mouse button draws/erases a line</translation>
    </message>
    <message>
        <location filename="feldtafel.cpp" line="122"/>
        <location filename="zugang.cpp" line="35"/>
        <location filename="zugang.cpp" line="36"/>
        <source>Scrollrad</source>
        <translation>Scroll wheel</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="94"/>
        <source>Beispiele</source>
        <translation>Examples</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="101"/>
        <source>Vireos Welt:</source>
        <translation>Vireo&apos;s world:</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="102"/>
        <source>2-3 / 3 Welt</source>
        <translation>2-3 / 3 world</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="103"/>
        <source>statisch</source>
        <translation>still</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="104"/>
        <source>Blinker</source>
        <translation>Blinker</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="105"/>
        <location filename="beispieltafel.cpp" line="110"/>
        <source>Krabbler</source>
        <translation>Crawler</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="106"/>
        <source>symmetrische Verläufe</source>
        <translation>symmetric courses</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="107"/>
        <source>erzeugt Krabblerwelten</source>
        <translation>makes crawler worlds</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="108"/>
        <source>4-Phasen Blinker</source>
        <translation>4-phase blinker</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="109"/>
        <source>Tintenfisch</source>
        <translation>Squid</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="113"/>
        <source>weitere Welten</source>
        <translation>more worlds</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="114"/>
        <source>1-3 / 3 Welt</source>
        <translation>1-3 / 3 world</translation>
    </message>
    <message>
        <location filename="beispieltafel.cpp" line="115"/>
        <source>3-5 / 3 Welt</source>
        <translation>3-5 / 3 world</translation>
    </message>
    <message>
        <location filename="fusszeile.cpp" line="40"/>
        <source>&amp;Info</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <location filename="fusszeile.cpp" line="43"/>
        <source>Über %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <location filename="fusszeile.cpp" line="44"/>
        <source>%1

Eine Werkbank für zellulare Automaten mit zwei Zuständen: Regeln, Nachbarschaften und Ränder frei wählbar.

Entwickelt vom MorLix-Team, gebaut mit Qt.</source>
        <translation>%1

A workbench for cellular automata with two states: rules, neighbourhoods and edges freely chosen.

Developed by the MorLix team, built with Qt.</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="119"/>
        <source>Muster &amp;exportieren…</source>
        <translation>&amp;Export pattern…</translation>
    </message>
    <message>
        <location filename="frmmatrix.cpp" line="50"/>
        <source>Nachbarmatrix</source>
        <translation>Neighbour matrix</translation>
    </message>
    <message>
        <location filename="frmmatrix.cpp" line="86"/>
        <source>&amp;ok</source>
        <translation>&amp;ok</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="190"/>
        <source>Regel</source>
        <translation>Rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="257"/>
        <source>Zufallsregel</source>
        <translation>Random rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="110"/>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="111"/>
        <source>&amp;neu</source>
        <translation>&amp;new</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="112"/>
        <source>ö&amp;ffnen</source>
        <translation>&amp;open</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="114"/>
        <source>&amp;speichern</source>
        <translation>&amp;save</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="117"/>
        <source>Muster &amp;importieren (ersetzt die Welt)…</source>
        <translation>&amp;Import pattern (replaces the world)…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="121"/>
        <source>Bil&amp;d speichern…</source>
        <translation>Save &amp;picture…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="123"/>
        <source>&amp;Animation speichern…</source>
        <translation>Save &amp;animation…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="126"/>
        <source>&amp;beenden</source>
        <translation>&amp;quit</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="135"/>
        <source>&amp;Bearbeiten</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="145"/>
        <source>Muster &amp;kopieren</source>
        <translation>&amp;Copy pattern</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="147"/>
        <source>Muster &amp;einfügen (zur Welt hinzu)</source>
        <translation>&amp;Paste pattern (into the world)</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="154"/>
        <source>&amp;Zufallsfeld…</source>
        <translation>Random &amp;field…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="157"/>
        <source>Raster &amp;einstellen</source>
        <translation>Set &amp;grid</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="165"/>
        <source>&amp;frei</source>
        <translation>&amp;free</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="169"/>
        <source>Raster ein/a&amp;us</source>
        <translation>Grid &amp;on/off</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="173"/>
        <source>Nachbar&amp;matrix</source>
        <translation>Neighbour &amp;matrix</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="180"/>
        <source>&amp;Regel</source>
        <translation>&amp;Rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="195"/>
        <source>Regel &amp;eingeben…</source>
        <translation>&amp;Enter rule…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="197"/>
        <source>&amp;Zufallsregel</source>
        <translation>&amp;Random rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="201"/>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="202"/>
        <source>&amp;Verlauf…</source>
        <translation>&amp;Course…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="205"/>
        <source>&amp;Zensus…</source>
        <translation>Ce&amp;nsus…</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="210"/>
        <source>&amp;Sprache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="246"/>
        <source>Regel eingeben</source>
        <translation>Enter rule</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="249"/>
        <source>Regel als B/S („B36/S23“), als S/B („23/3“) oder mit Namen („HighLife“), auch mit Gitter („B3/S23:T30,30“):</source>
        <translation>Rule as B/S (“B36/S23”), as S/B (“23/3”) or by name (“HighLife”), also with a grid (“B3/S23:T30,30”):</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="258"/>
        <source>Jede Anzahl für Geburt und Überleben gilt mit der Chance:</source>
        <translation>Each count for birth and survival holds with the chance:</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="259"/>
        <source>auch &amp;Geburt bei 0 Nachbarn</source>
        <translation>also &amp;birth on 0 neighbours</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="303"/>
        <source>&amp;Rückgängig</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="304"/>
        <source>&amp;Wiederholen</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="313"/>
        <source>&amp;Verwerfen</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="265"/>
        <source>Zufallsfeld</source>
        <translation>Random field</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="266"/>
        <source>Das Feld neu füllen; jede Zelle lebt mit der Chance:</source>
        <translation>Fill the field anew; each cell lives with the chance:</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="312"/>
        <source>Die Welt wurde geändert. Änderungen speichern?</source>
        <translation>The world was changed. Save the changes?</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="313"/>
        <location filename="frmvireo_dateien.cpp" line="101"/>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="314"/>
        <location filename="frmvireo_dateien.cpp" line="102"/>
        <source>&amp;Abbrechen</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="331"/>
        <source>Feldgröße wählen</source>
        <translation>Choose field size</translation>
    </message>
    <message>
        <location filename="frmvireo.cpp" line="332"/>
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
        <location filename="frmverlauf.cpp" line="28"/>
        <source>Verlauf</source>
        <translation>Course</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="63"/>
        <source>Verlauf &amp;speichern…</source>
        <translation>&amp;Save course…</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="81"/>
        <source>Lebend</source>
        <translation>Living</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="82"/>
        <source>Geburten</source>
        <translation>Births</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="83"/>
        <source>Tode</source>
        <translation>Deaths</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="84"/>
        <source>Periode gefunden</source>
        <translation>Period found</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="85"/>
        <source>Generation des Laufs, darunter der Zähler</source>
        <translation>Generation of the run, the counter below</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="86"/>
        <source>Zellen</source>
        <translation>Cells</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="165"/>
        <source> – gezeigt die letzten %1 von %2 Generationen des Laufs</source>
        <translation> – showing the last %1 of %2 generations of the run</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="172"/>
        <source>Verlauf speichern</source>
        <translation>Save course</translation>
    </message>
    <message>
        <location filename="frmverlauf.cpp" line="175"/>
        <source>CSV-Tabellen (*.csv);;Alle Dateien (*)</source>
        <translation>CSV tables (*.csv);;All files (*)</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="58"/>
        <location filename="frmzensus.cpp" line="179"/>
        <source>Zensus</source>
        <translation>Census</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="83"/>
        <source>Es gilt:</source>
        <translation>In force:</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="281"/>
        <source>Suppe zeigen</source>
        <translation>Show soup</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="149"/>
        <source>leer: eine neue Wurzel</source>
        <translation>empty: a fresh root</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="150"/>
        <source>Objekt</source>
        <translation>Object</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="151"/>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="152"/>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="153"/>
        <source>je Suppe</source>
        <translation>per soup</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="73"/>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="76"/>
        <source>St&amp;opp</source>
        <translation>St&amp;op</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="84"/>
        <source>Su&amp;ppen:</source>
        <translation>Sou&amp;ps:</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="85"/>
        <source>&amp;Wurzel:</source>
        <translation>&amp;Root:</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="111"/>
        <source>Suppe &amp;zeigen</source>
        <translation>S&amp;how soup</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="114"/>
        <source>Zensus sp&amp;eichern…</source>
        <translation>Sa&amp;ve census…</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="155"/>
        <location filename="zugang.cpp" line="94"/>
        <source>Doppelklick oder Eingabetaste fügt das Objekt in die Mitte des Feldes ein</source>
        <translation>A double click or Return inserts the object in the middle of the field</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="157"/>
        <source>Die erste Suppe, die das gewählte Objekt brachte, in die Mitte des leeren Feldes</source>
        <translation>The first soup that brought the chosen object, in the middle of the empty field</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="196"/>
        <source>Noch kein Zensus.</source>
        <translation>No census yet.</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="203"/>
        <source>Zensus %1, Wurzel %2: %3 von %4 Suppen, %5 Objekte</source>
        <translation>Census %1, root %2: %3 of %4 soups, %5 objects</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="208"/>
        <source>%1 Suppen je Sekunde</source>
        <translation>%1 soups per second</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="209"/>
        <source>, noch %1</source>
        <translation>, %1 to go</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="211"/>
        <source>, fertig</source>
        <translation>, done</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="212"/>
        <source>, angehalten</source>
        <translation>, stopped</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="275"/>
        <source>Objekt einfügen</source>
        <translation>Insert object</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="285"/>
        <source>Zensus speichern</source>
        <translation>Save census</translation>
    </message>
    <message>
        <location filename="frmzensus.cpp" line="288"/>
        <source>Zensustext (*.txt);;CSV-Tabellen (*.csv);;Alle Dateien (*)</source>
        <translation>Census text (*.txt);;CSV tables (*.csv);;All files (*)</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="29"/>
        <source>Um eine Zelle scrollen</source>
        <translation>Scroll by one cell</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="32"/>
        <source>Feld</source>
        <translation>Field</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="33"/>
        <source>F6 bringt die Tastatur ins Feld: die Pfeiltasten bewegen den Zellzeiger, X schaltet seine Zelle, Umschalt mit Pfeiltaste zieht eine Linie, Escape verlässt das Feld</source>
        <translation>F6 brings the keyboard to the field: the arrow keys move the cell cursor, X toggles its cell, Shift with an arrow key draws a line, Escape leaves the field</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="37"/>
        <source>Nach links scrollen</source>
        <translation>Scroll left</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="38"/>
        <source>Nach oben scrollen</source>
        <translation>Scroll up</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="39"/>
        <source>Nach rechts scrollen</source>
        <translation>Scroll right</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="40"/>
        <source>Nach unten scrollen</source>
        <translation>Scroll down</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="41"/>
        <source>Eine Zelle nach links</source>
        <translation>One cell left</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="42"/>
        <source>Eine Zelle nach oben</source>
        <translation>One cell up</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="43"/>
        <source>Eine Zelle nach rechts</source>
        <translation>One cell right</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="44"/>
        <source>Eine Zelle nach unten</source>
        <translation>One cell down</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="45"/>
        <source>Generationenzähler</source>
        <translation>Generation counter</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="46"/>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="47"/>
        <source>Zeit dt zwischen zwei Takten: nach rechts schneller</source>
        <translation>Time dt between two ticks: faster to the right</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="48"/>
        <source>Tempozahl</source>
        <translation>Speed figure</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="49"/>
        <source>Das Tempo von 1 (langsam) bis 100 (schnell)</source>
        <translation>The speed from 1 (slow) to 100 (fast)</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="50"/>
        <source>Tiefe der Rückblende</source>
        <translation>Look-back depth</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="51"/>
        <source>Überspringen plus 1</source>
        <translation>Skip plus 1</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="52"/>
        <source>Überspringen minus 1</source>
        <translation>Skip minus 1</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="53"/>
        <source>Überleben bei %1 lebenden Nachbarn</source>
        <translation>Survival with %1 living neighbours</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="54"/>
        <source>Geburt bei %1 lebenden Nachbarn</source>
        <translation>Birth with %1 living neighbours</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="55"/>
        <source>Zeichnen</source>
        <translation>Draw</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="56"/>
        <source>Radieren</source>
        <translation>Erase</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="57"/>
        <source>Randoptionen erklären</source>
        <translation>Explain the edge options</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="58"/>
        <source>Zeigt ein Bild der drei Randoptionen</source>
        <translation>Shows a picture of the three edge options</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="59"/>
        <source>Bild schließen</source>
        <translation>Close the picture</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="60"/>
        <source>Schließt das Bild der Randoptionen</source>
        <translation>Closes the picture of the edge options</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="61"/>
        <source>Beispiel %1 einfügen</source>
        <translation>Insert example %1</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="62"/>
        <source>Beispiele verbergen</source>
        <translation>Hide examples</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="63"/>
        <source>Blendet das Beispielfeld aus</source>
        <translation>Hides the example panel</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="64"/>
        <source>Spalte</source>
        <translation>Column</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="65"/>
        <source>Spalte der Zelle unter dem Zeiger</source>
        <translation>Column of the cell under the pointer</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="66"/>
        <source>Zeile</source>
        <translation>Row</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="67"/>
        <source>Zeile der Zelle unter dem Zeiger</source>
        <translation>Row of the cell under the pointer</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="68"/>
        <source>Feldgröße</source>
        <translation>Field size</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="69"/>
        <source>Seitenlänge des Feldes in Zellen</source>
        <translation>The side of the field in cells</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="70"/>
        <source>Befund</source>
        <translation>Finding</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="71"/>
        <source>Über das Programm</source>
        <translation>About the program</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="72"/>
        <source>Nachbar links</source>
        <translation>Left neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="73"/>
        <source>Nachbar links oben</source>
        <translation>Upper left neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="74"/>
        <source>Nachbar oben</source>
        <translation>Upper neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="75"/>
        <source>Nachbar rechts oben</source>
        <translation>Upper right neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="76"/>
        <source>Nachbar rechts</source>
        <translation>Right neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="77"/>
        <source>Nachbar rechts unten</source>
        <translation>Lower right neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="78"/>
        <source>Nachbar unten</source>
        <translation>Lower neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="79"/>
        <source>Nachbar links unten</source>
        <translation>Lower left neighbour</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="80"/>
        <source>Angekreuzt zählt dieser Nachbar mit</source>
        <translation>Ticked, this neighbour counts</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="81"/>
        <source>Die angekreuzten Nachbarn übernehmen</source>
        <translation>Takes over the ticked neighbours</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="82"/>
        <source>Verlaufsdiagramm</source>
        <translation>Course chart</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="83"/>
        <source>Lebende Zellen, Geburten und Tode je Generation des Laufs</source>
        <translation>Living cells, births and deaths per generation of the run</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="85"/>
        <source>Die Zahlen des Laufs als CSV-Tabelle speichern</source>
        <translation>Saves the numbers of the run as a CSV table</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="87"/>
        <source>Wie viele Zufallssuppen der Zensus untersucht</source>
        <translation>How many random soups the census examines</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="89"/>
        <source>Die Wurzel des Zufalls: dieselbe Wurzel bringt dieselben Suppen</source>
        <translation>The root of chance: the same root brings the same soups</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="91"/>
        <source>Den Zensus unter der geltenden Regel starten</source>
        <translation>Starts the census under the rule in force</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="92"/>
        <source>Den Zensus anhalten</source>
        <translation>Stops the census</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="93"/>
        <source>Gefundene Objekte</source>
        <translation>Objects found</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="96"/>
        <source>Die Tabelle als Text oder CSV speichern</source>
        <translation>Saves the table as text or CSV</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="97"/>
        <source>Stand des Zensus</source>
        <translation>State of the census</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="146"/>
        <source>%1 × %2 Zellen, %3 lebend</source>
        <translation>%1 × %2 cells, %3 alive</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="299"/>
        <source>Spalte %1, Zeile %2</source>
        <translation>column %1, row %2</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="374"/>
        <source>leer</source>
        <translation>empty</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="375"/>
        <source>lebend, neu</source>
        <translation>alive, new</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="376"/>
        <source>lebend, 1 Generation alt</source>
        <translation>alive, 1 generation old</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="377"/>
        <source>lebend, 2 oder mehr Generationen alt</source>
        <translation>alive, 2 or more generations old</translation>
    </message>
    <message>
        <location filename="zugang.cpp" line="378"/>
        <source>Zustand %1</source>
        <translation>state %1</translation>
    </message>
</context>
</TS>
