<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Check</name>
    <message>
        <source>Tolerated while the file was read</source>
        <translation>Beim Lesen der Datei hingenommen</translation>
    </message>
    <message>
        <source>Line of the shop names file not in the form #KKKK:TTTT{text}</source>
        <translation>Zeile der Gebäudenamen-Datei nicht in der Form #KKKK:TTTT{text}</translation>
    </message>
    <message>
        <source>Cell inside the map without terrain</source>
        <translation>Feld innerhalb der Karte ohne Gelände</translation>
    </message>
    <message>
        <source>Water beside land that no coast picture fits</source>
        <translation>Wasser neben Land, zu dem kein Küstenbild passt</translation>
    </message>
    <message>
        <source>Shop on a cell without an object</source>
        <translation>Gebäude auf einem Feld ohne Objekt</translation>
    </message>
    <message>
        <source>Shop record that no cell of the map holds</source>
        <translation>Gebäudeeintrag, den kein Feld der Karte trägt</translation>
    </message>
    <message>
        <source>Shop name used by more than one shop</source>
        <translation>Gebäudename, den mehrere Gebäude tragen</translation>
    </message>
    <message>
        <source>Cargo record that no cell uses; a save drops it</source>
        <translation>Ladungseintrag, den kein Feld nutzt; beim Speichern entfällt er</translation>
    </message>
    <message>
        <source>Cargo on a cell without a unit</source>
        <translation>Ladung auf einem Feld ohne Einheit</translation>
    </message>
    <message>
        <source>AI point record that no cell uses; a save drops it</source>
        <translation>KI-Punkt-Eintrag, den kein Feld nutzt; beim Speichern entfällt er</translation>
    </message>
    <message>
        <source>AI point on a cell without a unit</source>
        <translation>KI-Punkt auf einem Feld ohne Einheit</translation>
    </message>
    <message>
        <source>Cell that names a missing record, or one another cell names too</source>
        <translation>Feld, das einen fehlenden Eintrag nennt oder einen, den auch ein anderes Feld nennt</translation>
    </message>
    <message>
        <source>Unit that belongs to none of the players or the neutral side</source>
        <translation>Einheit, die keinem Spieler und nicht der neutralen Seite gehört</translation>
    </message>
    <message>
        <source>Shop that belongs to none of the players or the neutral side</source>
        <translation>Gebäude, das keinem Spieler und nicht der neutralen Seite gehört</translation>
    </message>
    <message>
        <source>Player name longer than 16 characters; loading cuts it</source>
        <translation>Spielername länger als 16 Zeichen; beim Laden wird er gekürzt</translation>
    </message>
    <message>
        <source>Change-layer cell outside the map size; a save drops it</source>
        <translation>Feld einer DF-Ebene außerhalb der Kartengröße; beim Speichern entfällt es</translation>
    </message>
    <message>
        <source>More than the mission file or its shop names file can hold</source>
        <translation>Mehr, als die Missionsdatei oder ihre Gebäudenamen-Datei fassen kann</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Read error in %1: %2</source>
        <translation>Lesefehler in %1: %2</translation>
    </message>
    <message>
        <source>No Mission File!</source>
        <translation>Keine Missionsdatei!</translation>
    </message>
    <message>
        <source>No Mission File! (%1)</source>
        <translation>Keine Missionsdatei! (%1)</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: it is not a file</source>
        <translation>„%1“ kann nicht ersetzt werden: Es ist keine Datei</translation>
    </message>
    <message>
        <source>Cannot replace file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: it is a directory</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden: Es ist ein Ordner</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; is too large (%2 bytes)</source>
        <translation>Die Datei „%1“ ist zu groß (%2 Bytes)</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Read error in recovery description %1: %2</source>
        <translation>Lesefehler in der Beschreibung der Wiederherstellungskopie %1: %2</translation>
    </message>
    <message>
        <source>it does not start with &quot;%1&quot;</source>
        <translation>sie beginnt nicht mit „%1“</translation>
    </message>
    <message>
        <source>SavedAt is not a number</source>
        <translation>SavedAt ist keine Zahl</translation>
    </message>
    <message>
        <source>DFLayer is not a change layer number</source>
        <translation>DFLayer ist keine Nummer einer DF-Ebene</translation>
    </message>
    <message>
        <source>SavedAt or DFLayer is missing</source>
        <translation>SavedAt oder DFLayer fehlt</translation>
    </message>
    <message>
        <source>Cannot create the recovery folder %1: %2</source>
        <translation>Der Ordner für Wiederherstellungskopien %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Map size %1 x %2 is outside 1..64 x 1..64</source>
        <translation>Die Kartengröße %1 × %2 liegt außerhalb von 1..64 × 1..64</translation>
    </message>
    <message>
        <source>Cell %1 is outside the 64 x 64 grid</source>
        <translation>Das Feld %1 liegt außerhalb des Rasters von 64 × 64</translation>
    </message>
    <message>
        <source>Roughness %1 is outside 0..300</source>
        <translation>Die Rauheit %1 liegt außerhalb von 0..300</translation>
    </message>
    <message>
        <source>Generator code %1 of cell %2 has no terrain picture</source>
        <translation>Der Generatorcode %1 des Feldes %2 hat kein Geländebild</translation>
    </message>
    <message>
        <source>Border %1 is not one of 0..2</source>
        <translation>Die Grenze %1 ist nicht eine von 0..2</translation>
    </message>
    <message>
        <source>Cannot compress the picture</source>
        <translation>Das Bild kann nicht komprimiert werden</translation>
    </message>
    <message>
        <source>Cannot save an empty picture</source>
        <translation>Ein leeres Bild kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: the name must end in .bmp or .png</source>
        <translation>„%1“ kann nicht gespeichert werden: Der Name muss auf .bmp oder .png enden</translation>
    </message>
    <message>
        <source>Library file &quot;%1&quot; is not open</source>
        <translation>Die Bibliotheksdatei „%1“ ist nicht geöffnet</translation>
    </message>
    <message>
        <source>Library file &quot;%1&quot; cannot be read in one piece</source>
        <translation>Die Bibliotheksdatei „%1“ kann nicht am Stück gelesen werden</translation>
    </message>
    <message>
        <source>Library file &quot;%1&quot; has %2 pictures; picture %3 was asked for</source>
        <translation>Die Bibliotheksdatei „%1“ hat %2 Bilder; verlangt wurde Bild %3</translation>
    </message>
    <message>
        <source>Buffer too small for %1 pictures of &quot;%2&quot;</source>
        <translation>Puffer zu klein für %1 Bilder aus „%2“</translation>
    </message>
    <message>
        <source>Library file &quot;%1&quot; is too short: it has %2 bytes, picture %3 ends at byte %4</source>
        <translation>Die Bibliotheksdatei „%1“ ist zu kurz: Sie hat %2 Bytes, Bild %3 endet bei Byte %4</translation>
    </message>
    <message>
        <source>Palette file &quot;%1&quot; holds no full palette</source>
        <translation>Die Palettendatei „%1“ enthält keine vollständige Palette</translation>
    </message>
    <message>
        <source>Paint kind %1 is not one of 0..2</source>
        <translation>Die Malart %1 ist nicht eine von 0..2</translation>
    </message>
    <message>
        <source>Cannot draw a map of %1 x %2 cells</source>
        <translation>Eine Karte aus %1 × %2 Feldern kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>Change layer %1 out of range 0..31</source>
        <translation>Die DF-Ebene %1 liegt außerhalb von 0..31</translation>
    </message>
    <message>
        <source>Change layer %1: position code %2 lies beyond the 64 x 64 grid</source>
        <translation>DF-Ebene %1: Der Positionscode %2 liegt außerhalb des Rasters von 64 × 64</translation>
    </message>
    <message>
        <source>Mission %1: change layer entry %2 out of range 0..31</source>
        <translation>Mission %1: Der Eintrag %2 der DF-Ebenen liegt außerhalb von 0..31</translation>
    </message>
    <message>
        <source>Mission %1: change layer %2 has position code %3, beyond the 64 x 64 grid</source>
        <translation>Mission %1: Die DF-Ebene %2 hat den Positionscode %3, außerhalb des Rasters von 64 × 64</translation>
    </message>
    <message>
        <source>Neighbour direction %1 is not one of 0..5</source>
        <translation>Die Nachbarrichtung %1 ist nicht eine von 0..5</translation>
    </message>
    <message>
        <source>History position %1 beyond its %2 steps</source>
        <translation>Verlaufsposition %1 jenseits der %2 Schritte</translation>
    </message>
    <message>
        <source>Cannot resize the map to %1 x %2 at offset %3, %4: %5</source>
        <translation>Die Karte kann nicht auf %1 × %2 mit dem Versatz %3, %4 gebracht werden: %5</translation>
    </message>
    <message>
        <source>Cell (%1, %2) is outside the 64 x 64 grid</source>
        <translation>Das Feld (%1, %2) liegt außerhalb des Rasters von 64 × 64</translation>
    </message>
    <message>
        <source>Too many records: slot %1 is above 32767</source>
        <translation>Zu viele Einträge: Platz %1 liegt über 32767</translation>
    </message>
    <message>
        <source>Shop number %1 out of range (the mission has %2 shops)</source>
        <translation>Die Gebäudenummer %1 liegt außerhalb des Bereichs (die Mission hat %2 Gebäude)</translation>
    </message>
    <message>
        <source>Map size %1 x %2 is outside 0..64</source>
        <translation>Die Kartengröße %1 × %2 liegt außerhalb von 0..64</translation>
    </message>
    <message>
        <source>Mission %1: %2 has position code %3, beyond the 64 x 64 grid</source>
        <translation>Mission %1: %2 hat den Positionscode %3, außerhalb des Rasters von 64 × 64</translation>
    </message>
    <message>
        <source>Too many SHOP records: %1 (at most 65535)</source>
        <translation>Zu viele SHOP-Einträge: %1 (höchstens 65535)</translation>
    </message>
    <message>
        <source>Read error in shop name file %1: it is shorter than 4 bytes</source>
        <translation>Lesefehler in der Gebäudenamen-Datei %1: Sie ist kürzer als 4 Bytes</translation>
    </message>
    <message>
        <source>Cannot open shop name file &quot;%1&quot;: %2</source>
        <translation>Die Gebäudenamen-Datei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Shop name file &quot;%1&quot; is too large</source>
        <translation>Die Gebäudenamen-Datei „%1“ ist zu groß</translation>
    </message>
    <message>
        <source>Error processing shop name file &quot;%1&quot;</source>
        <translation>Fehler beim Verarbeiten der Gebäudenamen-Datei „%1“</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2; the shop names file would read back otherwise</source>
        <translation>„%1“ kann nicht gespeichert werden: %2; die Gebäudenamen-Datei würde anders zurückgelesen</translation>
    </message>
    <message>
        <source>Standard mission block &quot;%1&quot; is shorter than 332 bytes</source>
        <translation>Der Standard-Missionsblock „%1“ ist kürzer als 332 Bytes</translation>
    </message>
    <message>
        <source>Terrain type %1 is not 0 or 1</source>
        <translation>Der Geländetyp %1 ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>%1: back reference after 65536 output bytes</source>
        <translation>%1: Rückverweis nach 65536 Ausgabebytes</translation>
    </message>
    <message>
        <source>%1: back reference of distance %2 at output position %3</source>
        <translation>%1: Rückverweis mit Abstand %2 an Ausgabeposition %3</translation>
    </message>
    <message>
        <source>Alliance selection %1 is outside 0..63</source>
        <translation>Die Bündnisauswahl %1 liegt außerhalb von 0..63</translation>
    </message>
    <message>
        <source>Selection file &quot;%1&quot; is too short: %2 of %3 bytes</source>
        <translation>Die Auswahldatei „%1“ ist zu kurz: %2 von %3 Bytes</translation>
    </message>
    <message>
        <source>Filter bit %1 is not one of 0..8</source>
        <translation>Das Filterbit %1 ist nicht eines von 0..8</translation>
    </message>
    <message>
        <source>A view cannot be created before the game graphics are loaded</source>
        <translation>Eine Ansicht kann erst angelegt werden, wenn die Spielgrafiken geladen sind</translation>
    </message>
    <message>
        <source>HexSpace %1 is below 0</source>
        <translation>HexSpace %1 ist kleiner als 0</translation>
    </message>
    <message>
        <source>Grid size %1 x %2 is negative</source>
        <translation>Die Rastergröße %1 × %2 ist negativ</translation>
    </message>
    <message>
        <source>Cannot resize the map: %1</source>
        <translation>Die Kartengröße kann nicht geändert werden: %1</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Paint Terrain</source>
        <translation>Gelände malen</translation>
    </message>
    <message>
        <source>Paint Objects</source>
        <translation>Objekte malen</translation>
    </message>
    <message>
        <source>Paint Units</source>
        <translation>Einheiten malen</translation>
    </message>
    <message>
        <source>Line Terrain</source>
        <translation>Geländelinie</translation>
    </message>
    <message>
        <source>Line Objects</source>
        <translation>Objektlinie</translation>
    </message>
    <message>
        <source>Line Units</source>
        <translation>Einheitenlinie</translation>
    </message>
    <message>
        <source>Fill Terrain</source>
        <translation>Gelände füllen</translation>
    </message>
    <message>
        <source>Fill Objects</source>
        <translation>Objekte füllen</translation>
    </message>
    <message>
        <source>Fill Units</source>
        <translation>Einheiten füllen</translation>
    </message>
    <message>
        <source>Paste Terrain</source>
        <translation>Gelände einfügen</translation>
    </message>
    <message>
        <source>Paste Objects</source>
        <translation>Objekte einfügen</translation>
    </message>
    <message>
        <source>Paste Units</source>
        <translation>Einheiten einfügen</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>Malen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeitung</translation>
    </message>
    <message>
        <source>Transfer Map</source>
        <translation>Karte übernehmen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Missionseinstellungen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energie</translation>
    </message>
    <message>
        <source>EP</source>
        <translation>EP</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>MP</source>
        <translation>MP</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priorität</translation>
    </message>
    <message>
        <source>New Shop</source>
        <translation>Neues Gebäude</translation>
    </message>
    <message>
        <source>Delete Shop</source>
        <translation>Gebäude löschen</translation>
    </message>
    <message>
        <source>Shop Name</source>
        <translation>Gebäudename</translation>
    </message>
    <message>
        <source>Shop Owner</source>
        <translation>Gebäudebesitzer</translation>
    </message>
    <message>
        <source>Shop Type</source>
        <translation>Gebäudetyp</translation>
    </message>
    <message>
        <source>Shop Content</source>
        <translation>Gebäudeinhalt</translation>
    </message>
    <message>
        <source>Shop Production</source>
        <translation>Gebäudeproduktion</translation>
    </message>
    <message>
        <source>Cargo</source>
        <translation>Ladung</translation>
    </message>
    <message>
        <source>New AI Point</source>
        <translation>Neuer KI-Punkt</translation>
    </message>
    <message>
        <source>Delete AI Point</source>
        <translation>KI-Punkt löschen</translation>
    </message>
    <message>
        <source>AI Point</source>
        <translation>KI-Punkt</translation>
    </message>
    <message>
        <source>Map Size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Clear with Filter</source>
        <translation>Mit Filter leeren</translation>
    </message>
    <message>
        <source>%1 in change layer %2</source>
        <translation>%1 in DF-Ebene %2</translation>
    </message>
    <message>
        <source>Rebuild Coasts</source>
        <translation>Küsten neu aufbauen</translation>
    </message>
    <message>
        <source>Resize Map</source>
        <translation>Kartengröße ändern</translation>
    </message>
</context>
<context>
    <name>Shop</name>
    <message>
        <source>HQ</source>
        <translation>Hauptquartier</translation>
    </message>
    <message>
        <source>Airport</source>
        <translation>Flughafen</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Hafen</translation>
    </message>
    <message>
        <source>Factory</source>
        <translation>Fabrik</translation>
    </message>
    <message>
        <source>Depot</source>
        <translation>Lager</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Stadt</translation>
    </message>
    <message>
        <source>Academy</source>
        <translation>Akademie</translation>
    </message>
    <message>
        <source>Town 2</source>
        <translation>Stadt 2</translation>
    </message>
</context>
<context>
    <name>TNamesFaultText</name>
    <message>
        <source>The mission text</source>
        <translation>Der Missionstext</translation>
    </message>
    <message>
        <source>The mission name</source>
        <translation>Der Missionsname</translation>
    </message>
    <message>
        <source>The name of %1</source>
        <translation>Der Name von %1</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>The name of the shop at (%1, %2)</source>
        <translation>Der Name des Gebäudes bei (%1, %2)</translation>
    </message>
    <message>
        <source>The name of shop record %1</source>
        <translation>Der Name des Gebäudeeintrags %1</translation>
    </message>
    <message>
        <source>%1 holds a line break; the shop names file keeps one entry per line.</source>
        <translation>%1 enthält einen Zeilenumbruch; die Gebäudenamen-Datei hat einen Eintrag je Zeile.</translation>
    </message>
    <message>
        <source>%1 holds a zero character, where the shop names file would end.</source>
        <translation>%1 enthält ein Nullzeichen, an dem die Gebäudenamen-Datei enden würde.</translation>
    </message>
    <message>
        <source>%1 holds &quot;|&quot;, which the shop names file puts between the player names.</source>
        <translation>%1 enthält „|“, das die Gebäudenamen-Datei zwischen die Spielernamen setzt.</translation>
    </message>
    <message>
        <source>%1 is longer than %2 characters; loading would cut it.</source>
        <translation>%1 ist länger als %2 Zeichen; beim Laden würde gekürzt.</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot;, which would read back from the shop names file as &quot;%3&quot;.</source>
        <translation>%1 enthält „%2“, das aus der Gebäudenamen-Datei als „%3“ zurückgelesen würde.</translation>
    </message>
    <message>
        <source>The mission has more shops than the shop names file can number (%1).</source>
        <translation>Die Mission hat mehr Gebäude, als die Gebäudenamen-Datei nummerieren kann (%1).</translation>
    </message>
    <message>
        <source>Mission &gt; Settings</source>
        <translation>Mission &gt; Missionseinstellungen</translation>
    </message>
    <message>
        <source>the shop page of the Edit Window</source>
        <translation>der Gebäudeseite des Bearbeitungsfensters</translation>
    </message>
    <message>
        <source>the shop names file</source>
        <translation>der Gebäudenamen-Datei</translation>
    </message>
</context>
<context>
    <name>vh::GameGraphicsCheck</name>
    <message>
        <source>The directory &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Can&apos;t find Varnholt 3 graphic files in directory: </source>
        <translation>Keine Grafikdateien von Varnholt 3 im Ordner: </translation>
    </message>
    <message>
        <source>The editor cannot work without the game graphics and ends now.</source>
        <translation>Ohne die Spielgrafiken kann der Editor nicht arbeiten und wird jetzt beendet.</translation>
    </message>
</context>
<context>
    <name>vh::PictureGroups</name>
    <message>
        <source>picture %1</source>
        <translation>Bild %1</translation>
    </message>
    <message>
        <source>group %1, picture %2, %3 of %4</source>
        <translation>Gruppe %1, Bild %2, %3 von %4</translation>
    </message>
</context>
<context>
    <name>vh::TAboutBox</name>
    <message>
        <source>About Varnholt Editor</source>
        <translation>Über Varnholt Editor</translation>
    </message>
    <message>
        <source>Mission editor for the second and third titles of the Varnholt series.&lt;br&gt;Edits maps, shops, unit cargo, AI points, change layers and mission settings.&lt;br&gt;&lt;br&gt;Version %1, built with Qt %2.</source>
        <translation>Missionseditor für den zweiten und dritten Teil der Varnholt-Reihe.&lt;br&gt;Bearbeitet Karten, Gebäude, Ladungen, KI-Punkte, DF-Ebenen und Missionseinstellungen.&lt;br&gt;&lt;br&gt;Version %1, erstellt mit Qt %2.</translation>
    </message>
</context>
<context>
    <name>vh::TAutosave</name>
    <message>
        <source>Recovery copy not written: %1</source>
        <translation>Wiederherstellungskopie nicht geschrieben: %1</translation>
    </message>
</context>
<context>
    <name>vh::TChangeLayersDock</name>
    <message>
        <source>Change Layers</source>
        <translation>DF-Ebenen</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Cells</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Click: show the layer (Nr.); double-click: also show the changes in game (DFxx)</source>
        <translation>Klick: Ebene zeigen (Nr.); Doppelklick: auch die Änderungen im Spiel zeigen (DFxx)</translation>
    </message>
    <message>
        <source>Change layer %1, shown (Nr.)</source>
        <translation>DF-Ebene %1, gezeigt (Nr.)</translation>
    </message>
    <message>
        <source>Change layer %1</source>
        <translation>DF-Ebene %1</translation>
    </message>
</context>
<context>
    <name>vh::TDLGConfigForm</name>
    <message>
        <source>Options</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>St&amp;atusbar</source>
        <translation>St&amp;atusleiste</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>The editor shows the chosen language from its next start</source>
        <translation>Der Editor zeigt die gewählte Sprache ab dem nächsten Start</translation>
    </message>
    <message>
        <source>How often unsaved missions are copied for recovery after a crash</source>
        <translation>Wie oft ungespeicherte Missionen für die Wiederherstellung nach einem Absturz kopiert werden</translation>
    </message>
    <message>
        <source>&amp;Varnholt Directory</source>
        <translation>&amp;Varnholt-Ordner</translation>
    </message>
    <message>
        <source>&amp;Shopnames Files Dir</source>
        <translation>&amp;Gebäudenamen-Ordner</translation>
    </message>
    <message>
        <source>&amp;Recovery copy every</source>
        <translation>Wiederherstellungs&amp;kopie alle</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>A new language shows at the next start of the editor.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start des Editors.</translation>
    </message>
    <message>
        <source>Varnholt Directory</source>
        <translation>Varnholt-Ordner</translation>
    </message>
    <message>
        <source>Give the name of the game&apos;s text folder, such as GER; the shop names of the missions in its MIS folder lie there.</source>
        <translation>Geben Sie den Namen des Textordners des Spiels an, etwa GER; dort liegen die Gebäudenamen der Missionen seines MIS-Ordners.</translation>
    </message>
    <message>
        <source>There is no folder &quot;%1&quot; in the game directory; the shop names of the missions in its MIS folder will not be found.</source>
        <translation>Im Spielordner gibt es keinen Ordner „%1“; die Gebäudenamen der Missionen seines MIS-Ordners werden nicht gefunden.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systemsprache</translation>
    </message>
</context>
<context>
    <name>vh::TDLGDFLayerForm</name>
    <message>
        <source>Select DF Layer</source>
        <translation>DF-Ebene wählen</translation>
    </message>
    <message>
        <source>DF Layer Nr.</source>
        <translation>DF-Ebene Nr.</translation>
    </message>
</context>
<context>
    <name>vh::TDLGRecover</name>
    <message>
        <source>Recover Missions</source>
        <translation>Missionen wiederherstellen</translation>
    </message>
    <message>
        <source>The editor did not end normally. These missions had unsaved changes; their last recovery copies can be restored.</source>
        <translation>Der Editor wurde nicht regulär beendet. Diese Missionen hatten ungespeicherte Änderungen; ihre letzten Wiederherstellungskopien können wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>noname</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>&amp;Später</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>Unlesbar</translation>
    </message>
    <message>
        <source>Copies marked unreadable cannot be restored. Restore keeps them for the next start; Discard deletes them with the others.</source>
        <translation>Als unlesbar markierte Kopien können nicht wiederhergestellt werden. „Wiederherstellen“ behält sie für den nächsten Start; „Verwerfen“ löscht sie mit den anderen.</translation>
    </message>
</context>
<context>
    <name>vh::TDLGResizeMap</name>
    <message>
        <source>Resize Map</source>
        <translation>Kartengröße ändern</translation>
    </message>
    <message>
        <source>Columns the old map moves right (negative: left, cutting them off); always even, as odd columns sit half a cell lower</source>
        <translation>Spalten, um die die alte Karte nach rechts rückt (negativ: nach links, die Spalten fallen weg); immer gerade, da ungerade Spalten ein halbes Feld tiefer liegen</translation>
    </message>
    <message>
        <source>Rows the old map moves down (negative: up, cutting them off)</source>
        <translation>Zeilen, um die die alte Karte nach unten rückt (negativ: nach oben, die Zeilen fallen weg)</translation>
    </message>
    <message>
        <source>Old size:</source>
        <translation>Bisherige Größe:</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Anchor</source>
        <translation>Verankerung</translation>
    </message>
    <message>
        <source>Where the old map goes in the new one</source>
        <translation>Wo die alte Karte in der neuen liegt</translation>
    </message>
    <message>
        <source>&amp;Column offset:</source>
        <translation>&amp;Spaltenversatz:</translation>
    </message>
    <message>
        <source>&amp;Row offset:</source>
        <translation>&amp;Zeilenversatz:</translation>
    </message>
</context>
<context>
    <name>vh::TEditContentForm</name>
    <message>
        <source>Edit Content</source>
        <translation>Inhalt bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vh::TEditProduceForm</name>
    <message>
        <source>Edit Production</source>
        <translation>Produktion bearbeiten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>vh::THistoryDock</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source> — 1 cell</source>
        <translation> — 1 Feld</translation>
    </message>
    <message>
        <source> — %1 cells</source>
        <translation> — %1 Felder</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>   (saved)</source>
        <translation>   (gespeichert)</translation>
    </message>
</context>
<context>
    <name>vh::TMDIMain</name>
    <message>
        <source>ACTN</source>
        <translation>ACTN</translation>
    </message>
    <message>
        <source>Show/Hide Map</source>
        <translation>Karte zeigen/verbergen</translation>
    </message>
    <message>
        <source>&amp;ACTN</source>
        <translation>&amp;ACTN</translation>
    </message>
    <message>
        <source>DFxx</source>
        <translation>DFxx</translation>
    </message>
    <message>
        <source>Show/Hide Changes in Game</source>
        <translation>Änderungen im Spiel zeigen/verbergen</translation>
    </message>
    <message>
        <source>&amp;DF</source>
        <translation>&amp;DF</translation>
    </message>
    <message>
        <source>Mark DF</source>
        <translation>DF markieren</translation>
    </message>
    <message>
        <source>Mark all DF Hexs in this Layer</source>
        <translation>Alle DF-Felder dieser Ebene markieren</translation>
    </message>
    <message>
        <source>&amp;Mark DF</source>
        <translation>DF &amp;markieren</translation>
    </message>
    <message>
        <source>Ter</source>
        <translation>Gel</translation>
    </message>
    <message>
        <source>Show/Hide Terrain</source>
        <translation>Gelände zeigen/verbergen</translation>
    </message>
    <message>
        <source>&amp;Terrain</source>
        <translation>&amp;Gelände</translation>
    </message>
    <message>
        <source>Obj</source>
        <translation>Obj.</translation>
    </message>
    <message>
        <source>Show/Hide Objects</source>
        <translation>Objekte zeigen/verbergen</translation>
    </message>
    <message>
        <source>&amp;Objects</source>
        <translation>&amp;Objekte</translation>
    </message>
    <message>
        <source>Veh</source>
        <translation>Fzg</translation>
    </message>
    <message>
        <source>Show/Hide Vehicles</source>
        <translation>Fahrzeuge zeigen/verbergen</translation>
    </message>
    <message>
        <source>&amp;Vehicles</source>
        <translation>&amp;Fahrzeuge</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Geb</translation>
    </message>
    <message>
        <source>Mark Shops</source>
        <translation>Gebäude markieren</translation>
    </message>
    <message>
        <source>&amp;Shops</source>
        <translation>Ge&amp;bäude</translation>
    </message>
    <message>
        <source>VCont</source>
        <translation>FLad</translation>
    </message>
    <message>
        <source>Mark Vehicles with Content</source>
        <translation>Fahrzeuge mit Ladung markieren</translation>
    </message>
    <message>
        <source>Vehicles with Co&amp;ntent</source>
        <translation>Fahrzeuge mit &amp;Ladung</translation>
    </message>
    <message>
        <source>AI</source>
        <translation>KI</translation>
    </message>
    <message>
        <source>Mark AI Points</source>
        <translation>KI-Punkte markieren</translation>
    </message>
    <message>
        <source>AI &amp;Points</source>
        <translation>&amp;KI-Punkte</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>F&amp;enster</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New...</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save As &amp;BMP...</source>
        <translation>Als B&amp;MP speichern…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>O&amp;ptions...</source>
        <translation>&amp;Einstellungen…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>Show/Hide Grid</source>
        <translation>Raster zeigen/verbergen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Raster</translation>
    </message>
    <message>
        <source>DF &amp;Layer...</source>
        <translation>DF-&amp;Ebene…</translation>
    </message>
    <message>
        <source>&amp;Clear with Filter</source>
        <translation>Mit Filter leere&amp;n</translation>
    </message>
    <message>
        <source>&amp;Mission</source>
        <translation>&amp;Mission</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Missionseinstellungen…</translation>
    </message>
    <message>
        <source>&amp;Generate Map</source>
        <translation>Karte er&amp;zeugen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Mouse and Keys</source>
        <translation>&amp;Maus und Tasten</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über…</translation>
    </message>
    <message>
        <source>&amp;Tile</source>
        <translation>&amp;Nebeneinander</translation>
    </message>
    <message>
        <source>&amp;Cascade</source>
        <translation>Ü&amp;berlappend</translation>
    </message>
    <message>
        <source>&amp;Arrange Icons</source>
        <translation>&amp;Symbole anordnen</translation>
    </message>
    <message>
        <source>Filters</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source> Nr. </source>
        <translation> Nr. </translation>
    </message>
    <message>
        <source>DF Layer</source>
        <translation>DF-Ebene</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>Mirror &amp;Horizontally</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Mirror &amp;Vertically</source>
        <translation>Ver&amp;tikal spiegeln</translation>
    </message>
    <message>
        <source>Cut the selected cells (select with Shift + drag)</source>
        <translation>Die ausgewählten Felder ausschneiden (Auswahl mit Umschalt + Ziehen)</translation>
    </message>
    <message>
        <source>Copy the selected cells (select with Shift + drag)</source>
        <translation>Die ausgewählten Felder kopieren (Auswahl mit Umschalt + Ziehen)</translation>
    </message>
    <message>
        <source>Paste the copied cells: click to place, Escape to cancel</source>
        <translation>Die kopierten Felder einfügen: Klick setzt sie, Esc bricht ab</translation>
    </message>
    <message>
        <source>Empty what the map shows on the selected cells</source>
        <translation>Auf den ausgewählten Feldern leeren, was die Karte zeigt</translation>
    </message>
    <message>
        <source>The clipboard holds no map cells to paste.</source>
        <translation>Die Zwischenablage enthält keine Kartenfelder zum Einfügen.</translation>
    </message>
    <message>
        <source>The clipboard&apos;s map cells cannot be pasted: %1</source>
        <translation>Die Kartenfelder der Zwischenablage können nicht eingefügt werden: %1</translation>
    </message>
    <message>
        <source>Varnholt Mission (miss*.dat);;All missions (*.dat);;All Files (*)</source>
        <translation>Varnholt-Mission (miss*.dat);;Alle Missionen (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp);;All Files (*)</source>
        <translation>BMP-Dateien (*.bmp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The shop names file %1 is missing. Open the mission with default shop names?</source>
        <translation>Die Gebäudenamen-Datei %1 fehlt. Die Mission mit Standard-Gebäudenamen öffnen?</translation>
    </message>
    <message>
        <source>Saved as %1. The game loads only missions named missNNN.dat (three digits).</source>
        <translation>Als %1 gespeichert. Das Spiel lädt nur Missionen namens missNNN.dat (drei Ziffern).</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Save As BMP</source>
        <translation>Als BMP speichern</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Left click</source>
        <translation>Linksklick</translation>
    </message>
    <message>
        <source>Paint the palette&apos;s picture into the cell (terrain, object or unit).</source>
        <translation>Das Bild des Bearbeitungsfensters in das Feld malen (Gelände, Objekt oder Einheit).</translation>
    </message>
    <message>
        <source>Left drag</source>
        <translation>Ziehen mit links</translation>
    </message>
    <message>
        <source>Paint a stroke (or a line, with the Line tool); past the window&apos;s edge the map scrolls.</source>
        <translation>Einen Strich malen (oder mit dem Linienwerkzeug eine Linie); über den Fensterrand hinaus rollt die Karte mit.</translation>
    </message>
    <message>
        <source>Right click</source>
        <translation>Rechtsklick</translation>
    </message>
    <message>
        <source>Move the cursor (the blinking cell) without painting.</source>
        <translation>Den Cursor (das blinkende Feld) bewegen, ohne zu malen.</translation>
    </message>
    <message>
        <source>Left click while the right button is held</source>
        <translation>Linksklick bei gedrückter rechter Taste</translation>
    </message>
    <message>
        <source>Pick the cell&apos;s picture into the palette.</source>
        <translation>Das Bild des Feldes ins Bearbeitungsfenster übernehmen.</translation>
    </message>
    <message>
        <source>Ctrl + left click</source>
        <translation>Strg + Linksklick</translation>
    </message>
    <message>
        <source>Pick the cell&apos;s picture into the palette (with one hand).</source>
        <translation>Das Bild des Feldes ins Bearbeitungsfenster übernehmen (mit einer Hand).</translation>
    </message>
    <message>
        <source>Shift + left drag</source>
        <translation>Umschalt + Ziehen mit links</translation>
    </message>
    <message>
        <source>Select the cells whose centres lie in the rectangle; with Ctrl + Shift add them to the selection. A plain click or Escape drops the selection.</source>
        <translation>Die Felder auswählen, deren Mitte im Rechteck liegt; mit Strg + Umschalt zur Auswahl hinzufügen. Ein einfacher Klick oder Esc hebt die Auswahl auf.</translation>
    </message>
    <message>
        <source>While pasting</source>
        <translation>Beim Einfügen</translation>
    </message>
    <message>
        <source>The block follows the pointer; a left click places it, Escape drops it.</source>
        <translation>Der Block folgt dem Mauszeiger; ein Linksklick setzt ihn, Esc verwirft ihn.</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Scroll the map up and down.</source>
        <translation>Die Karte nach oben und unten rollen.</translation>
    </message>
    <message>
        <source>Shift + wheel</source>
        <translation>Umschalt + Mausrad</translation>
    </message>
    <message>
        <source>Scroll the map sideways.</source>
        <translation>Die Karte seitwärts rollen.</translation>
    </message>
    <message>
        <source>Ctrl + wheel</source>
        <translation>Strg + Mausrad</translation>
    </message>
    <message>
        <source>Zoom, keeping the cell under the pointer where it is.</source>
        <translation>Zoomen; das Feld unter dem Mauszeiger bleibt, wo es ist.</translation>
    </message>
    <message>
        <source>Middle drag</source>
        <translation>Ziehen mit mittlerer Taste</translation>
    </message>
    <message>
        <source>Move the map.</source>
        <translation>Die Karte verschieben.</translation>
    </message>
    <message>
        <source>Shop page</source>
        <translation>Gebäudeseite</translation>
    </message>
    <message>
        <source>Painting does nothing; &quot;New&quot; makes a shop at the cursor.</source>
        <translation>Malen bewirkt nichts; „Neu“ legt ein Gebäude am Cursor an.</translation>
    </message>
    <message>
        <source>Pointer over the map</source>
        <translation>Mauszeiger über der Karte</translation>
    </message>
    <message>
        <source>The status bar shows the cell under the pointer beside the cursor cell.</source>
        <translation>Die Statusleiste zeigt das Feld unter dem Mauszeiger neben dem Cursorfeld.</translation>
    </message>
    <message>
        <source>Keys on the map</source>
        <translation>Tasten auf der Karte</translation>
    </message>
    <message>
        <source>Arrow keys</source>
        <translation>Pfeiltasten</translation>
    </message>
    <message>
        <source>Move the cursor to the neighbouring cell; the map scrolls along.</source>
        <translation>Den Cursor auf das Nachbarfeld bewegen; die Karte rollt mit.</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Drop the line being drawn, the block being pasted or the selection.</source>
        <translation>Die begonnene Linie, den einzufügenden Block oder die Auswahl verwerfen.</translation>
    </message>
    <message>
        <source>Menu keys</source>
        <translation>Menütasten</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Missions open from the File menu, from &quot;Recent Files&quot;, from the command line (&lt;code&gt;vhedit [--ini PATH] [MISSION ...]&lt;/code&gt;) and when dropped onto the editor. A title ending in &quot;*&quot; has unsaved changes.</source>
        <translation>Missionen öffnen sich über das Menü Datei, über „Zuletzt geöffnet“, über die Befehlszeile (&lt;code&gt;vhedit [--ini PFAD] [MISSION ...]&lt;/code&gt;) und durch Ablegen auf dem Editor. Ein Titel, der auf „*“ endet, hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Mouse and Keys</source>
        <translation>Maus und Tasten</translation>
    </message>
    <message>
        <source>&amp;Edit Window</source>
        <translation>Bearbei&amp;tungsfenster</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>St&amp;atus Bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; no longer exists and was removed from the recent files</source>
        <translation>Die Datei „%1“ existiert nicht mehr und wurde aus der Liste der zuletzt geöffneten Dateien entfernt</translation>
    </message>
    <message>
        <source> Brush: %1 </source>
        <translation> Pinsel: %1 </translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Wer&amp;kzeuge</translation>
    </message>
    <message>
        <source>&amp;Paint</source>
        <translation>&amp;Malen</translation>
    </message>
    <message>
        <source>Paint the cells the brush is dragged over (B)</source>
        <translation>Die Felder malen, über die der Pinsel gezogen wird (B)</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>Paint a straight line from press to release (L)</source>
        <translation>Eine gerade Linie vom Drücken bis zum Loslassen malen (L)</translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Füllen</translation>
    </message>
    <message>
        <source>Paint the connected cells that look like the clicked one (F)</source>
        <translation>Die zusammenhängenden Felder malen, die wie das angeklickte aussehen (F)</translation>
    </message>
    <message>
        <source>&amp;Smaller Brush</source>
        <translation>&amp;Kleinerer Pinsel</translation>
    </message>
    <message>
        <source>Smaller brush ([)</source>
        <translation>Kleinerer Pinsel ([)</translation>
    </message>
    <message>
        <source>L&amp;arger Brush</source>
        <translation>&amp;Größerer Pinsel</translation>
    </message>
    <message>
        <source>Larger brush (])</source>
        <translation>Größerer Pinsel (])</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Cells the brush covers</source>
        <translation>Felder, die der Pinsel abdeckt</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Verkle&amp;inern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Originalgr&amp;öße</translation>
    </message>
    <message>
        <source>&amp;Fit Window</source>
        <translation>An Fenster an&amp;passen</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>&amp;Overview</source>
        <translation>&amp;Übersicht</translation>
    </message>
    <message>
        <source>.
The editor goes on without it.</source>
        <translation>.
Der Editor arbeitet ohne sie weiter.</translation>
    </message>
    <message>
        <source>Change Layers window</source>
        <translation>Fenster DF-Ebenen</translation>
    </message>
    <message>
        <source>A click shows the layer (&quot;Nr.&quot;); a double-click also shows the changes in game (&quot;DFxx&quot;).</source>
        <translation>Ein Klick zeigt die Ebene („Nr.“); ein Doppelklick zeigt auch die Änderungen im Spiel („DFxx“).</translation>
    </message>
    <message>
        <source>Random (R)</source>
        <translation>Zufall (R)</translation>
    </message>
    <message>
        <source>Paint, Line and Fill give each cell a random picture of the chosen picture&apos;s group.</source>
        <translation>Malen, Linie und Füllen geben jedem Feld ein zufälliges Bild aus der Gruppe des gewählten Bildes.</translation>
    </message>
    <message>
        <source>1 cargo record</source>
        <translation>1 Ladungseintrag</translation>
    </message>
    <message>
        <source>%1 cargo records</source>
        <translation>%1 Ladungseinträge</translation>
    </message>
    <message>
        <source>1 AI point</source>
        <translation>1 KI-Punkt</translation>
    </message>
    <message>
        <source>%1 AI points</source>
        <translation>%1 KI-Punkte</translation>
    </message>
    <message>
        <source>1 unit</source>
        <translation>1 Einheit</translation>
    </message>
    <message>
        <source>%1 units</source>
        <translation>%1 Einheiten</translation>
    </message>
    <message>
        <source>%1 (with %2)</source>
        <translation>%1 (mit %2)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>1 shop</source>
        <translation>1 Gebäude</translation>
    </message>
    <message>
        <source>%1 shops</source>
        <translation>%1 Gebäude</translation>
    </message>
    <message>
        <source>1 change-layer record</source>
        <translation>1 Eintrag einer DF-Ebene</translation>
    </message>
    <message>
        <source>%1 change-layer records</source>
        <translation>%1 Einträge von DF-Ebenen</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>&amp;Resize Map...</source>
        <translation>Karten&amp;größe ändern…</translation>
    </message>
    <message>
        <source>Rebuild &amp;Coasts</source>
        <translation>&amp;Küsten neu aufbauen</translation>
    </message>
    <message>
        <source>Give every water and coast cell of the map the coast picture of the land around it</source>
        <translation>Jedem Wasser- und Küstenfeld der Karte das Küstenbild des Landes ringsum geben</translation>
    </message>
    <message>
        <source>Rebuild Coasts: 1 cell changed.</source>
        <translation>Küsten neu aufbauen: 1 Feld geändert.</translation>
    </message>
    <message>
        <source>Rebuild Coasts: %1 cells changed.</source>
        <translation>Küsten neu aufbauen: %1 Felder geändert.</translation>
    </message>
    <message>
        <source>Resize Map</source>
        <translation>Kartengröße ändern</translation>
    </message>
    <message>
        <source>Resizing removes what lies outside the new map: %1.

Resize the map?</source>
        <translation>Die Größenänderung entfernt, was außerhalb der neuen Karte liegt: %1.

Die Kartengröße ändern?</translation>
    </message>
    <message>
        <source>C&amp;hange Layers</source>
        <translation>DF-Ebenen an&amp;zeigen</translation>
    </message>
    <message>
        <source>&amp;Match Group</source>
        <translation>Gleiche Gr&amp;uppe</translation>
    </message>
    <message>
        <source>Fill reaches every connected cell whose picture is in the clicked picture&apos;s palette group</source>
        <translation>Füllen erreicht jedes zusammenhängende Feld, dessen Bild in der Gruppe des angeklickten Bildes liegt</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufall</translation>
    </message>
    <message>
        <source>Paint, Line and Fill give each cell a random picture of the chosen picture&apos;s group (R)</source>
        <translation>Malen, Linie und Füllen geben jedem Feld ein zufälliges Bild aus der Gruppe des gewählten Bildes (R)</translation>
    </message>
    <message>
        <source>Automatic &amp;Coasts</source>
        <translation>&amp;Automatische Küsten</translation>
    </message>
    <message>
        <source>Water and coast cells around painted terrain get the coast pictures of the land beside them</source>
        <translation>Wasser- und Küstenfelder um gemaltes Gelände erhalten die Küstenbilder des Landes daneben</translation>
    </message>
    <message>
        <source>The cell under the mouse pointer</source>
        <translation>Das Feld unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keins</translation>
    </message>
    <message>
        <source>
Terrain: %1
Object: %2</source>
        <translation>
Gelände: %1
Objekt: %2</translation>
    </message>
</context>
<context>
    <name>vh::TMDIMiss</name>
    <message>
        <source>noname</source>
        <translation>unbenannt</translation>
    </message>
    <message>
        <source>The mission &quot;%1&quot; has unsaved changes.</source>
        <translation>Die Mission „%1“ hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Do you want to save them?</source>
        <translation>Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>%1 was not saved. %2 Nothing was written; change it in %3 and save again.</source>
        <translation>%1 wurde nicht gespeichert. %2 Es wurde nichts geschrieben; ändern Sie es in %3 und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>vh::TMDIPictures</name>
    <message>
        <source>Edit Window</source>
        <translation>Bearbeitungsfenster</translation>
    </message>
    <message>
        <source>Terrain</source>
        <translation>Gelände</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeug</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>Gebäude</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>Pictures of the group</source>
        <translation>Bilder der Gruppe</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>neutral</translation>
    </message>
    <message>
        <source>Unit type %1
Owner: %2</source>
        <translation>Einheitentyp %1
Besitzer: %2</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Shop Nr.:</source>
        <translation>Gebäude-Nr.:</translation>
    </message>
    <message>
        <source>N&amp;ame</source>
        <translation>N&amp;ame</translation>
    </message>
    <message>
        <source>&amp;Owner</source>
        <translation>&amp;Besitzer</translation>
    </message>
    <message>
        <source>&amp;Type</source>
        <translation>&amp;Typ</translation>
    </message>
    <message>
        <source>&amp;Energy</source>
        <translation>&amp;Energie</translation>
    </message>
    <message>
        <source>&amp;Material</source>
        <translation>&amp;Material</translation>
    </message>
    <message>
        <source>P&amp;riority</source>
        <translation>P&amp;riorität</translation>
    </message>
    <message>
        <source>&amp;Content</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Product.</source>
        <translation>&amp;Produktion</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Content</source>
        <translation>Ladung</translation>
    </message>
    <message>
        <source>AI Point</source>
        <translation>KI-Punkt</translation>
    </message>
    <message>
        <source>Groups
group %1, picture %2</source>
        <translation>Gruppen
Gruppe %1, Bild %2</translation>
    </message>
    <message>
        <source>Pictures of the group
%1</source>
        <translation>Bilder der Gruppe
%1</translation>
    </message>
</context>
<context>
    <name>vh::TMainStatusBar</name>
    <message>
        <source>Veh: </source>
        <translation>Fzg: </translation>
    </message>
    <message>
        <source>Ter: </source>
        <translation>Gel: </translation>
    </message>
    <message>
        <source>Obj: </source>
        <translation>Obj.: </translation>
    </message>
    <message>
        <source>The cell under the mouse pointer</source>
        <translation>Das Feld unter dem Mauszeiger</translation>
    </message>
    <message>
        <source>Cells selected (Shift + drag; Escape drops them)</source>
        <translation>Ausgewählte Felder (Umschalt + Ziehen; Esc hebt die Auswahl auf)</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoomstufe</translation>
    </message>
    <message>
        <source>Selected: 1 cell</source>
        <translation>Ausgewählt: 1 Feld</translation>
    </message>
    <message>
        <source>Selected: %1 cells</source>
        <translation>Ausgewählt: %1 Felder</translation>
    </message>
    <message>
        <source>Pointer %1:%2   %3   %4   %5</source>
        <translation>Zeiger %1:%2   %3   %4   %5</translation>
    </message>
</context>
<context>
    <name>vh::TNewMissionForm</name>
    <message>
        <source>New Mission</source>
        <translation>Neue Mission</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
</context>
<context>
    <name>vh::TProblemsDock</name>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 Fehler</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Cell</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Problems: %1, %2</source>
        <translation>Probleme: %1, %2</translation>
    </message>
    <message>
        <source>No problems found</source>
        <translation>Keine Probleme gefunden</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
</context>
<context>
    <name>vh::TResizePreview</name>
    <message>
        <source>The new map (grey) with the old map&apos;s outline (red)</source>
        <translation>Die neue Karte (grau) mit dem Umriss der alten (rot)</translation>
    </message>
</context>
<context>
    <name>vh::TSettingsForm</name>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Missionseinstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Std. Product.</source>
        <translation>Std.-Produktion</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Mission &amp;Name</source>
        <translation>Missions&amp;name</translation>
    </message>
    <message>
        <source>Allies</source>
        <translation>Verbündete</translation>
    </message>
    <message>
        <source>Comp</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Unknown bytes in MISS</source>
        <translation>Unbekannte Bytes in MISS</translation>
    </message>
    <message>
        <source>do not change</source>
        <translation>nicht ändern</translation>
    </message>
    <message>
        <source>take from file stdmiss.dat</source>
        <translation>aus der Datei stdmiss.dat übernehmen</translation>
    </message>
    <message>
        <source>set to 0 (zero)</source>
        <translation>auf 0 (null) setzen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Light rain</source>
        <translation>Leichter Regen</translation>
    </message>
    <message>
        <source>Heavy rain</source>
        <translation>Starker Regen</translation>
    </message>
    <message>
        <source>Light snow</source>
        <translation>Leichter Schnee</translation>
    </message>
    <message>
        <source>Heavy snow</source>
        <translation>Starker Schnee</translation>
    </message>
    <message>
        <source>Start&amp;weather</source>
        <translation>Start&amp;wetter</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Don&apos;t save this</source>
        <translation>Nicht speichern</translation>
    </message>
    <message>
        <source>Save this in the shop names file</source>
        <translation>In der Gebäudenamen-Datei speichern</translation>
    </message>
    <message>
        <source>VH2 Standard</source>
        <translation>VH2-Standard</translation>
    </message>
    <message>
        <source>Note: This names and colors aren&apos;t used in VH</source>
        <translation>Hinweis: Diese Namen und Farben verwendet VH nicht</translation>
    </message>
    <message>
        <source>Blue - Human Players</source>
        <translation>Blau – menschliche Spieler</translation>
    </message>
    <message>
        <source>Red - Computer Players</source>
        <translation>Rot – Computerspieler</translation>
    </message>
    <message>
        <source>Next Mission</source>
        <translation>Nächste Mission</translation>
    </message>
</context>
<context>
    <name>vh::TUtilityForm</name>
    <message>
        <source>Generate Map</source>
        <translation>Karte erzeugen</translation>
    </message>
    <message>
        <source>&amp;Roughness</source>
        <translation>&amp;Rauheit</translation>
    </message>
    <message>
        <source>&amp;Generate</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>from the clock</source>
        <translation>aus der Uhrzeit</translation>
    </message>
    <message>
        <source>The same seed makes the same landscape again; empty: from the clock</source>
        <translation>Derselbe Startwert erzeugt dieselbe Landschaft wieder; leer: aus der Uhrzeit</translation>
    </message>
    <message>
        <source>S&amp;eed</source>
        <translation>Start&amp;wert</translation>
    </message>
    <message>
        <source>Terrain Type</source>
        <translation>Geländetyp</translation>
    </message>
    <message>
        <source>L&amp;ightgreen</source>
        <translation>&amp;Hellgrün</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Te&amp;xtured</source>
        <translation>&amp;Strukturiert</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>&amp;Land</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>&amp;Shallow water</source>
        <translation>&amp;Flaches Wasser</translation>
    </message>
    <message>
        <source>&amp;Medium water</source>
        <translation>&amp;Mitteltiefes Wasser</translation>
    </message>
    <message>
        <source>Deep water</source>
        <translation>Tiefes Wasser</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>clock, last %1</source>
        <translation>Uhrzeit, zuletzt %1</translation>
    </message>
</context>
<context>
    <name>vh::TVhApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
</TS>
