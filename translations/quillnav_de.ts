<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdvisoryDialog</name>
    <message>
        <source>Show this message again in the future.</source>
        <translation>Diese Meldung künftig wieder anzeigen.</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Quillnav version 1.2
Copyright © 2026 Brookfen. All rights reserved.

Quillnav is provided &quot;as is&quot;, without warranty of any kind. The code it generates is yours to use on any page.</source>
        <translation>Quillnav Version 1.2
Copyright © 2026 Brookfen. Alle Rechte vorbehalten.

Quillnav wird „wie besehen“ bereitgestellt, ohne jegliche Gewährleistung. Der erzeugte Code gehört Ihnen und darf auf jeder Seite verwendet werden.</translation>
    </message>
</context>
<context>
    <name>AtomicFile</name>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no program is reading from it (a named pipe or a socket), and it was left as it is.</source>
        <translation>kein Programm liest daraus (eine benannte Pipe oder ein Socket); sie wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a file</source>
        <translation>es ist eine benannte Pipe (FIFO), keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a disk or other block device, not a file</source>
        <translation>es ist ein Datenträger oder anderes Blockgerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>, and it was left as it is.</source>
        <translation>, und es wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>its owner and group could not be kept (%1), so it was left as it is.</source>
        <translation>Eigentümer und Gruppe ließen sich nicht beibehalten (%1), darum blieb sie, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <source>Preview Menu in Browser</source>
        <translation>Menüvorschau im Browser</translation>
    </message>
    <message>
        <source>

The preview was not opened.</source>
        <translation>

Die Vorschau wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>The preview was not shown: %1

Open this page in your web browser to see the menu:

%2</source>
        <translation>Die Vorschau wurde nicht angezeigt: %1

Öffnen Sie diese Seite in Ihrem Webbrowser, um das Menü zu sehen:

%2</translation>
    </message>
</context>
<context>
    <name>ChooseListDialog</name>
    <message>
        <source>Import Menu</source>
        <translation>Menü importieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message numerus="yes">
        <source>The page &quot;%1&quot; has %Ln drop-down lists. Choose the one to import:</source>
        <translation>
            <numerusform>Die Seite „%1“ enthält %Ln Auswahlliste. Wählen Sie die zu importierende aus:</numerusform>
            <numerusform>Die Seite „%1“ enthält %Ln Auswahllisten. Wählen Sie die zu importierende aus:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <translation>
            <numerusform>%Ln Eintrag</numerusform>
            <numerusform>%Ln Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassicCode</name>
    <message>
        <source>Classic code: the &quot;&lt;&quot; in this text starts a tag.</source>
        <translation>Klassischer Code: Das „&lt;“ in diesem Text beginnt ein Tag.</translation>
    </message>
    <message>
        <source>Classic code: the &quot; in this link ends it early.</source>
        <translation>Klassischer Code: Das &quot; in diesem Link beendet ihn vorzeitig.</translation>
    </message>
    <message>
        <source>Classic code: A–Z (no accents), 0–9, _; letter first</source>
        <translation>Klassisch: A–Z ohne Akzente, 0–9, _; Buchstabe vorn</translation>
    </message>
    <message>
        <source>The menu will not work with this name in classic code: use only the letters A–Z without accents, the digits 0–9 and _, and start with a letter.</source>
        <translation>Mit diesem Namen funktioniert das Menü in klassischem Code nicht: Verwenden Sie nur die Buchstaben A–Z ohne Akzente, die Ziffern 0–9 und _, und beginnen Sie mit einem Buchstaben.</translation>
    </message>
</context>
<context>
    <name>CodeActions</name>
    <message>
        <source>Saved the menu code to %1.</source>
        <translation>Der Menücode wurde in %1 gespeichert.</translation>
    </message>
</context>
<context>
    <name>CodeDialect</name>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
</context>
<context>
    <name>ColorContrast</name>
    <message>
        <source>Low contrast (%1:1): the text may be hard to read. At least %2:1 is advised.</source>
        <translation>Geringer Kontrast (%1:1): Der Text ist womöglich schwer zu lesen. Empfohlen wird mindestens %2:1.</translation>
    </message>
</context>
<context>
    <name>ColorRow</name>
    <message>
        <source>Please enter a valid color value or click &quot;Select&quot; to choose a color.</source>
        <translation>Bitte geben Sie einen gültigen Farbwert ein oder klicken Sie auf „Auswählen“, um eine Farbe zu wählen.</translation>
    </message>
    <message>
        <source>Please enter a valid color value.</source>
        <translation>Bitte geben Sie einen gültigen Farbwert ein.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
</context>
<context>
    <name>ContextHelp</name>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2%3&quot;&gt;More in Help&lt;/a&gt;&lt;/p&gt;</source>
        <translation>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2%3&quot;&gt;Mehr in der Hilfe&lt;/a&gt;&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>it lists more than %1 entries</source>
        <translation>er hat mehr als %1 Einträge</translation>
    </message>
    <message>
        <source>its answer is not a WebDAV listing (%1)</source>
        <translation>seine Antwort ist keine WebDAV-Auflistung (%1)</translation>
    </message>
    <message>
        <source>The certificates of &quot;%1&quot; could not be read.</source>
        <translation>Die Zertifikate aus „%1“ konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 did not answer for %2 seconds while connecting.</source>
        <translation>%1 hat beim Verbinden %2 Sekunden lang nicht geantwortet.</translation>
    </message>
    <message>
        <source>Could not connect to %1 (within %2 seconds): %3</source>
        <translation>Keine Verbindung zu %1 (innerhalb von %2 Sekunden): %3</translation>
    </message>
    <message>
        <source>%1 offers no WebDAV at &quot;%2&quot; (it answered %3 %4).</source>
        <translation>%1 bietet unter „%2“ kein WebDAV an (Antwort: %3 %4).</translation>
    </message>
    <message>
        <source>opening the folder</source>
        <translation>Öffnen des Ordners</translation>
    </message>
    <message>
        <source>%1 asks for a password, which is never sent over plain http:// (anyone on the way could read it): give an https:// address.</source>
        <translation>%1 verlangt ein Passwort, das nie über unverschlüsseltes http:// gesendet wird (jeder auf dem Weg könnte es lesen): Geben Sie eine https://-Adresse an.</translation>
    </message>
    <message>
        <source>%1 asks for a login: give the user in the address (https://user@%1/...).</source>
        <translation>%1 verlangt eine Anmeldung: Geben Sie den Benutzer in der Adresse an (https://benutzer@%1/...).</translation>
    </message>
    <message>
        <source>%1 did not accept the password of &quot;%2&quot;.</source>
        <translation>%1 hat das Passwort von „%2“ nicht angenommen.</translation>
    </message>
    <message>
        <source>%1 asks for the password of &quot;%2&quot;, and none was given.</source>
        <translation>%1 verlangt das Passwort von „%2“, und keines wurde angegeben.</translation>
    </message>
    <message>
        <source>not connected</source>
        <translation>nicht verbunden</translation>
    </message>
    <message>
        <source>The certificate of %1 is not trusted, so the connection is refused: %2.</source>
        <translation>Dem Zertifikat von %1 wird nicht vertraut, daher wird die Verbindung abgelehnt: %2.</translation>
    </message>
    <message>
        <source>%1 did not accept the login of &quot;%2&quot;.</source>
        <translation>%1 hat die Anmeldung von „%2“ nicht angenommen.</translation>
    </message>
    <message>
        <source>the server did not answer for %1 seconds</source>
        <translation>der Server hat %1 Sekunden lang nicht geantwortet</translation>
    </message>
    <message>
        <source>its answer is larger than %1 bytes</source>
        <translation>seine Antwort ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>the connection was lost (%1)</source>
        <translation>die Verbindung ist abgebrochen (%1)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>sein Ordner existiert nicht</translation>
    </message>
    <message>
        <source>a file of that name exists</source>
        <translation>eine Datei dieses Namens existiert</translation>
    </message>
    <message>
        <source>it is locked</source>
        <translation>es ist gesperrt</translation>
    </message>
    <message>
        <source>the server&apos;s disk is full</source>
        <translation>der Datenträger des Servers ist voll</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server hat mit %1 %2 geantwortet</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; failed: %4.</source>
        <translation>%1: %2 „%3“ ist fehlgeschlagen: %4.</translation>
    </message>
    <message>
        <source>listing the folder</source>
        <translation>Auflisten des Ordners</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>looking at</source>
        <translation>Prüfen von</translation>
    </message>
    <message>
        <source>the server&apos;s answer does not describe it</source>
        <translation>die Antwort des Servers beschreibt es nicht</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is larger than %3 bytes; it is not read.</source>
        <translation>%1: „%2“ ist größer als %3 Bytes; die Datei wird nicht gelesen.</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>Lesen von</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>Schreiben von</translation>
    </message>
    <message>
        <source>renaming to &quot;%1&quot;</source>
        <translation>Umbenennen in „%1“ von</translation>
    </message>
    <message>
        <source>removing</source>
        <translation>Entfernen von</translation>
    </message>
    <message>
        <source>making the folder</source>
        <translation>Anlegen des Ordners</translation>
    </message>
</context>
<context>
    <name>FontOptionsGroup</name>
    <message>
        <source>Font Options:</source>
        <translation>Schriftoptionen:</translation>
    </message>
    <message>
        <source>&amp;Italics</source>
        <translation>Kursi&amp;v</translation>
    </message>
    <message>
        <source>&amp;Underlined</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>Font &amp;Size:</source>
        <translation>Schrift&amp;größe:</translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation>Dünner</translation>
    </message>
    <message>
        <source>Bolder</source>
        <translation>Fetter</translation>
    </message>
    <message>
        <source>Font &amp;Weight:</source>
        <translation>Schriftstär&amp;ke:</translation>
    </message>
    <message>
        <source>%1 (not installed on this computer)</source>
        <translation>%1 (auf diesem Rechner nicht installiert)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Load Saved Menu Project</source>
        <translation>Gespeichertes Menüprojekt laden</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The menu project file %1 was removed or renamed by another program; Save writes it again.</source>
        <translation>Die Menüprojektdatei %1 wurde von einem anderen Programm gelöscht oder umbenannt; Speichern schreibt sie erneut.</translation>
    </message>
    <message>
        <source>The menu project file %1 was changed by another program; Save will ask before overwriting it.</source>
        <translation>Die Menüprojektdatei %1 wurde von einem anderen Programm geändert; Speichern fragt nach, bevor es sie überschreibt.</translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; was changed by another program.</source>
        <translation>Das Menüprojekt „%1“ wurde von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <source>Do you want to load it again?</source>
        <translation>Möchten Sie es erneut laden?</translation>
    </message>
    <message>
        <source>&amp;Load Again</source>
        <translation>&amp;Erneut laden</translation>
    </message>
    <message>
        <source>&amp;Keep This Version</source>
        <translation>Diese Version &amp;behalten</translation>
    </message>
    <message>
        <source>Loaded the menu project %1 again.</source>
        <translation>Das Menüprojekt %1 wurde erneut geladen.</translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; was changed by another program since it was loaded or saved here.</source>
        <translation>Das Menüprojekt „%1“ wurde von einem anderen Programm geändert, seit es hier geladen oder gespeichert wurde.</translation>
    </message>
    <message>
        <source>Overwrite it with the project shown here? Choose Save As to keep both, the other version in its file and this one under another name.</source>
        <translation>Mit dem hier angezeigten Projekt überschreiben? Wählen Sie „Speichern unter“, um beide zu behalten: die andere Version in ihrer Datei und diese unter einem anderen Namen.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>another Quillnav window</source>
        <translation>einem anderen Quillnav-Fenster</translation>
    </message>
    <message>
        <source>another copy of Quillnav (process %1)</source>
        <translation>einer anderen Instanz von Quillnav (Prozess %1)</translation>
    </message>
    <message>
        <source>another copy of Quillnav</source>
        <translation>einer anderen Instanz von Quillnav</translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; is already open in %2.</source>
        <translation>Das Menüprojekt „%1“ ist bereits in %2 geöffnet.</translation>
    </message>
    <message>
        <source>Open it here anyway? Each window warns before it saves over changes that the other has saved.</source>
        <translation>Trotzdem hier öffnen? Jedes Fenster warnt, bevor es Änderungen überschreibt, die das andere gespeichert hat.</translation>
    </message>
    <message>
        <source>&amp;Open Anyway</source>
        <translation>&amp;Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Menu Name</source>
        <translation>Menüname</translation>
    </message>
    <message>
        <source>Link Target</source>
        <translation>Linkziel</translation>
    </message>
    <message>
        <source>Frame Name</source>
        <translation>Framename</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Button Kind</source>
        <translation>Schaltflächenart</translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation>Schaltflächentext</translation>
    </message>
    <message>
        <source>Graphic URL</source>
        <translation>Grafik-URL</translation>
    </message>
    <message>
        <source>Alt Text</source>
        <translation>Alt-Text</translation>
    </message>
    <message>
        <source>Graphic Width</source>
        <translation>Grafikbreite</translation>
    </message>
    <message>
        <source>Graphic Height</source>
        <translation>Grafikhöhe</translation>
    </message>
    <message>
        <source>Button Alignment</source>
        <translation>Schaltflächenausrichtung</translation>
    </message>
    <message>
        <source>Menu Options</source>
        <translation>Menüoptionen</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; has changes that were not saved.</source>
        <translation>Das Menüprojekt „%1“ enthält ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation>Möchten Sie Ihre Änderungen speichern?</translation>
    </message>
    <message>
        <source>Saved the menu project to %1.</source>
        <translation>Das Menüprojekt wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Loaded the menu project %1.</source>
        <translation>Das Menüprojekt %1 wurde geladen.</translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; no longer exists. It has been removed from the list of recent files.</source>
        <translation>Das Menüprojekt „%1“ existiert nicht mehr. Es wurde aus der Liste der zuletzt geöffneten Dateien entfernt.</translation>
    </message>
    <message>
        <source>&amp;Item Text:</source>
        <translation>&amp;Eintrag:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzuf&amp;ügen</translation>
    </message>
    <message>
        <source>&amp;Link URL:</source>
        <translation>&amp;Link-URL:</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>In&amp;dented</source>
        <translation>Ein&amp;zug</translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation>&amp;Gewählt</translation>
    </message>
    <message>
        <source>Not lin&amp;ked</source>
        <translation>&amp;Ohne Link</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation>Eintrag hinzufügen</translation>
    </message>
    <message>
        <source>Insert Item</source>
        <translation>Eintrag einfügen</translation>
    </message>
    <message>
        <source>Add Separator</source>
        <translation>Trennlinie hinzufügen</translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation>Eintrag aktualisieren</translation>
    </message>
    <message>
        <source>You have already designated &quot;%1&quot; as the selected item in the menu. Do you wish to change it to this one?</source>
        <translation>Sie haben bereits „%1“ als gewählten Eintrag des Menüs festgelegt. Möchten Sie stattdessen diesen Eintrag wählen?</translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation>Gewählter Eintrag</translation>
    </message>
    <message>
        <source>Item Properties:</source>
        <translation>Eintragseigenschaften:</translation>
    </message>
    <message>
        <source>List:</source>
        <translation>Liste:</translation>
    </message>
    <message>
        <source>Quillnav 1.2 by Brookfen</source>
        <translation>Quillnav 1.2 von Brookfen</translation>
    </message>
    <message>
        <source>Move selected item up one position.</source>
        <translation>Markierten Eintrag um eine Position nach oben verschieben.</translation>
    </message>
    <message>
        <source>Move selected item down one position.</source>
        <translation>Markierten Eintrag um eine Position nach unten verschieben.</translation>
    </message>
    <message>
        <source>Make selected item indented.</source>
        <translation>Markierten Eintrag einrücken.</translation>
    </message>
    <message>
        <source>Make selected item not indented.</source>
        <translation>Einrückung des markierten Eintrags aufheben.</translation>
    </message>
    <message>
        <source>Make item default selection in menu.</source>
        <translation>Eintrag zum gewählten Eintrag des Menüs machen.</translation>
    </message>
    <message>
        <source>Edit text and link url of selected item.</source>
        <translation>Text und Link-URL des markierten Eintrags bearbeiten.</translation>
    </message>
    <message>
        <source>Delete selected item.</source>
        <translation>Markierten Eintrag löschen.</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation>Ein&amp;rücken</translation>
    </message>
    <message>
        <source>U&amp;n-indent</source>
        <translation>Einrückung &amp;aufheben</translation>
    </message>
    <message>
        <source>&amp;Make Default Selection</source>
        <translation>Als &amp;gewählt festlegen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation>Eintrag verschieben</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>Einrücken</translation>
    </message>
    <message>
        <source>Un-indent</source>
        <translation>Einrückung aufheben</translation>
    </message>
    <message>
        <source>Make Default Selection</source>
        <translation>Als gewählt festlegen</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Eintrag entfernen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Menu Project</source>
        <translation>&amp;Neues Menüprojekt</translation>
    </message>
    <message>
        <source>&amp;Load Saved Menu Project</source>
        <translation>Gespeichertes Menüprojekt &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Save Menu Project</source>
        <translation>Menüprojekt &amp;speichern</translation>
    </message>
    <message>
        <source>Save Menu Project &amp;As...</source>
        <translation>Menüprojekt speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Import Menu from Web Page...</source>
        <translation>Menü aus Webseite &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Copy Code to Clipboard</source>
        <translation>Code in die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <source>Save Code to &amp;File</source>
        <translation>Code in &amp;Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Preview Menu in Browser</source>
        <translation>Menüvorschau im &amp;Browser</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation>&amp;Einführung</translation>
    </message>
    <message>
        <source>&amp;Context Help</source>
        <translation>&amp;Kontexthilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Quillnav</translation>
    </message>
    <message>
        <source>&amp;Insert Below Current</source>
        <translation>Unter dem aktuellen Eintrag &amp;einfügen</translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation>Ein&amp;stellungen...</translation>
    </message>
    <message>
        <source>Create new menu project</source>
        <translation>Neues Menüprojekt anlegen</translation>
    </message>
    <message>
        <source>Load saved menu project</source>
        <translation>Gespeichertes Menüprojekt laden</translation>
    </message>
    <message>
        <source>Save current menu project</source>
        <translation>Aktuelles Menüprojekt speichern</translation>
    </message>
    <message>
        <source>Generate menu code and copy to clipboard</source>
        <translation>Menücode erzeugen und in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Generate menu code and save to a file</source>
        <translation>Menücode erzeugen und in einer Datei speichern</translation>
    </message>
    <message>
        <source>Preview menu in browser</source>
        <translation>Menüvorschau im Browser</translation>
    </message>
    <message>
        <source>Open help file</source>
        <translation>Hilfe öffnen</translation>
    </message>
    <message>
        <source>Show context help</source>
        <translation>Kontexthilfe anzeigen</translation>
    </message>
    <message>
        <source>About Quillnav</source>
        <translation>Über Quillnav</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Code:</translation>
    </message>
    <message>
        <source>Classic: the menu code as Quillnav has always written it.
HTML5: valid, escaped code for today&apos;s browsers that also works under a Content Security Policy.</source>
        <translation>Klassisch: der Menücode, wie Quillnav ihn schon immer geschrieben hat.
HTML5: gültiger, maskierter Code für heutige Browser, der auch unter einer Content Security Policy funktioniert.</translation>
    </message>
    <message>
        <source>Change Menu Style</source>
        <translation>Menüstil ändern</translation>
    </message>
    <message>
        <source>Change Button Style</source>
        <translation>Schaltflächenstil ändern</translation>
    </message>
    <message>
        <source>Choose Site Folder</source>
        <translation>Website-Ordner wählen</translation>
    </message>
    <message>
        <source>Publish to &amp;Pages...</source>
        <translation>In Seiten &amp;veröffentlichen...</translation>
    </message>
    <message>
        <source>&amp;Remove from Pages...</source>
        <translation>Aus Seiten &amp;entfernen...</translation>
    </message>
    <message>
        <source>New Menu from Si&amp;te...</source>
        <translation>Neues Menü aus &amp;Website...</translation>
    </message>
    <message>
        <source>New Menu from Site&amp;map...</source>
        <translation>Neues Menü aus Site&amp;map...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Extra&amp;s</translation>
    </message>
    <message>
        <source>Check &amp;Links</source>
        <translation>&amp;Links prüfen</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Sicherung wieder&amp;herstellen...</translation>
    </message>
    <message>
        <source>&amp;Language of the Page...</source>
        <translation>S&amp;prache der Seite...</translation>
    </message>
    <message>
        <source>&amp;Upload to Server...</source>
        <translation>&amp;Auf den Server hochladen...</translation>
    </message>
    <message>
        <source>&amp;Get from Server...</source>
        <translation>Vom Se&amp;rver holen...</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Loading. Please wait...</source>
        <translation>Wird geladen. Bitte warten...</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Generated Menu Code</source>
        <translation>Erzeugter Menücode</translation>
    </message>
    <message>
        <source>Javascript Function Code</source>
        <translation>JavaScript-Funktionscode</translation>
    </message>
    <message>
        <source>Copy and paste this code into the head section of your page (anywhere between the &lt;HEAD&gt; and &lt;/HEAD&gt; tags).</source>
        <translation>Kopieren Sie diesen Code in den Kopfbereich Ihrer Seite (an beliebiger Stelle zwischen den Tags &lt;HEAD&gt; und &lt;/HEAD&gt;).</translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation>HTML-Code</translation>
    </message>
    <message>
        <source>Copy and paste this code into the body section of your page (anywhere between the &lt;BODY&gt; and &lt;/BODY&gt; tags) wherever you want the menu to appear.</source>
        <translation>Kopieren Sie diesen Code in den Inhaltsbereich Ihrer Seite (zwischen den Tags &lt;BODY&gt; und &lt;/BODY&gt;) an die Stelle, an der das Menü erscheinen soll.</translation>
    </message>
    <message>
        <source>&amp;Save to File</source>
        <translation>In Datei &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>The script for the head section is on the clipboard.</source>
        <translation>Das Skript für den Kopfbereich ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The HTML code for the body section is on the clipboard.</source>
        <translation>Der HTML-Code für den Inhaltsbereich ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>Saved the menu code to %1.</source>
        <translation>Der Menücode wurde in %1 gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Copy to Clipboard</source>
        <translation>In die &amp;Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy to Clip&amp;board</source>
        <translation>In die Zwischenablage &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Important Message</source>
        <translation>Wichtiger Hinweis</translation>
    </message>
    <message>
        <source>Changing this value has no effect when &quot;Use Default User System Button Colors&quot; is checked. A border is only displayed if you are using non-default colors.</source>
        <translation>Diese Einstellung wirkt nicht, solange „Standard-Systemfarben für Schaltflächen verwenden“ angekreuzt ist. Ein Rahmen wird nur bei eigenen Farben angezeigt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>This will restore all values in this dialog to the program default settings. All current settings will be lost. Do you wish to continue?</source>
        <translation>Damit werden alle Werte in diesem Dialog auf die Standardeinstellungen des Programms zurückgesetzt. Alle aktuellen Einstellungen gehen verloren. Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>FrmAbt</name>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Find more great software titles from Brookfen at:</source>
        <translation>Weitere großartige Programme von Brookfen unter:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FrmAdvBttnOp</name>
    <message>
        <source>&amp;Text:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation>Fläch&amp;e:</translation>
    </message>
    <message>
        <source>To&amp;p Border:</source>
        <translation>R&amp;ahmen oben:</translation>
    </message>
    <message>
        <source>L&amp;eft Border:</source>
        <translation>Rah&amp;men links:</translation>
    </message>
    <message>
        <source>Ri&amp;ght Border:</source>
        <translation>Rahmen re&amp;chts:</translation>
    </message>
    <message>
        <source>Botto&amp;m Border:</source>
        <translation>Rahmen un&amp;ten:</translation>
    </message>
    <message>
        <source>Advanced Button Options</source>
        <translation>Erweiterte Schaltflächenoptionen</translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation>Abmessungen:</translation>
    </message>
    <message>
        <source>&amp;Constrain Button Dimensions Proportionally to Font Size</source>
        <translation>Schaltflächengröße &amp;proportional zur Schriftgröße anpassen</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Button Wi&amp;dth:</source>
        <translation>Schaltflächen&amp;breite:</translation>
    </message>
    <message>
        <source>Button &amp;Height:</source>
        <translation>Schaltflächen&amp;höhe:</translation>
    </message>
    <message>
        <source>Border Thic&amp;kness:</source>
        <translation>&amp;Rahmenstärke:</translation>
    </message>
    <message>
        <source>Color Options:</source>
        <translation>Farboptionen:</translation>
    </message>
    <message>
        <source>&amp;No Border</source>
        <translation>&amp;Ohne Rahmen</translation>
    </message>
    <message>
        <source>Use Default System Button C&amp;olors</source>
        <translation>Standard-System&amp;farben für Schaltflächen verwenden</translation>
    </message>
    <message>
        <source>Sync Top and &amp;Left Border Colors</source>
        <translation>Farben des oberen und &amp;linken Rahmens angleichen</translation>
    </message>
    <message>
        <source>Sync Right and &amp;Bottom Border Colors</source>
        <translation>Farben des rechten und u&amp;nteren Rahmens angleichen</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quillnav Help</source>
        <translation>Quillnav-Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 was not found. Quillnav looked for it in:

%2

Reinstall Quillnav to get its help back.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden. Quillnav hat hier gesucht:

%2

Installieren Sie Quillnav erneut, um die Hilfe wiederherzustellen.</translation>
    </message>
    <message>
        <source>The help file %1 could not be opened: %2</source>
        <translation>Die Hilfedatei %1 konnte nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quillnav Help</source>
        <translation>Quillnav-Hilfe</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 is not a readable help file.</source>
        <translation>%1 ist keine lesbare Hilfedatei.</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Look for</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suche</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The help pages are in English.</source>
        <translation>Die Hilfeseiten sind auf Englisch.</translation>
    </message>
</context>
<context>
    <name>IgnoredStyles</name>
    <message>
        <source>This menu&apos;s styles (fonts, colors, sizes) will not show: classic code writes them in a form that today&apos;s browsers ignore. HTML5 code writes them so that browsers show them.</source>
        <translation>Die Stile dieses Menüs (Schriften, Farben, Größen) werden nicht angezeigt: Klassischer Code schreibt sie in einer Form, die heutige Browser ignorieren. HTML5-Code schreibt sie so, dass Browser sie anzeigen.</translation>
    </message>
</context>
<context>
    <name>IgnoredStylesBar</name>
    <message>
        <source>Use HTML5 code</source>
        <translation>HTML5-Code verwenden</translation>
    </message>
    <message>
        <source>Don&apos;t Show Again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>IgnoredStylesMessage</name>
    <message>
        <source>Styles That Browsers Ignore</source>
        <translation>Stile, die Browser ignorieren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Use HTML5 code</source>
        <translation>HTML5-Code verwenden</translation>
    </message>
</context>
<context>
    <name>LinkCheck</name>
    <message>
        <source>the mailto: link names no address</source>
        <translation>der mailto:-Link nennt keine Adresse</translation>
    </message>
    <message>
        <source>%1 is not a valid e-mail address</source>
        <translation>%1 ist keine gültige E-Mail-Adresse</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 does not exist with this case (the file is %2)</source>
        <translation>%1 existiert nicht in dieser Schreibweise (die Datei heißt %2)</translation>
    </message>
    <message>
        <source>the link is empty</source>
        <translation>der Link ist leer</translation>
    </message>
    <message>
        <source>a fragment of the page that shows the menu is not checked</source>
        <translation>ein Sprungziel in der Seite, die das Menü zeigt, wird nicht geprüft</translation>
    </message>
    <message>
        <source>%1 is not checked (no network access)</source>
        <translation>%1 wird nicht geprüft (kein Netzzugriff)</translation>
    </message>
    <message>
        <source>%1: links are not checked</source>
        <translation>%1:-Links werden nicht geprüft</translation>
    </message>
    <message>
        <source>%1 leads out of the site folder</source>
        <translation>%1 führt aus dem Website-Ordner hinaus</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 has no element with the id or name %2</source>
        <translation>%1 hat kein Element mit der id oder dem name %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>ImportActions</name>
    <message>
        <source>Import Menu from Web Page</source>
        <translation>Menü aus Webseite importieren</translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation>Webseiten (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 wird gelesen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation>Menü importieren</translation>
    </message>
    <message>
        <source>The menu was imported with these changes:</source>
        <translation>Das Menü wurde mit diesen Änderungen importiert:</translation>
    </message>
    <message numerus="yes">
        <source>Imported %Ln item(s) from %1.</source>
        <translation>
            <numerusform>%Ln Eintrag aus %1 importiert.</numerusform>
            <numerusform>%Ln Einträge aus %1 importiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LinkCheckActions</name>
    <message>
        <source>Check Links</source>
        <translation>Links prüfen</translation>
    </message>
    <message>
        <source>Choose the Site&apos;s Folder</source>
        <translation>Ordner der Website wählen</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; does not exist or is not a folder.</source>
        <translation>Der Website-Ordner „%1“ existiert nicht oder ist kein Ordner.</translation>
    </message>
    <message>
        <source>Checking the links...</source>
        <translation>Die Links werden geprüft...</translation>
    </message>
    <message>
        <source>Links checked: %1; failed: %2; not checked: %3.</source>
        <translation>Geprüfte Links: %1; fehlerhaft: %2; nicht geprüft: %3.</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>The sandbox was turned off by the environment.</source>
        <translation>Die Sandbox wurde durch die Umgebung abgeschaltet.</translation>
    </message>
    <message>
        <source>Quillnav runs as root, where the browser engine&apos;s sandbox refuses to start.</source>
        <translation>Quillnav läuft als root; dort startet die Sandbox der Browser-Engine nicht.</translation>
    </message>
    <message>
        <source>This system does not let programs make the user namespaces the browser engine&apos;s sandbox needs.</source>
        <translation>Dieses System erlaubt Programmen nicht, die Benutzer-Namensräume anzulegen, die die Sandbox der Browser-Engine braucht.</translation>
    </message>
    <message>
        <source>The live preview was not prepared when Quillnav started, so it cannot show the menu in this session.</source>
        <translation>Die Live-Vorschau wurde beim Start von Quillnav nicht vorbereitet und kann das Menü in dieser Sitzung nicht anzeigen.</translation>
    </message>
    <message>
        <source>The live preview needs the browser engine&apos;s helper program &quot;%1&quot;, which is not installed (Debian package libqt6webenginecore6-bin).</source>
        <translation>Die Live-Vorschau braucht das Hilfsprogramm „%1“ der Browser-Engine, das nicht installiert ist (Debian-Paket libqt6webenginecore6-bin).</translation>
    </message>
    <message>
        <source>The live preview cannot find the browser engine&apos;s resources (qtwebengine_resources.pak); Qt WebEngine is not fully installed.</source>
        <translation>Die Live-Vorschau findet die Ressourcen der Browser-Engine nicht (qtwebengine_resources.pak); Qt WebEngine ist nicht vollständig installiert.</translation>
    </message>
    <message>
        <source>Pick an entry in the menu to see where it leads.</source>
        <translation>Wählen Sie einen Eintrag im Menü, um zu sehen, wohin er führt.</translation>
    </message>
    <message>
        <source>in a new window</source>
        <translation>in einem neuen Fenster</translation>
    </message>
    <message>
        <source>in the frame &quot;%1&quot;</source>
        <translation>im Frame „%1“</translation>
    </message>
    <message>
        <source>in the same window</source>
        <translation>im selben Fenster</translation>
    </message>
    <message>
        <source>Would open %1 %2</source>
        <translation>Würde %1 %2 öffnen</translation>
    </message>
    <message>
        <source>A separator: it goes nowhere.</source>
        <translation>Eine Trennlinie: Sie führt nirgendwohin.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not linked: it goes nowhere.</source>
        <translation>„%1“ hat keinen Link: Der Eintrag führt nirgendwohin.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no address a browser opens: it goes nowhere.</source>
        <translation>„%1“ hat keine Adresse, die ein Browser öffnet: Der Eintrag führt nirgendwohin.</translation>
    </message>
</context>
<context>
    <name>LivePreviewPage</name>
    <message>
        <source>in a new window</source>
        <translation>in einem neuen Fenster</translation>
    </message>
    <message>
        <source>in the same window</source>
        <translation>im selben Fenster</translation>
    </message>
    <message>
        <source>in the frame &quot;%1&quot;</source>
        <translation>im Frame „%1“</translation>
    </message>
</context>
<context>
    <name>LivePreviewPane</name>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation>&amp;Live-Vorschau</translation>
    </message>
    <message>
        <source>Show the menu as the browser preview shows it, updated as you work</source>
        <translation>Zeigt das Menü wie die Browser-Vorschau, laufend aktualisiert</translation>
    </message>
    <message>
        <source> The preview reaches no network and no files.</source>
        <translation> Die Vorschau erreicht weder das Netzwerk noch Dateien.</translation>
    </message>
    <message>
        <source>Would open %1 %2</source>
        <translation>Würde %1 %2 öffnen</translation>
    </message>
    <message>
        <source>The page says: %1</source>
        <translation>Die Seite meldet: %1</translation>
    </message>
    <message>
        <source>The preview&apos;s page stopped unexpectedly; the next change shows the menu again.</source>
        <translation>Die Seite der Vorschau wurde unerwartet beendet; die nächste Änderung zeigt das Menü wieder an.</translation>
    </message>
    <message>
        <source>

Everything else works as before; &quot;Preview Menu in Browser&quot; shows the menu in your web browser.</source>
        <translation>

Alles andere funktioniert wie bisher; „Menüvorschau im Browser“ zeigt das Menü in Ihrem Webbrowser.</translation>
    </message>
</context>
<context>
    <name>MenuDocument</name>
    <message>
        <source>Change Code</source>
        <translation>Code ändern</translation>
    </message>
    <message>
        <source>Change Site Folder</source>
        <translation>Website-Ordner ändern</translation>
    </message>
    <message>
        <source>Change Current Page Selection</source>
        <translation>Auswahl der aktuellen Seite ändern</translation>
    </message>
    <message>
        <source>New Menu Project</source>
        <translation>Neues Menüprojekt</translation>
    </message>
    <message>
        <source>Load Menu Project</source>
        <translation>Menüprojekt laden</translation>
    </message>
    <message>
        <source>Change Language of the Page</source>
        <translation>Sprache der Seite ändern</translation>
    </message>
    <message>
        <source>Change Server</source>
        <translation>Server ändern</translation>
    </message>
</context>
<context>
    <name>MenuItemModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Item Text</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Linked?</source>
        <translation>Verlinkt?</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>Link-URL</translation>
    </message>
    <message>
        <source>Selected?</source>
        <translation>Gewählt?</translation>
    </message>
</context>
<context>
    <name>MenuOptions</name>
    <message>
        <source>Same window</source>
        <translation>Selbes Fenster</translation>
    </message>
    <message>
        <source>New window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Different frame</source>
        <translation>Anderer Frame</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
</context>
<context>
    <name>MenuOptionsPanel</name>
    <message>
        <source>Menu Options:</source>
        <translation>Menüoptionen:</translation>
    </message>
    <message>
        <source>Name of &amp;Menu:</source>
        <translation>Menü&amp;name:</translation>
    </message>
    <message>
        <source>(Must be unique for each menu on page.)</source>
        <translation>(Muss für jedes Menü der Seite eindeutig sein.)</translation>
    </message>
    <message>
        <source>Target of Li&amp;nks:</source>
        <translation>Lin&amp;kziel:</translation>
    </message>
    <message>
        <source>Frame Name:</source>
        <translation>Fra&amp;me:</translation>
    </message>
    <message>
        <source>Navigate on &amp;Button Click</source>
        <translation>&amp;Per Schaltfläche</translation>
    </message>
    <message>
        <source>Navigate on Item Change</source>
        <translation>Bei Eintragswechsel</translation>
    </message>
    <message>
        <source>Align t&amp;o Button:</source>
        <translation>Ausr&amp;ichtung:</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <comment>menu style</comment>
        <translation>Er&amp;weiterte Optionen</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <comment>button style</comment>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Submit Button Options:</source>
        <translation>Optionen der Absenden-Schaltfläche:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>G&amp;raphic</source>
        <translation>Gra&amp;fik</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>&amp;URL of Button Graphic:</source>
        <translation>&amp;URL der Grafik:</translation>
    </message>
    <message>
        <source>&amp;Alt Text:</source>
        <translation>Alt-Te&amp;xt:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>B&amp;reite:</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>H&amp;öhe:</translation>
    </message>
    <message>
        <source>Free Button Graphics from Brookfen</source>
        <translation>Kostenlose Schaltfl&amp;ächengrafiken von Brookfen</translation>
    </message>
    <message>
        <source>Site Folder</source>
        <translation>Website-Ordner</translation>
    </message>
    <message>
        <source>&amp;Choose Site Folder...</source>
        <translation>Website-Ordner &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;No Site Folder</source>
        <translation>&amp;Kein Website-Ordner</translation>
    </message>
    <message>
        <source>Site folder: none. Choose the folder of the site this menu serves, to publish the menu into its pages and check its links.</source>
        <translation>Website-Ordner: keiner. Wählen Sie den Ordner der Website, der dieses Menü dient, um das Menü in ihre Seiten einzufügen und seine Links zu prüfen.</translation>
    </message>
    <message>
        <source>Site folder: %1</source>
        <translation>Website-Ordner: %1</translation>
    </message>
    <message>
        <source>&amp;Server...</source>
        <translation>&amp;Server...</translation>
    </message>
</context>
<context>
    <name>MenuRegionMark</name>
    <message>
        <source>The menu name &quot;%1&quot; cannot stand in a page&apos;s comment: it holds &quot;--&quot;, &quot;&lt;&quot; or &quot;&gt;&quot;.</source>
        <translation>Der Menüname „%1“ kann nicht in einem Kommentar der Seite stehen: Er enthält „--“, „&lt;“ oder „&gt;“.</translation>
    </message>
</context>
<context>
    <name>OpenWithShell</name>
    <message>
        <source>No program was found to open it.</source>
        <translation>Es wurde kein Programm zum Öffnen gefunden.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; was not found.</source>
        <translation>Das Programm „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; could not be started: %2</source>
        <translation>Das Programm „%1“ konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; stopped unexpectedly.</source>
        <translation>Das Programm „%1“ wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The program &quot;%1&quot; ended with an error (exit code %2).</source>
        <translation>Das Programm „%1“ endete mit einem Fehler (Exit-Code %2).</translation>
    </message>
</context>
<context>
    <name>OptionsValidation</name>
    <message>
        <source>You have chosen to use a different frame as the target of your links but you have not specified the name of the frame. You must enter a frame name or choose another target for the links.</source>
        <translation>Sie haben einen anderen Frame als Ziel Ihrer Links gewählt, aber keinen Framenamen angegeben. Geben Sie einen Framenamen ein oder wählen Sie ein anderes Ziel für die Links.</translation>
    </message>
    <message>
        <source>You have chosen to use a graphical submit button style but have not specified a URL for the graphic. Please specify a URL for the button graphic in the space provided.</source>
        <translation>Sie haben eine grafische Absenden-Schaltfläche gewählt, aber keine URL für die Grafik angegeben. Bitte geben Sie im vorgesehenen Feld eine URL für die Schaltflächengrafik an.</translation>
    </message>
    <message>
        <source>You must specify a name for the menu to be used in the code. This uniquely identifies this menu in case more than one menu is to be placed on the same page.</source>
        <translation>Sie müssen einen Namen für das Menü angeben, der im Code verwendet wird. Er kennzeichnet dieses Menü eindeutig, falls mehrere Menüs auf derselben Seite stehen.</translation>
    </message>
    <message>
        <source>You have chosen to use a graphic style button for your menu but have not entered a url for the graphic. You must enter a url or choose the default style button.</source>
        <translation>Sie haben für Ihr Menü eine grafische Schaltfläche gewählt, aber keine URL für die Grafik eingegeben. Geben Sie eine URL ein oder wählen Sie die normale Schaltfläche.</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>Hoppla!</translation>
    </message>
</context>
<context>
    <name>PageEdit</name>
    <message>
        <source>Its &lt;/head&gt; could not be found in its bytes.</source>
        <translation>Ihr &lt;/head&gt; wurde in ihren Bytes nicht gefunden.</translation>
    </message>
    <message>
        <source>A comment of Quillnav&apos;s could not be found in its bytes.</source>
        <translation>Ein Kommentar von Quillnav wurde in ihren Bytes nicht gefunden.</translation>
    </message>
    <message>
        <source>It holds the placeholder of the menu &quot;%1&quot; twice (lines %2 and %3).</source>
        <translation>Sie enthält den Platzhalter des Menüs „%1“ zweimal (Zeilen %2 und %3).</translation>
    </message>
    <message>
        <source>The %1 region of the menu &quot;%2&quot; begins again on line %3.</source>
        <translation>Der %1-Bereich des Menüs „%2“ beginnt in Zeile %3 erneut.</translation>
    </message>
    <message>
        <source>The %1 region of the menu &quot;%2&quot; ends on line %3 but does not begin before; the page was left as it is.</source>
        <translation>Der %1-Bereich des Menüs „%2“ endet in Zeile %3, beginnt aber nicht davor; die Seite blieb, wie sie ist.</translation>
    </message>
    <message>
        <source>The %1 region of the menu &quot;%2&quot; begins on line %3 but has no end; the page was left as it is.</source>
        <translation>Der %1-Bereich des Menüs „%2“ beginnt in Zeile %3, hat aber kein Ende; die Seite blieb, wie sie ist.</translation>
    </message>
    <message>
        <source>It holds both the placeholder of the menu &quot;%1&quot; (line %2) and the menu itself (line %3).</source>
        <translation>Sie enthält sowohl den Platzhalter des Menüs „%1“ (Zeile %2) als auch das Menü selbst (Zeile %3).</translation>
    </message>
    <message>
        <source>The menus &quot;%1&quot; and &quot;%2&quot; are both in the classic code with different link targets: their scripts define the same function, so only one of them would work on this page. Give them the same link target, or make one of them HTML5.</source>
        <translation>Die Menüs „%1“ und „%2“ sind beide im klassischen Code mit verschiedenen Linkzielen: Ihre Skripte definieren dieselbe Funktion, sodass auf dieser Seite nur eines von ihnen funktionieren würde. Geben Sie ihnen dasselbe Linkziel, oder machen Sie eines von ihnen zu HTML5.</translation>
    </message>
    <message>
        <source>The menu name &quot;%1&quot; cannot be written in the page&apos;s encoding %2.</source>
        <translation>Der Menüname „%1“ kann in der Kodierung %2 der Seite nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The menu is not in this page.</source>
        <translation>Das Menü ist nicht in dieser Seite.</translation>
    </message>
    <message>
        <source>It holds no placeholder of the menu.</source>
        <translation>Sie enthält keinen Platzhalter des Menüs.</translation>
    </message>
    <message>
        <source>It has no &lt;/head&gt; tag, before which the menu&apos;s script goes.</source>
        <translation>Sie hat kein &lt;/head&gt;-Tag, vor das das Skript des Menüs kommt.</translation>
    </message>
    <message>
        <source>The menu&apos;s head region and body region overlap.</source>
        <translation>Der head-Bereich und der body-Bereich des Menüs überschneiden sich.</translation>
    </message>
    <message>
        <source>The %1 region of the menu &quot;%2&quot; ends on line %3 before it begins on line %4; the page was left as it is.</source>
        <translation>Der %1-Bereich des Menüs „%2“ endet in Zeile %3, bevor er in Zeile %4 beginnt; die Seite blieb, wie sie ist.</translation>
    </message>
</context>
<context>
    <name>PageImport</name>
    <message>
        <source>The page &quot;%1&quot; does not exist.</source>
        <translation>Die Seite „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a folder, a device or a pipe), so it was not read.</source>
        <translation>„%1“ ist keine normale Datei (ein Ordner, ein Gerät oder eine Pipe) und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is larger than %2 MiB, the most that is imported.</source>
        <translation>Die Seite „%1“ ist größer als %2 MiB, die Höchstgröße für den Import.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; could not be read: %2</source>
        <translation>Die Seite „%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The list's width &quot;%1&quot; was left out: its box holds at most %2 characters.</source>
        <translation>Die Breite der Liste „%1“ wurde weggelassen: ihr Feld fasst höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>The button's width &quot;%1&quot; was left out: its box holds at most %2 digits.</source>
        <translation>Die Breite der Schaltfläche „%1“ wurde weggelassen: ihr Feld fasst höchstens %2 Ziffern.</translation>
    </message>
    <message>
        <source>The button's height &quot;%1&quot; was left out: its box holds at most %2 digits.</source>
        <translation>Die Höhe der Schaltfläche „%1“ wurde weggelassen: ihr Feld fasst höchstens %2 Ziffern.</translation>
    </message>
    <message>
        <source>The button's border thickness &quot;%1&quot; was left out: its box holds at most %2 digits.</source>
        <translation>Die Rahmenstärke der Schaltfläche „%1“ wurde weggelassen: ihr Feld fasst höchstens %2 Ziffern.</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; was not imported. %2</source>
        <translation>Die Seite „%1“ wurde nicht importiert. %2</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; has no drop-down list (&lt;select&gt;) to import.</source>
        <translation>Die Seite „%1“ enthält keine Auswahlliste (&lt;select&gt;) zum Importieren.</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>The list %1 of the page &quot;%2&quot; was not imported. %3</source>
        <translation>Die Liste %1 der Seite „%2“ wurde nicht importiert. %3</translation>
    </message>
    <message>
        <source>It is too complex to read: reading it takes more than %1 seconds.</source>
        <translation>Sie ist zu komplex: Das Lesen dauert länger als %1 Sekunden.</translation>
    </message>
    <message>
        <source>It is too complex to read: reading it takes more than %1 MiB of memory.</source>
        <translation>Sie ist zu komplex: Das Lesen braucht mehr als %1 MiB Speicher.</translation>
    </message>
    <message>
        <source>Reading it was cancelled.</source>
        <translation>Das Lesen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Its reader failed (%1).</source>
        <translation>Das Lesen ist fehlgeschlagen (%1).</translation>
    </message>
    <message>
        <source>Its reader failed (its answer was incomplete or damaged).</source>
        <translation>Das Lesen ist fehlgeschlagen (die Antwort war unvollständig oder beschädigt).</translation>
    </message>
    <message>
        <source>It declares a character encoding that browsers never show (ISO-2022-KR, ISO-2022-CN or HZ-GB-2312): they show one replacement character instead of the page.</source>
        <translation>Sie gibt eine Zeichenkodierung an, die Browser nie anzeigen (ISO-2022-KR, ISO-2022-CN oder HZ-GB-2312): Sie zeigen statt der Seite ein einzelnes Ersatzzeichen.</translation>
    </message>
    <message>
        <source>It is written in the character encoding %1, which cannot be decoded on this system.</source>
        <translation>Sie ist in der Zeichenkodierung %1 geschrieben, die auf diesem System nicht dekodiert werden kann.</translation>
    </message>
    <message>
        <source>It has no entries.</source>
        <translation>Sie hat keine Einträge.</translation>
    </message>
    <message>
        <source>The list&apos;s texts and links are too long for one menu: its code would pass the limit of %1 MiB.</source>
        <translation>Die Texte und Links der Liste sind zu lang für ein Menü: Sein Code würde die Grenze von %1 MiB überschreiten.</translation>
    </message>
    <message numerus="yes">
        <source>%1. %2: %3 (%Ln entries)</source>
        <translation>
            <numerusform>%1. %2: %3 (%Ln Eintrag)</numerusform>
            <numerusform>%1. %2: %3 (%Ln Einträge)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more lists</source>
        <translation>
            <numerusform>... und %Ln weitere Liste</numerusform>
            <numerusform>... und %Ln weitere Listen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list marks %Ln entries as selected; the last of them, entry %1 (&quot;%2&quot;), is the default selection, as a browser shows it.</source>
        <translation>
            <numerusform>Die Liste markiert %Ln Eintrag als gewählt; Eintrag %1 („%2“) ist der gewählte Eintrag, wie ein Browser ihn zeigt.</numerusform>
            <numerusform>Die Liste markiert %Ln Einträge als gewählt; der letzte davon, Eintrag %1 („%2“), ist der gewählte Eintrag, wie ein Browser ihn zeigt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has %Ln options; only the first %1 were imported.</source>
        <translation>
            <numerusform>Die Liste hat %Ln Option; nur die ersten %1 wurden importiert.</numerusform>
            <numerusform>Die Liste hat %Ln Optionen; nur die ersten %1 wurden importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln texts or links longer than %1 characters were cut to that length.</source>
        <translation>
            <numerusform>%Ln Text oder Link, länger als %1 Zeichen, wurde auf diese Länge gekürzt.</numerusform>
            <numerusform>%Ln Texte oder Links, länger als %1 Zeichen, wurden auf diese Länge gekürzt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLanguage</name>
    <message>
        <source>Language of the page</source>
        <translation>Sprache der Seite</translation>
    </message>
    <message>
        <source>must be a language tag such as en, de or pt-BR</source>
        <translation>muss ein Sprach-Tag wie en, de oder pt-BR sein</translation>
    </message>
</context>
<context>
    <name>PageLanguageDialog</name>
    <message>
        <source>&amp;Language of the page:</source>
        <translation>&amp;Sprache der Seite:</translation>
    </message>
    <message>
        <source>A language tag such as en, de or pt-BR. The HTML5 pages declare it: the page that Save Code to File writes and the preview's pages.</source>
        <translation>Ein Sprach-Tag wie en, de oder pt-BR. Die HTML5-Seiten geben es an: die Seite, die „Code in Datei speichern“ schreibt, und die Seiten der Vorschau.</translation>
    </message>
</context>
<context>
    <name>PagePlan</name>
    <message>
        <source>will change</source>
        <translation>wird geändert</translation>
    </message>
    <message>
        <source>up to date</source>
        <translation>aktuell</translation>
    </message>
    <message>
        <source>no placeholder</source>
        <translation>kein Platzhalter</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>edited by hand</source>
        <translation>von Hand bearbeitet</translation>
    </message>
</context>
<context>
    <name>PageProgress</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The code that File &gt; New Menu Project and the first window start with. Menus made from a site or a sitemap get HTML5 code; a saved project keeps its own.</source>
        <translation>Der Code, mit dem Datei &gt; Neues Menüprojekt und das erste Fenster beginnen. Menüs aus einer Website oder einer Sitemap erhalten HTML5-Code; ein gespeichertes Projekt behält seinen eigenen.</translation>
    </message>
    <message>
        <source>Code for File &gt; &amp;New Menu Project:</source>
        <translation>Code für Datei &gt; &amp;Neues Menüprojekt:</translation>
    </message>
    <message>
        <source>&amp;Say when the styles of classic code will not show in browsers</source>
        <translation>&amp;Hinweisen, wenn Browser die Stile des klassischen Codes nicht anzeigen</translation>
    </message>
    <message>
        <source>The preferences could not be stored in %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>PreviewSession</name>
    <message>
        <source>Could not write &quot;%1&quot;: a link of that name is in the way, and preview pages are never written through links.</source>
        <translation>„%1“ konnte nicht geschrieben werden: Ein Link dieses Namens steht im Weg, und Vorschauseiten werden nie über Links geschrieben.</translation>
    </message>
    <message>
        <source>Could not create a folder for the preview pages: the temporary folder &quot;%1&quot; does not exist or is not a folder.</source>
        <translation>Für die Vorschauseiten konnte kein Ordner angelegt werden: Der temporäre Ordner „%1“ existiert nicht oder ist kein Ordner.</translation>
    </message>
    <message>
        <source>Could not create a folder for the preview pages in &quot;%1&quot;: %2</source>
        <translation>Für die Vorschauseiten konnte in „%1“ kein Ordner angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Quillnav menu projects (*.qnv)</source>
        <translation>Quillnav-Menüprojekte (*.qnv)</translation>
    </message>
    <message>
        <source>entry %1</source>
        <translation>Eintrag %1</translation>
    </message>
    <message>
        <source>must be at most %1 characters long (the most its field in the window holds)</source>
        <translation>darf höchstens %1 Zeichen lang sein (mehr fasst sein Feld im Fenster nicht)</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be 0 (unchecked) or 1 (checked)</source>
        <translation>muss 0 (nicht angekreuzt) oder 1 (angekreuzt) sein</translation>
    </message>
    <message>
        <source>the colours</source>
        <translation>die Farben</translation>
    </message>
    <message>
        <source>must be a list of %1 colours</source>
        <translation>muss eine Liste von %1 Farben sein</translation>
    </message>
    <message>
        <source>must be a colour &quot;#&quot; followed by six hexadecimal digits</source>
        <translation>muss eine Farbe sein: „#“ gefolgt von sechs Hexadezimalziffern</translation>
    </message>
    <message>
        <source>must be a whole number from 100 to 900</source>
        <translation>muss eine ganze Zahl von 100 bis 900 sein</translation>
    </message>
    <message>
        <source>must be at most %1 characters long</source>
        <translation>darf höchstens %1 Zeichen lang sein</translation>
    </message>
    <message>
        <source>must contain digits only</source>
        <translation>darf nur Ziffern enthalten</translation>
    </message>
    <message>
        <source>Font (its generic family)</source>
        <translation>Schriftart (ihre generische Familie)</translation>
    </message>
    <message>
        <source>must be &quot;serif&quot;, &quot;sans-serif&quot; or &quot;monospace&quot;</source>
        <translation>muss „serif“, „sans-serif“ oder „monospace“ sein</translation>
    </message>
    <message>
        <source>must be a JSON object</source>
        <translation>muss ein JSON-Objekt sein</translation>
    </message>
    <message>
        <source>Item Text</source>
        <translation>Eintragstext</translation>
    </message>
    <message>
        <source>Linked</source>
        <translation>Verlinkt</translation>
    </message>
    <message>
        <source>Link URL</source>
        <translation>Link-URL</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Gewählt</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be &quot;Yes&quot; or &quot;No&quot;</source>
        <translation>muss „Yes“ oder „No“ sein</translation>
    </message>
    <message>
        <source>cannot be &quot;Yes&quot; too: only one entry can be the default selection, and %1 already is</source>
        <translation>kann nicht ebenfalls „Yes“ sein: Nur ein Eintrag kann gewählt sein, und %1 ist es bereits</translation>
    </message>
    <message>
        <source>the menu item list</source>
        <translation>die Liste der Menüeinträge</translation>
    </message>
    <message>
        <source>must be a JSON list</source>
        <translation>muss eine JSON-Liste sein</translation>
    </message>
    <message>
        <source>Menu Options and Submit Button Options</source>
        <translation>Menüoptionen und Optionen der Absenden-Schaltfläche</translation>
    </message>
    <message>
        <source>Menu Options</source>
        <translation>Menüoptionen</translation>
    </message>
    <message>
        <source>Submit Button Options</source>
        <translation>Optionen der Absenden-Schaltfläche</translation>
    </message>
    <message>
        <source>Name of Menu</source>
        <translation>Menüname</translation>
    </message>
    <message>
        <source>Target of Links</source>
        <translation>Linkziel</translation>
    </message>
    <message>
        <source>Frame Name</source>
        <translation>Framename</translation>
    </message>
    <message>
        <source>the navigation</source>
        <translation>die Navigation</translation>
    </message>
    <message>
        <source>Navigate on Button Click</source>
        <translation>Per Schaltfläche</translation>
    </message>
    <message>
        <source>Navigate on Item Change</source>
        <translation>Bei Eintragswechsel</translation>
    </message>
    <message>
        <source>the button</source>
        <translation>die Schaltfläche</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Graphic</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>URL of Button Graphic</source>
        <translation>URL der Grafik</translation>
    </message>
    <message>
        <source>Alt Text</source>
        <translation>Alt-Text</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Align to Button</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Advanced Menu Options</source>
        <translation>Erweiterte Menüoptionen</translation>
    </message>
    <message>
        <source>Use Default System Menu Colors</source>
        <translation>Standard-Systemfarben für das Menü verwenden</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font Weight</source>
        <translation>Schriftstärke</translation>
    </message>
    <message>
        <source>Italics</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underlined</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Constrain Width Proportionally to Font Size</source>
        <translation>Breite proportional zur Schriftgröße anpassen</translation>
    </message>
    <message>
        <source>Advanced Button Options</source>
        <translation>Erweiterte Schaltflächenoptionen</translation>
    </message>
    <message>
        <source>Sync Top and Left Border Colors</source>
        <translation>Farben des oberen und linken Rahmens angleichen</translation>
    </message>
    <message>
        <source>Sync Right and Bottom Border Colors</source>
        <translation>Farben des rechten und unteren Rahmens angleichen</translation>
    </message>
    <message>
        <source>Use Default System Button Colors</source>
        <translation>Standard-Systemfarben für Schaltflächen verwenden</translation>
    </message>
    <message>
        <source>Button Width</source>
        <translation>Schaltflächenbreite</translation>
    </message>
    <message>
        <source>Button Height</source>
        <translation>Schaltflächenhöhe</translation>
    </message>
    <message>
        <source>Border Thickness</source>
        <translation>Rahmenstärke</translation>
    </message>
    <message>
        <source>Constrain Button Dimensions Proportionally to Font Size</source>
        <translation>Schaltflächengröße proportional zur Schriftgröße anpassen</translation>
    </message>
    <message>
        <source>No Border</source>
        <translation>Ohne Rahmen</translation>
    </message>
    <message>
        <source>Code (Classic or HTML5)</source>
        <translation>Code (Klassisch oder HTML5)</translation>
    </message>
    <message>
        <source>must be &quot;classic&quot; or &quot;html5&quot;</source>
        <translation>muss „classic“ oder „html5“ sein</translation>
    </message>
    <message>
        <source>the file&apos;s format</source>
        <translation>das Format der Datei</translation>
    </message>
    <message>
        <source>must be &quot;%1&quot; (this is not a Quillnav menu project)</source>
        <translation>muss „%1“ sein (dies ist kein Quillnav-Menüprojekt)</translation>
    </message>
    <message>
        <source>the file&apos;s version</source>
        <translation>die Version der Datei</translation>
    </message>
    <message>
        <source>must be a whole number from 1</source>
        <translation>muss eine ganze Zahl ab 1 sein</translation>
    </message>
    <message>
        <source>%1 is newer than this program reads (%2); use a newer Quillnav</source>
        <translation>%1 ist neuer, als dieses Programm lesen kann (%2); verwenden Sie ein neueres Quillnav</translation>
    </message>
    <message>
        <source>the file must hold one JSON object</source>
        <translation>die Datei muss genau ein JSON-Objekt enthalten</translation>
    </message>
    <message>
        <source>JSON syntax error at line %1, column %2: %3</source>
        <translation>JSON-Syntaxfehler in Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: it is not a regular file.</source>
        <translation>„%1“ konnte nicht gelesen werden: Es ist keine normale Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid menu project: it is larger than %2 MiB, the most a menu project can hold.</source>
        <translation>„%1“ ist kein gültiges Menüprojekt: Es ist größer als %2 MiB, das Höchstmaß für ein Menüprojekt.</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid menu project: %2</source>
        <translation>„%1“ ist kein gültiges Menüprojekt: %2</translation>
    </message>
    <message>
        <source>the menu&apos;s generated code would pass the limit of %1 MiB</source>
        <translation>der erzeugte Code des Menüs würde die Grenze von %1 MiB überschreiten</translation>
    </message>
    <message>
        <source>the menu project would be larger than %1 MiB, the most a menu project can hold.</source>
        <translation>das Menüprojekt wäre größer als %1 MiB, das Höchstmaß für ein Menüprojekt.</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>must be %1</source>
        <translation>muss einer dieser Werte sein: %1</translation>
    </message>
    <message>
        <source>Site folder</source>
        <translation>Website-Ordner</translation>
    </message>
    <message>
        <source>must not hold a NUL character</source>
        <translation>darf kein NUL-Zeichen enthalten</translation>
    </message>
    <message>
        <source>Select the current page on each page</source>
        <translation>Auf jeder Seite die aktuelle Seite auswählen</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>Backup folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
</context>
<context>
    <name>PublishActions</name>
    <message>
        <source>Publish to Pages</source>
        <translation>In Seiten veröffentlichen</translation>
    </message>
    <message>
        <source>Remove from Pages</source>
        <translation>Aus Seiten entfernen</translation>
    </message>
    <message>
        <source>The menu goes into the pages of its site folder, which this project does not name yet. Choose the folder of the site; the folder button beside &quot;Advanced Options&quot; in Menu Options shows and changes it later.</source>
        <translation>Das Menü wird in die Seiten seines Website-Ordners eingefügt, den dieses Projekt noch nicht nennt. Wählen Sie den Ordner der Website; die Ordner-Schaltfläche neben „Erweiterte Optionen“ in den Menüoptionen zeigt und ändert ihn später.</translation>
    </message>
    <message>
        <source>&amp;Choose Site Folder...</source>
        <translation>Website-Ordner &amp;wählen...</translation>
    </message>
    <message>
        <source>The menu has no items.</source>
        <translation>Das Menü hat keine Einträge.</translation>
    </message>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
</context>
<context>
    <name>PublishDialog</name>
    <message>
        <source>Publish to Pages</source>
        <translation>In Seiten veröffentlichen</translation>
    </message>
    <message>
        <source>Remove from Pages</source>
        <translation>Aus Seiten entfernen</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Show &amp;Changes</source>
        <translation>Änderungen &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Select the current page on each page</source>
        <translation>Auf jeder Seite die aktuelle Seite aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Publish</source>
        <translation>&amp;Veröffentlichen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>No page in &quot;%1&quot; holds the placeholder &lt;!-- quillnav %2 --&gt; or the menu.</source>
        <translation>Keine Seite in „%1“ enthält den Platzhalter &lt;!-- quillnav %2 --&gt; oder das Menü.</translation>
    </message>
    <message>
        <source>Some pages cannot be changed (see their reasons), so no page will be written.</source>
        <translation>Einige Seiten können nicht geändert werden (siehe ihre Gründe), daher wird keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>This page does not change.</source>
        <translation>Diese Seite ändert sich nicht.</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Some pages were not written (see their reasons).</source>
        <translation>Einige Seiten wurden nicht geschrieben (siehe ihre Gründe).</translation>
    </message>
    <message>
        <source>The pages were written.</source>
        <translation>Die Seiten wurden geschrieben.</translation>
    </message>
    <message>
        <source>Their earlier text is kept in &quot;%1&quot;.</source>
        <translation>Ihr vorheriger Text wird in „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Replace Edits</source>
        <translation>Bearbeitungen ersetzen</translation>
    </message>
    <message>
        <source>Replace what was edited by hand in this page&apos;s menu</source>
        <translation>Ersetzen, was im Menü dieser Seite von Hand bearbeitet wurde</translation>
    </message>
    <message numerus="yes">
        <source>%Ln page(s) will change in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%Ln Seite in „%1“ wird geändert.</numerusform>
            <numerusform>%Ln Seiten in „%1“ werden geändert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln page(s) and the shared script %2 will change in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%Ln Seite und das gemeinsame Skript %2 in „%1“ werden geändert.</numerusform>
            <numerusform>%Ln Seiten und das gemeinsame Skript %2 in „%1“ werden geändert.</numerusform>
        </translation>
    </message>
    <message>
        <source>No page changes in &quot;%1&quot;, only the shared script %2.</source>
        <translation>In „%1“ ändert sich keine Seite, nur das gemeinsame Skript %2.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln page(s) had their menu edited by hand: they are left as they are unless you check &quot;Replace Edits&quot;.</source>
        <translation>
            <numerusform>Bei %Ln Seite wurde das Menü von Hand bearbeitet: Sie bleibt, wie sie ist, sofern Sie nicht „Bearbeitungen ersetzen“ ankreuzen.</numerusform>
            <numerusform>Bei %Ln Seiten wurde das Menü von Hand bearbeitet: Sie bleiben, wie sie sind, sofern Sie nicht „Bearbeitungen ersetzen“ ankreuzen.</numerusform>
        </translation>
    </message>
    <message>
        <source>dead link</source>
        <translation>toter Link</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) of the menu lead nowhere (see &quot;dead link&quot; below); the menu is published with them all the same.</source>
        <translation>
            <numerusform>%n Link des Menüs führt ins Leere (siehe „toter Link“ unten); das Menü wird trotzdem veröffentlicht.</numerusform>
            <numerusform>%n Links des Menüs führen ins Leere (siehe „toter Link“ unten); das Menü wird trotzdem veröffentlicht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RegistryStore</name>
    <message>
        <source>Could not move the damaged settings file &quot;%1&quot; aside to &quot;%2&quot;.</source>
        <translation>Die beschädigte Einstellungsdatei „%1“ konnte nicht nach „%2“ verschoben werden.</translation>
    </message>
    <message>
        <source>Could not create the settings folder &quot;%1&quot;.</source>
        <translation>Der Einstellungsordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not lock the settings file &quot;%1&quot;: another copy of Quillnav is changing it, or &quot;%2&quot; cannot be created.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gesperrt werden: Eine andere Instanz von Quillnav ändert sie gerade, oder „%2“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not write the settings file &quot;%1&quot;: %2</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>It does not exist.</source>
        <translation>Sie existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a regular file (a folder, a device or a pipe), so it was not read.</source>
        <translation>Sie ist keine normale Datei (ein Ordner, ein Gerät oder eine Pipe) und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB, the most that is read.</source>
        <translation>Sie ist größer als %1 MiB, die Höchstgröße zum Lesen.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>„%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a folder, a device or a pipe), so it was not read.</source>
        <translation>„%1“ ist keine normale Datei (ein Ordner, ein Gerät oder eine Pipe) und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MiB, the most that is read.</source>
        <translation>„%1“ ist größer als %2 MiB, die Höchstgröße zum Lesen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>SaveCodeToFile</name>
    <message>
        <source>HTML pages (*.html)</source>
        <translation>HTML-Seiten (*.html)</translation>
    </message>
    <message>
        <source>Save Code to File</source>
        <translation>Code in Datei speichern</translation>
    </message>
</context>
<context>
    <name>SaveProjectDialog</name>
    <message>
        <source>Save Menu Project As</source>
        <translation>Menüprojekt speichern unter</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>is not an address such as &quot;sftp://user@host/var/www/site&quot; or &quot;https://host/dav/site/&quot;.</source>
        <translation>ist keine Adresse wie „sftp://user@host/var/www/site“ oder „https://host/dav/site/“.</translation>
    </message>
    <message>
        <source>uses FTP, which is not supported: give an sftp:// or https:// (WebDAV) address.</source>
        <translation>verwendet FTP, das nicht unterstützt wird: Geben Sie eine sftp://- oder https://-Adresse (WebDAV) an.</translation>
    </message>
    <message>
        <source>has the scheme &quot;%1&quot;: give an sftp:// or https:// (WebDAV) address.</source>
        <translation>hat das Schema „%1“: Geben Sie eine sftp://- oder https://-Adresse (WebDAV) an.</translation>
    </message>
    <message>
        <source>holds a password (user:password@), which is never kept or given in an address: remove it; the password is asked for when it is needed.</source>
        <translation>enthält ein Passwort (user:password@), das nie in einer Adresse gespeichert oder angegeben wird: Entfernen Sie es; das Passwort wird erfragt, wenn es nötig ist.</translation>
    </message>
    <message>
        <source>names no server (the host after &quot;//&quot;).</source>
        <translation>nennt keinen Server (den Host nach „//“).</translation>
    </message>
    <message>
        <source>must not hold a query (?) or a fragment (#).</source>
        <translation>darf keine Abfrage (?) und kein Fragment (#) enthalten.</translation>
    </message>
    <message>
        <source>must not hold &quot;.&quot; or &quot;..&quot; in its folder.</source>
        <translation>darf in seinem Ordner kein „.“ oder „..“ enthalten.</translation>
    </message>
</context>
<context>
    <name>ServerFiles</name>
    <message>
        <source>It is not in the site folder &quot;%1&quot;.</source>
        <translation>Sie liegt nicht im Website-Ordner „%1“.</translation>
    </message>
    <message>
        <source>Hidden files and folders (the backup folder, the records) never move to the server.</source>
        <translation>Versteckte Dateien und Ordner (der Sicherungsordner, die Protokolle) werden nie auf den Server übertragen.</translation>
    </message>
</context>
<context>
    <name>ServerTransports</name>
    <message>
        <source>&quot;%1&quot;: a password is never sent over plain http:// (anyone on the way could read it); give an https:// address for a server that asks for a login.</source>
        <translation>„%1“: Ein Passwort wird nie über unverschlüsseltes http:// gesendet (jeder auf dem Weg könnte es lesen); geben Sie für einen Server, der eine Anmeldung verlangt, eine https://-Adresse an.</translation>
    </message>
</context>
<context>
    <name>SftpTransport</name>
    <message>
        <source>%1: could not start an SSH session.</source>
        <translation>%1: Es konnte keine SSH-Sitzung gestartet werden.</translation>
    </message>
    <message>
        <source>Could not connect to %1 (within %2 seconds): %3</source>
        <translation>Keine Verbindung zu %1 (innerhalb von %2 Sekunden): %3</translation>
    </message>
    <message>
        <source>%1 logged in but offers no SFTP: %2</source>
        <translation>Anmeldung bei %1 erfolgt, aber der Server bietet kein SFTP: %2</translation>
    </message>
    <message>
        <source>%1 sent no usable host key.</source>
        <translation>%1 hat keinen brauchbaren Host-Schlüssel gesendet.</translation>
    </message>
    <message>
        <source>WARNING: the host key of %1 has changed; its fingerprint is now %2. This may be an attack (someone between you and the server), so the connection is refused. If the server&apos;s key was changed on purpose, remove its old entry from known_hosts.</source>
        <translation>WARNUNG: Der Host-Schlüssel von %1 hat sich geändert; sein Fingerabdruck ist jetzt %2. Das kann ein Angriff sein (jemand zwischen Ihnen und dem Server), daher wird die Verbindung abgelehnt. Wurde der Schlüssel des Servers absichtlich geändert, entfernen Sie seinen alten Eintrag aus known_hosts.</translation>
    </message>
    <message>
        <source>The host key of %1 is not known; its fingerprint is %2.</source>
        <translation>Der Host-Schlüssel von %1 ist nicht bekannt; sein Fingerabdruck ist %2.</translation>
    </message>
    <message>
        <source>The host key of %1 is not known, and its fingerprint %2 is not the one given to accept (%3).</source>
        <translation>Der Host-Schlüssel von %1 ist nicht bekannt, und sein Fingerabdruck %2 ist nicht der zum Annehmen angegebene (%3).</translation>
    </message>
    <message>
        <source>The known hosts of %1 could not be read: %2</source>
        <translation>Die bekannten Hosts für %1 konnten nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Logging in to %1 failed: %2</source>
        <translation>Die Anmeldung bei %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>%1 did not accept the login of &quot;%2&quot; (neither a key nor a password was accepted).</source>
        <translation>%1 hat die Anmeldung von „%2“ nicht angenommen (weder ein Schlüssel noch ein Passwort wurde akzeptiert).</translation>
    </message>
    <message>
        <source>this account</source>
        <translation>diesem Konto</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>a file of that name exists</source>
        <translation>eine Datei dieses Namens existiert</translation>
    </message>
    <message>
        <source>the connection was lost (%1)</source>
        <translation>die Verbindung ist abgebrochen (%1)</translation>
    </message>
    <message>
        <source>the server refused</source>
        <translation>der Server hat abgelehnt</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; failed: %4.</source>
        <translation>%1: %2 „%3“ ist fehlgeschlagen: %4.</translation>
    </message>
    <message>
        <source>listing the folder</source>
        <translation>Auflisten des Ordners</translation>
    </message>
    <message>
        <source>%1: the folder &quot;%2&quot; lists more than %3 entries; it is not read.</source>
        <translation>%1: Der Ordner „%2“ hat mehr als %3 Einträge; er wird nicht gelesen.</translation>
    </message>
    <message>
        <source>looking at</source>
        <translation>Prüfen von</translation>
    </message>
    <message>
        <source>reading</source>
        <translation>Lesen von</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is larger than %3 bytes; it is not read.</source>
        <translation>%1: „%2“ ist größer als %3 Bytes; die Datei wird nicht gelesen.</translation>
    </message>
    <message>
        <source>writing</source>
        <translation>Schreiben von</translation>
    </message>
    <message>
        <source>setting the permissions of</source>
        <translation>Setzen der Rechte von</translation>
    </message>
    <message>
        <source>renaming to &quot;%1&quot;</source>
        <translation>Umbenennen in „%1“ von</translation>
    </message>
    <message>
        <source>removing</source>
        <translation>Entfernen von</translation>
    </message>
    <message>
        <source>making the folder</source>
        <translation>Anlegen des Ordners</translation>
    </message>
    <message>
        <source>%1 did not answer for %2 seconds while logging in.</source>
        <translation>%1 hat beim Anmelden %2 Sekunden lang nicht geantwortet.</translation>
    </message>
    <message>
        <source>the server did not answer for %1 seconds</source>
        <translation>der Server hat %1 Sekunden lang nicht geantwortet</translation>
    </message>
    <message>
        <source>The host key of %1 could not be added to known_hosts: %2</source>
        <translation>Der Host-Schlüssel von %1 konnte nicht in known_hosts eingetragen werden: %2</translation>
    </message>
    <message>
        <source>%1 did not accept the password of &quot;%2&quot; (nor any key).</source>
        <translation>%1 hat das Passwort von „%2“ nicht angenommen (auch keinen Schlüssel).</translation>
    </message>
    <message>
        <source>A key&apos;s passphrase was not right, so that key was not used.</source>
        <translation>Die Passphrase eines Schlüssels war nicht richtig; dieser Schlüssel wurde nicht verwendet.</translation>
    </message>
    <message>
        <source>writing the new copy of</source>
        <translation>Schreiben der neuen Fassung von</translation>
    </message>
    <message>
        <source>the server could not store it; its disk may be full, or a quota reached</source>
        <translation>der Server konnte sie nicht speichern; sein Datenträger ist vielleicht voll oder ein Kontingent erreicht</translation>
    </message>
    <message>
        <source>putting back the old copy of</source>
        <translation>Zurücklegen der alten Fassung von</translation>
    </message>
    <message>
        <source>putting in place the new copy of</source>
        <translation>Einsetzen der neuen Fassung von</translation>
    </message>
    <message>
        <source>setting aside the old copy of</source>
        <translation>Beiseitelegen der alten Fassung von</translation>
    </message>
    <message>
        <source>removing the old copy of</source>
        <translation>Entfernen der alten Fassung von</translation>
    </message>
    <message>
        <source>removing the new copy of</source>
        <translation>Entfernen der neuen Fassung von</translation>
    </message>
</context>
<context>
    <name>SitePublisher</name>
    <message>
        <source>It does not exist.</source>
        <translation>Sie existiert nicht.</translation>
    </message>
    <message>
        <source>It is not a regular file (a folder, a device or a pipe), so it was not read.</source>
        <translation>Sie ist keine normale Datei (ein Ordner, ein Gerät oder eine Pipe) und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>It is larger than %1 MiB, the most that is read.</source>
        <translation>Sie ist größer als %1 MiB, die Höchstgröße zum Lesen.</translation>
    </message>
    <message>
        <source>It could not be read: %1</source>
        <translation>Sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>It holds no placeholder of the menu.</source>
        <translation>Sie enthält keinen Platzhalter des Menüs.</translation>
    </message>
    <message>
        <source>It was not read. %1</source>
        <translation>Sie wurde nicht gelesen. %1</translation>
    </message>
    <message>
        <source>It is read-only, so it was not changed.</source>
        <translation>Sie ist schreibgeschützt und wurde daher nicht geändert.</translation>
    </message>
    <message>
        <source>Its &lt;base href=&quot;%1&quot;&gt; leads above the site folder, so the menu&apos;s links cannot be written for it.</source>
        <translation>Ihr &lt;base href=&quot;%1&quot;&gt; führt über den Ordner der Website hinaus, daher können die Links des Menüs für sie nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Its &lt;base href=&quot;%1&quot;&gt; names an address outside the site folder, so the menu&apos;s links cannot be written for it.</source>
        <translation>Ihr &lt;base href=&quot;%1&quot;&gt; nennt eine Adresse außerhalb des Ordners der Website, daher können die Links des Menüs für sie nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; does not exist.</source>
        <translation>Der Website-Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; is not a folder.</source>
        <translation>Der Website-Ordner „%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>It is not in the site folder &quot;%1&quot;.</source>
        <translation>Sie liegt nicht im Website-Ordner „%1“.</translation>
    </message>
    <message>
        <source>Its folder &quot;%1&quot; cannot be written, so it was not changed.</source>
        <translation>In ihren Ordner „%1“ kann nicht geschrieben werden, darum wurde sie nicht geändert.</translation>
    </message>
    <message>
        <source>Its menu was edited by hand after Quillnav wrote it; it is replaced only when you choose so.</source>
        <translation>Ihr Menü wurde von Hand bearbeitet, nachdem Quillnav es geschrieben hatte; es wird nur ersetzt, wenn Sie das wählen.</translation>
    </message>
    <message>
        <source>No page of the site uses it any more, so it is removed.</source>
        <translation>Keine Seite der Website verwendet sie mehr, daher wird sie entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) of the site still use it.</source>
        <translation>
            <numerusform>%n Seite der Website verwendet sie noch.</numerusform>
            <numerusform>%n Seiten der Website verwenden sie noch.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SiteWriter</name>
    <message>
        <source>It was removed or renamed after it was read, so it was not written.</source>
        <translation>Sie wurde nach dem Lesen entfernt oder umbenannt und daher nicht geschrieben.</translation>
    </message>
    <message>
        <source>It changed on disk after it was read, so it was left as it is.</source>
        <translation>Sie wurde nach dem Lesen auf der Festplatte geändert und blieb daher, wie sie ist.</translation>
    </message>
    <message>
        <source>It is read-only, so it was not changed.</source>
        <translation>Sie ist schreibgeschützt und wurde daher nicht geändert.</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot; to disk: %2</source>
        <translation>„%1“ konnte nicht auf die Festplatte geschrieben werden: %2</translation>
    </message>
    <message>
        <source>It was not written, because the run failed elsewhere.</source>
        <translation>Sie wurde nicht geschrieben, weil der Lauf an anderer Stelle fehlschlug.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be made.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>It was not written, because its earlier text could not be kept. %1</source>
        <translation>Sie wurde nicht geschrieben, weil ihr früherer Text nicht aufbewahrt werden konnte. %1</translation>
    </message>
    <message>
        <source>Its menu was edited by hand, so it was left as it is.</source>
        <translation>Ihr Menü wurde von Hand bearbeitet, daher blieb sie, wie sie ist.</translation>
    </message>
    <message>
        <source>The record of what was written was not kept: %1 The next run may take Quillnav&apos;s own regions for edits by hand.</source>
        <translation>Das Protokoll des Geschriebenen wurde nicht gespeichert: %1 Der nächste Lauf hält Quillnavs eigene Bereiche womöglich für Bearbeitungen von Hand.</translation>
    </message>
    <message>
        <source>Could not remove &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>It was removed.</source>
        <translation>Sie wurde entfernt.</translation>
    </message>
</context>
<context>
    <name>SiteMenuActions</name>
    <message>
        <source>Choose the Site&apos;s Folder</source>
        <translation>Ordner der Website wählen</translation>
    </message>
    <message>
        <source>Entries in the new menu: %1.</source>
        <translation>Einträge im neuen Menü: %1.</translation>
    </message>
    <message>
        <source>The menu was made with these notes:</source>
        <translation>Das Menü wurde mit diesen Hinweisen erstellt:</translation>
    </message>
    <message>
        <source>New Menu from Site</source>
        <translation>Neues Menü aus Website</translation>
    </message>
    <message>
        <source>Reading the pages of %1...</source>
        <translation>Die Seiten von %1 werden gelesen...</translation>
    </message>
    <message>
        <source>New Menu from Sitemap</source>
        <translation>Neues Menü aus Sitemap</translation>
    </message>
    <message>
        <source>Sitemaps (*.xml);;All files (*)</source>
        <translation>Sitemaps (*.xml);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation>Standard&amp;werte wiederherstellen</translation>
    </message>
</context>
<context>
    <name>TransferPlanner</name>
    <message>
        <source>Its name cannot be used on a server (an empty, &quot;.&quot; or &quot;..&quot; name, or one too long).</source>
        <translation>Ihr Name ist auf einem Server nicht verwendbar (ein leerer Name, „.“ oder „..“, oder ein zu langer).</translation>
    </message>
    <message>
        <source>On the server it is not a plain file (a folder or a link); it is left as it is.</source>
        <translation>Auf dem Server ist sie keine gewöhnliche Datei (ein Ordner oder ein Link); sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>will upload</source>
        <translation>wird hochgeladen</translation>
    </message>
    <message>
        <source>will download</source>
        <translation>wird heruntergeladen</translation>
    </message>
    <message>
        <source>up to date</source>
        <translation>aktuell</translation>
    </message>
    <message>
        <source>changed on the server</source>
        <translation>auf dem Server geändert</translation>
    </message>
    <message>
        <source>changed here</source>
        <translation>hier geändert</translation>
    </message>
    <message>
        <source>changed on both</source>
        <translation>auf beiden Seiten geändert</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The server folder &quot;%1&quot; does not exist; make it on the server first, or correct the address.</source>
        <translation>Der Server-Ordner „%1“ existiert nicht; legen Sie ihn zuerst auf dem Server an oder berichtigen Sie die Adresse.</translation>
    </message>
</context>
<context>
    <name>TransferRecord</name>
    <message>
        <source>The record of earlier transfers &quot;%1&quot; was set aside: %2 Files present on both sides are compared by their contents.</source>
        <translation>Das Protokoll früherer Übertragungen „%1“ wurde beiseitegelegt: %2 Dateien, die es auf beiden Seiten gibt, werden nach ihrem Inhalt verglichen.</translation>
    </message>
    <message>
        <source>It is damaged.</source>
        <translation>Es ist beschädigt.</translation>
    </message>
    <message>
        <source>It was made for the server &quot;%1&quot;.</source>
        <translation>Es wurde für den Server „%1“ angelegt.</translation>
    </message>
    <message>
        <source>Its entry for &quot;%1&quot; is damaged.</source>
        <translation>Sein Eintrag für „%1“ ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>It changed on the server while this run was under way; it is left as it is.</source>
        <translation>Sie wurde während dieses Laufs auf dem Server geändert; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>It changed here while this run was under way; it is left as it is.</source>
        <translation>Sie wurde während dieses Laufs hier geändert; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Its folder could not be made in the site folder.</source>
        <translation>Ihr Ordner konnte im Website-Ordner nicht angelegt werden.</translation>
    </message>
    <message>
        <source>It would be written outside the site folder.</source>
        <translation>Sie würde außerhalb des Website-Ordners geschrieben.</translation>
    </message>
    <message>
        <source>uploaded</source>
        <translation>hochgeladen</translation>
    </message>
    <message>
        <source>downloaded</source>
        <translation>heruntergeladen</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not uploaded</source>
        <translation>nicht hochgeladen</translation>
    </message>
    <message>
        <source>not downloaded</source>
        <translation>nicht heruntergeladen</translation>
    </message>
</context>
<context>
    <name>frmAdvMnuOp</name>
    <message>
        <source>Advanced Menu Options</source>
        <translation>Erweiterte Menüoptionen</translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation>Abmessungen:</translation>
    </message>
    <message>
        <source>&amp;Constrain Width Proportionally to Font Size</source>
        <translation>Breite &amp;proportional zur Schriftgröße anpassen</translation>
    </message>
    <message>
        <source>Wi&amp;dth:</source>
        <translation>Brei&amp;te:</translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Color Options:</source>
        <translation>Farboptionen:</translation>
    </message>
    <message>
        <source>Use Default System &amp;Menu Colors</source>
        <translation>Standard-System&amp;farben für das Menü verwenden</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation>&amp;Hintergrund:</translation>
    </message>
</context>
<context>
    <name>iemsgfrm</name>
    <message>
        <source>Important Message</source>
        <translation>Wichtiger Hinweis</translation>
    </message>
    <message>
        <source>Advanced properties (colors, font, etc.) for menus and buttons will only show up if the menu is viewed in Microsoft Internet Explorer. Netscape always uses one default font and style for Javascript menu elements.</source>
        <translation>Erweiterte Eigenschaften (Farben, Schrift usw.) von Menüs und Schaltflächen erscheinen nur, wenn das Menü im Microsoft Internet Explorer angezeigt wird. Netscape verwendet für JavaScript-Menüelemente immer eine Standardschrift und einen Standardstil.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ClassicEntryMarks</name>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>The menu cannot be published in the classic code: the %1 of %2 holds &quot;%3&quot;, which the classic code writes as it is, so the menu could no longer be found in the pages. Take it out of the entry, or make the menu HTML5.</source>
        <translation>Das Menü kann im klassischen Code nicht veröffentlicht werden: Der %1 von %2 enthält „%3“, was der klassische Code unverändert schreibt, sodass das Menü in den Seiten nicht mehr gefunden würde. Entfernen Sie es aus dem Eintrag, oder machen Sie das Menü zu HTML5.</translation>
    </message>
</context>
<context>
    <name>SitePlan</name>
    <message>
        <source>%1 will be written in all.</source>
        <translation>Insgesamt werden %1 geschrieben.</translation>
    </message>
    <message>
        <source>The menu takes up to %1 in each page; %2 will be written in all.</source>
        <translation>Das Menü belegt bis zu %1 je Seite; insgesamt werden %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>PublishRecord</name>
    <message>
        <source>The record of earlier publishing &quot;%1&quot; was set aside: %2 Regions edited by hand cannot be found in this run; a new record replaces it when pages are written.</source>
        <translation>Das Protokoll früherer Veröffentlichungen „%1“ wurde beiseitegelegt: %2 Von Hand bearbeitete Bereiche können in diesem Lauf nicht erkannt werden; ein neues Protokoll ersetzt es, wenn Seiten geschrieben werden.</translation>
    </message>
    <message>
        <source>It is damaged (%1 at byte %2).</source>
        <translation>Es ist beschädigt (%1 bei Byte %2).</translation>
    </message>
    <message>
        <source>It is not a record of this version.</source>
        <translation>Es ist kein Protokoll dieser Version.</translation>
    </message>
    <message>
        <source>Its entry for &quot;%1&quot; is damaged.</source>
        <translation>Sein Eintrag für „%1“ ist beschädigt.</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Backups of &quot;%1&quot;:</source>
        <translation>&amp;Sicherungen von „%1“:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The site has no backups: publishing keeps them in &quot;%1&quot;.</source>
        <translation>Die Website hat keine Sicherungen: Das Veröffentlichen legt sie in „%1“ ab.</translation>
    </message>
    <message>
        <source>Some pages cannot be put back (see their reasons), so no page will be written.</source>
        <translation>Einige Seiten können nicht zurückgelegt werden (siehe ihre Gründe), daher wird keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>written</source>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>Some pages were not put back (see their reasons).</source>
        <translation>Einige Seiten wurden nicht zurückgelegt (siehe ihre Gründe).</translation>
    </message>
    <message>
        <source>The pages were put back.</source>
        <translation>Die Seiten wurden zurückgelegt.</translation>
    </message>
    <message>
        <source>Their text before is kept in &quot;%1&quot;.</source>
        <translation>Ihr Text davor wird in „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln page(s) will be put back; the pages that are the same as their backup stay as they are.</source>
        <translation>
            <numerusform>%Ln Seite wird zurückgelegt; Seiten, die ihrer Sicherung gleichen, bleiben, wie sie sind.</numerusform>
            <numerusform>%Ln Seiten werden zurückgelegt; Seiten, die ihrer Sicherung gleichen, bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SiteRestore</name>
    <message>
        <source>Its backup was not read: %1</source>
        <translation>Ihre Sicherung wurde nicht gelesen: %1</translation>
    </message>
    <message>
        <source>Its folder is no longer in the site folder as it was, so it cannot be put back.</source>
        <translation>Ihr Ordner liegt nicht mehr wie zuvor im Website-Ordner, daher kann sie nicht zurückgelegt werden.</translation>
    </message>
    <message>
        <source>It is read-only, so it was not changed.</source>
        <translation>Sie ist schreibgeschützt und wurde daher nicht geändert.</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; is not a folder.</source>
        <translation>Der Website-Ordner „%1“ ist kein Ordner.</translation>
    </message>
    <message>
        <source>There is no backup &quot;%1&quot; in &quot;%2&quot;.</source>
        <translation>Es gibt keine Sicherung „%1“ in „%2“.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; holds more than %2 files.</source>
        <translation>Die Sicherung „%1“ enthält mehr als %2 Dateien.</translation>
    </message>
</context>
<context>
    <name>HelpTopics</name>
    <message>
        <source>Type an entry here and add it to the menu list.</source>
        <translation>Geben Sie hier einen Eintrag ein und fügen Sie ihn der Menüliste hinzu.</translation>
    </message>
    <message>
        <source>The text the visitor sees in the menu, used exactly as typed.</source>
        <translation>Der Text, den der Besucher im Menü sieht, genau wie eingegeben.</translation>
    </message>
    <message>
        <source>The address the entry opens. You can drag a link here from your browser.</source>
        <translation>Die Adresse, die der Eintrag öffnet. Sie können einen Link aus Ihrem Browser hierher ziehen.</translation>
    </message>
    <message>
        <source>Sets the entry in under the one above it (prefix &quot;--- &quot;).</source>
        <translation>Rückt den Eintrag unter den darüber ein (Präfix „--- “).</translation>
    </message>
    <message>
        <source>Makes the entry the one the menu shows when the page opens.</source>
        <translation>Macht den Eintrag zum gewählten Eintrag: Das Menü zeigt ihn, wenn die Seite öffnet.</translation>
    </message>
    <message>
        <source>An entry without address, such as a heading. The link field is ignored.</source>
        <translation>Ein Eintrag ohne Adresse, etwa eine Überschrift. Das Linkfeld wird nicht beachtet.</translation>
    </message>
    <message>
        <source>Adds the entry at the end of the list and clears the fields.</source>
        <translation>Fügt den Eintrag am Ende der Liste hinzu und leert die Felder.</translation>
    </message>
    <message>
        <source>Adds a dividing line at the end of the list.</source>
        <translation>Fügt am Ende der Liste eine Trennlinie hinzu.</translation>
    </message>
    <message>
        <source>Replaces the entry selected in the list with the fields.</source>
        <translation>Ersetzt den in der Liste markierten Eintrag durch die Felder.</translation>
    </message>
    <message>
        <source>The menu&apos;s entries in order. Right-click an entry for its commands.</source>
        <translation>Die Einträge des Menüs in ihrer Reihenfolge. Ein Rechtsklick auf einen Eintrag zeigt seine Befehle.</translation>
    </message>
    <message>
        <source>Moves the selected entry up one place.</source>
        <translation>Verschiebt den markierten Eintrag um eine Position nach oben.</translation>
    </message>
    <message>
        <source>Moves the selected entry down one place.</source>
        <translation>Verschiebt den markierten Eintrag um eine Position nach unten.</translation>
    </message>
    <message>
        <source>Sets the selected entry in.</source>
        <translation>Rückt den markierten Eintrag ein.</translation>
    </message>
    <message>
        <source>Takes the indentation off the selected entry.</source>
        <translation>Hebt die Einrückung des markierten Eintrags auf.</translation>
    </message>
    <message>
        <source>Makes the selected entry the menu&apos;s default selection.</source>
        <translation>Macht den markierten Eintrag zum gewählten Eintrag des Menüs.</translation>
    </message>
    <message>
        <source>Loads the selected entry into the fields; change them and press Update.</source>
        <translation>Lädt den markierten Eintrag in die Felder; ändern Sie sie und klicken Sie auf „Aktualisieren“.</translation>
    </message>
    <message>
        <source>Removes the selected entry.</source>
        <translation>Entfernt den markierten Eintrag.</translation>
    </message>
    <message>
        <source>Commands for the selected entry.</source>
        <translation>Befehle für den markierten Eintrag.</translation>
    </message>
    <message>
        <source>How the menu works on the page.</source>
        <translation>Wie das Menü auf der Seite arbeitet.</translation>
    </message>
    <message>
        <source>The name of the menu&apos;s form. Each menu on a page needs its own.</source>
        <translation>Der Name des Formulars des Menüs. Jedes Menü einer Seite braucht einen eigenen.</translation>
    </message>
    <message>
        <source>Where a chosen address opens: this window, a new one, or a frame.</source>
        <translation>Wo eine gewählte Adresse öffnet: in diesem Fenster, einem neuen oder einem Frame.</translation>
    </message>
    <message>
        <source>The name of the frame that shows the chosen addresses.</source>
        <translation>Der Name des Frames, der die gewählten Adressen zeigt.</translation>
    </message>
    <message>
        <source>The visitor chooses an entry and presses the button.</source>
        <translation>Der Besucher wählt einen Eintrag und klickt auf die Schaltfläche.</translation>
    </message>
    <message>
        <source>The menu goes to an entry&apos;s address as soon as it is chosen.</source>
        <translation>Das Menü öffnet die Adresse eines Eintrags, sobald er gewählt ist.</translation>
    </message>
    <message>
        <source>How the list sits beside the button.</source>
        <translation>Wie die Liste neben der Schaltfläche steht.</translation>
    </message>
    <message>
        <source>Font, colours and width of the list.</source>
        <translation>Schrift, Farben und Breite der Liste.</translation>
    </message>
    <message>
        <source>The button beside the list.</source>
        <translation>Die Schaltfläche neben der Liste.</translation>
    </message>
    <message>
        <source>A text button drawn by the browser.</source>
        <translation>Eine Textschaltfläche, die der Browser zeichnet.</translation>
    </message>
    <message>
        <source>A picture used as the button.</source>
        <translation>Ein Bild als Schaltfläche.</translation>
    </message>
    <message>
        <source>The caption of the text button.</source>
        <translation>Die Beschriftung der Textschaltfläche.</translation>
    </message>
    <message>
        <source>Font, colours, border and size of the text button.</source>
        <translation>Schrift, Farben, Rahmen und Größe der Textschaltfläche.</translation>
    </message>
    <message>
        <source>The address of the button&apos;s picture.</source>
        <translation>Die Adresse des Bildes der Schaltfläche.</translation>
    </message>
    <message>
        <source>Shown when the picture cannot be shown; read out by screen readers.</source>
        <translation>Erscheint, wenn das Bild nicht angezeigt werden kann; Bildschirmleser lesen ihn vor.</translation>
    </message>
    <message>
        <source>The picture&apos;s width in pixels; empty for its own width.</source>
        <translation>Die Breite des Bildes in Pixeln; leer für seine eigene Breite.</translation>
    </message>
    <message>
        <source>The picture&apos;s height in pixels; empty for its own height.</source>
        <translation>Die Höhe des Bildes in Pixeln; leer für seine eigene Höhe.</translation>
    </message>
    <message>
        <source>Opens Brookfen&apos;s page of free button pictures in your browser.</source>
        <translation>Öffnet Brookfens Seite mit kostenlosen Schaltflächenbildern in Ihrem Browser.</translation>
    </message>
    <message>
        <source>Clears the list and the options and starts again, without asking.</source>
        <translation>Leert die Liste und die Optionen und beginnt neu, ohne nachzufragen.</translation>
    </message>
    <message>
        <source>Opens a saved menu project.</source>
        <translation>Öffnet ein gespeichertes Menüprojekt.</translation>
    </message>
    <message>
        <source>Makes the menu from a drop-down list of a web page; Undo takes it back.</source>
        <translation>Erstellt das Menü aus einer Auswahlliste einer Webseite; „Rückgängig“ nimmt es zurück.</translation>
    </message>
    <message>
        <source>Makes a new menu with an entry for every page of a site&apos;s folder; Undo takes it back.</source>
        <translation>Erstellt ein neues Menü mit einem Eintrag für jede Seite im Ordner einer Website; „Rückgängig“ nimmt es zurück.</translation>
    </message>
    <message>
        <source>Makes a new menu with an entry for every address of a sitemap; Undo takes it back.</source>
        <translation>Erstellt ein neues Menü mit einem Eintrag für jede Adresse einer Sitemap; „Rückgängig“ nimmt es zurück.</translation>
    </message>
    <message>
        <source>Checks the menu&apos;s links against the site&apos;s files and marks the entries whose link fails.</source>
        <translation>Prüft die Links des Menüs an den Dateien der Website und kennzeichnet die Einträge, deren Link nicht funktioniert.</translation>
    </message>
    <message>
        <source>Saves the menu in a project file.</source>
        <translation>Speichert das Menü in einer Projektdatei.</translation>
    </message>
    <message>
        <source>Shows the menu&apos;s code, ready to copy into your page.</source>
        <translation>Zeigt den Code des Menüs, bereit zum Kopieren in Ihre Seite.</translation>
    </message>
    <message>
        <source>Saves the menu&apos;s code as a complete page.</source>
        <translation>Speichert den Code des Menüs als vollständige Seite.</translation>
    </message>
    <message>
        <source>Closes Quillnav without asking.</source>
        <translation>Beendet Quillnav, ohne nachzufragen.</translation>
    </message>
    <message>
        <source>Shows the menu working in your browser.</source>
        <translation>Zeigt das Menü in Ihrem Browser in Aktion.</translation>
    </message>
    <message>
        <source>Chooses the code of new menus, and whether Quillnav says when classic code&apos;s styles will not show.</source>
        <translation>Wählt den Code neuer Menüs und ob Quillnav darauf hinweist, wenn Browser die Stile des klassischen Codes nicht anzeigen.</translation>
    </message>
    <message>
        <source>Shows or hides the pane with the menu as you work.</source>
        <translation>Zeigt oder verbirgt den Bereich, der das Menü beim Arbeiten zeigt.</translation>
    </message>
    <message>
        <source>The menu as the browser preview shows it, updated after every change. Picking an entry shows where it leads.</source>
        <translation>Das Menü, wie die Browser-Vorschau es zeigt, nach jeder Änderung aktualisiert. Die Wahl eines Eintrags zeigt, wohin er führt.</translation>
    </message>
    <message>
        <source>Opens the help at its contents.</source>
        <translation>Öffnet das Inhaltsverzeichnis der Hilfe.</translation>
    </message>
    <message>
        <source>Opens the tutorial, which builds a first menu.</source>
        <translation>Öffnet die Einführung, die ein erstes Menü erstellt.</translation>
    </message>
    <message>
        <source>Click a control afterwards to read what it does.</source>
        <translation>Klicken Sie danach auf ein Bedienelement, um zu lesen, was es tut.</translation>
    </message>
    <message>
        <source>Version, web site and support address.</source>
        <translation>Version, Website und Support-Adresse.</translation>
    </message>
    <message>
        <source>The script for the head of your page.</source>
        <translation>Das Skript für den Kopfbereich Ihrer Seite.</translation>
    </message>
    <message>
        <source>Copies the script to the clipboard.</source>
        <translation>Kopiert das Skript in die Zwischenablage.</translation>
    </message>
    <message>
        <source>The form for the body of your page, where the menu is to appear.</source>
        <translation>Das Formular für den Inhaltsbereich Ihrer Seite, dort, wo das Menü erscheinen soll.</translation>
    </message>
    <message>
        <source>Copies the form to the clipboard.</source>
        <translation>Kopiert das Formular in die Zwischenablage.</translation>
    </message>
    <message>
        <source>Saves both parts as a complete page.</source>
        <translation>Speichert beide Teile als vollständige Seite.</translation>
    </message>
    <message>
        <source>Closes this window.</source>
        <translation>Schließt dieses Fenster.</translation>
    </message>
    <message>
        <source>Ticked: the list takes the width its entries need.</source>
        <translation>Angekreuzt: Die Liste nimmt die Breite an, die ihre Einträge brauchen.</translation>
    </message>
    <message>
        <source>The width of the list in pixels.</source>
        <translation>Die Breite der Liste in Pixeln.</translation>
    </message>
    <message>
        <source>Ticked: the visitor&apos;s own colours are used.</source>
        <translation>Angekreuzt: Die eigenen Farben des Besuchers werden verwendet.</translation>
    </message>
    <message>
        <source>A colour of the list.</source>
        <translation>Eine Farbe der Liste.</translation>
    </message>
    <message>
        <source>Shows the colour.</source>
        <translation>Zeigt die Farbe.</translation>
    </message>
    <message>
        <source>The colour as #RRGGBB: type six hexadecimal digits.</source>
        <translation>Die Farbe als #RRGGBB: Geben Sie sechs Hexadezimalziffern ein.</translation>
    </message>
    <message>
        <source>Chooses the colour in the colour chooser.</source>
        <translation>Wählt die Farbe im Farbauswahldialog.</translation>
    </message>
    <message>
        <source>Warns that the text of the list is hard to read on its background.</source>
        <translation>Warnt, dass der Text der Liste auf ihrem Hintergrund schwer zu lesen ist.</translation>
    </message>
    <message>
        <source>The font of the entries.</source>
        <translation>Die Schriftart der Einträge.</translation>
    </message>
    <message>
        <source>The font size in pixels; choose or type it.</source>
        <translation>Die Schriftgröße in Pixeln; wählen oder eingeben.</translation>
    </message>
    <message>
        <source>Sets the entries in italics.</source>
        <translation>Setzt die Einträge kursiv.</translation>
    </message>
    <message>
        <source>Underlines the entries.</source>
        <translation>Unterstreicht die Einträge.</translation>
    </message>
    <message>
        <source>The font weight, from 100 (lighter) to 900 (bolder); 500 is normal.</source>
        <translation>Die Schriftstärke, von 100 (dünner) bis 900 (fetter); 500 ist normal.</translation>
    </message>
    <message>
        <source>Keeps the changes.</source>
        <translation>Übernimmt die Änderungen.</translation>
    </message>
    <message>
        <source>Forgets the changes made since the dialog opened.</source>
        <translation>Verwirft die Änderungen seit dem Öffnen des Dialogs.</translation>
    </message>
    <message>
        <source>Puts the start-up values back.</source>
        <translation>Stellt die Startwerte wieder her.</translation>
    </message>
    <message>
        <source>Ticked: the button takes the size its text needs.</source>
        <translation>Angekreuzt: Die Schaltfläche nimmt die Größe an, die ihr Text braucht.</translation>
    </message>
    <message>
        <source>The button&apos;s width in pixels.</source>
        <translation>Die Breite der Schaltfläche in Pixeln.</translation>
    </message>
    <message>
        <source>The button&apos;s height in pixels.</source>
        <translation>Die Höhe der Schaltfläche in Pixeln.</translation>
    </message>
    <message>
        <source>The width of the button&apos;s border in pixels.</source>
        <translation>Die Stärke des Rahmens der Schaltfläche in Pixeln.</translation>
    </message>
    <message>
        <source>A button without border.</source>
        <translation>Eine Schaltfläche ohne Rahmen.</translation>
    </message>
    <message>
        <source>Ticked: the visitor&apos;s own button colours and border are used.</source>
        <translation>Angekreuzt: Die eigenen Schaltflächenfarben und der eigene Rahmen des Besuchers werden verwendet.</translation>
    </message>
    <message>
        <source>The left border takes the colour of the top border.</source>
        <translation>Der linke Rahmen nimmt die Farbe des oberen Rahmens an.</translation>
    </message>
    <message>
        <source>The bottom border takes the colour of the right border.</source>
        <translation>Der untere Rahmen nimmt die Farbe des rechten Rahmens an.</translation>
    </message>
    <message>
        <source>A colour of the button.</source>
        <translation>Eine Farbe der Schaltfläche.</translation>
    </message>
    <message>
        <source>Warns that the text of the button is hard to read on its background.</source>
        <translation>Warnt, dass der Text der Schaltfläche auf ihrem Hintergrund schwer zu lesen ist.</translation>
    </message>
    <message>
        <source>The font of the caption.</source>
        <translation>Die Schriftart der Beschriftung.</translation>
    </message>
    <message>
        <source>Sets the caption in italics.</source>
        <translation>Setzt die Beschriftung kursiv.</translation>
    </message>
    <message>
        <source>Underlines the caption.</source>
        <translation>Unterstreicht die Beschriftung.</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>It is written in the character encoding %1, in which a menu cannot be written into it.</source>
        <translation>Sie ist in der Zeichenkodierung %1 geschrieben, in die kein Menü geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>SiteMenuBuilder</name>
    <message numerus="yes">
        <source>... and %Ln more notes.</source>
        <translation>
            <numerusform>... und %Ln weiterer Hinweis.</numerusform>
            <numerusform>... und %Ln weitere Hinweise.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2 Its file name is its text.</source>
        <translation>%1: %2 Ihr Dateiname ist ihr Text.</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; holds no pages (.html or .htm files).</source>
        <translation>Der Website-Ordner „%1“ enthält keine Seiten (.html- oder .htm-Dateien).</translation>
    </message>
    <message>
        <source>Reading the pages was cancelled.</source>
        <translation>Das Lesen der Seiten wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>SitePages</name>
    <message>
        <source>Only the first %1 pages were read.</source>
        <translation>Nur die ersten %1 Seiten wurden gelesen.</translation>
    </message>
</context>
<context>
    <name>SiteWalk</name>
    <message>
        <source>The site folder &quot;%1&quot; does not exist.</source>
        <translation>Der Website-Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; is not a folder.</source>
        <translation>Der Website-Ordner „%1“ ist kein Ordner.</translation>
    </message>
    <message numerus="yes">
        <source>%Ln more files or folders were skipped.</source>
        <translation>
            <numerusform>%Ln weitere Datei oder weiterer Ordner wurde übersprungen.</numerusform>
            <numerusform>%Ln weitere Dateien oder Ordner wurden übersprungen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The site has more than %1 pages; only the first %1 were read.</source>
        <translation>Die Website hat mehr als %1 Seiten; nur die ersten %1 wurden gelesen.</translation>
    </message>
    <message>
        <source>The symbolic link &quot;%1&quot; leads to &quot;%2&quot;, which is not among the site&apos;s pages, and was skipped.</source>
        <translation>Der symbolische Link „%1“ führt zu „%2“, das nicht zu den Seiten der Website gehört, und wurde übersprungen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; could not be read.</source>
        <translation>Der Ordner „%1“ konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The symbolic link &quot;%1&quot; leads nowhere and was skipped.</source>
        <translation>Der symbolische Link „%1“ führt ins Leere und wurde übersprungen.</translation>
    </message>
    <message>
        <source>The symbolic link &quot;%1&quot; leads out of the site folder and was skipped.</source>
        <translation>Der symbolische Link „%1“ führt aus dem Website-Ordner hinaus und wurde übersprungen.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; lies deeper than %2 folders and was skipped.</source>
        <translation>Der Ordner „%1“ liegt tiefer als %2 Ordner und wurde übersprungen.</translation>
    </message>
</context>
<context>
    <name>SitemapImport</name>
    <message>
        <source>Line %1: an empty &lt;loc&gt; was left out.</source>
        <translation>Zeile %1: Ein leeres &lt;loc&gt; wurde weggelassen.</translation>
    </message>
    <message>
        <source>The sitemap &quot;%1&quot; is not well-formed XML: line %2, column %3: %4</source>
        <translation>Die Sitemap „%1“ ist kein wohlgeformtes XML: Zeile %2, Spalte %3: %4</translation>
    </message>
    <message>
        <source>The sitemap has more than %1 addresses; only the first %1 were read.</source>
        <translation>Die Sitemap hat mehr als %1 Adressen; nur die ersten %1 wurden gelesen.</translation>
    </message>
    <message>
        <source>The sitemap &quot;%1&quot; holds no address (&lt;loc&gt;).</source>
        <translation>Die Sitemap „%1“ enthält keine Adresse (&lt;loc&gt;).</translation>
    </message>
    <message>
        <source>Reading the pages was cancelled.</source>
        <translation>Das Lesen der Seiten wurde abgebrochen.</translation>
    </message>
    <message>
        <source>%1: %2 Its file name is its text.</source>
        <translation>%1: %2 Ihr Dateiname ist ihr Text.</translation>
    </message>
</context>
<context>
    <name>BackupRuns</name>
    <message>
        <source>The backup folder &quot;%1&quot; holds the site folder; choose a folder beside the site or in a hidden folder of it.</source>
        <translation>Der Sicherungsordner „%1“ enthält den Website-Ordner; wählen Sie einen Ordner neben der Website oder einen versteckten Ordner in ihr.</translation>
    </message>
    <message>
        <source>The backup folder &quot;%1&quot; is among the site&apos;s pages, where publishing would take the copies for pages; choose a folder outside the site or a hidden one (its name starting with &quot;.&quot;).</source>
        <translation>Der Sicherungsordner „%1“ liegt zwischen den Seiten der Website, wo das Veröffentlichen die Kopien für Seiten halten würde; wählen Sie einen Ordner außerhalb der Website oder einen versteckten (sein Name beginnt mit „.“).</translation>
    </message>
</context>
<context>
    <name>LinkCheckResults</name>
    <message>
        <source>Link Check Results</source>
        <translation>Ergebnis der Linkprüfung</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>PasswordPrompt</name>
    <message>
        <source>Server Password</source>
        <translation>Server-Passwort</translation>
    </message>
    <message>
        <source>&amp;Password for %1:</source>
        <translation>&amp;Passwort für %1:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Passwort &amp;merken</translation>
    </message>
    <message>
        <source>No keyring: the password is asked each time.</source>
        <translation>Kein Schlüsselbund: Das Passwort wird jedes Mal erfragt.</translation>
    </message>
</context>
<context>
    <name>ServerCheck</name>
    <message>
        <source>The folder &quot;%1&quot; does not exist on %2.</source>
        <translation>Der Ordner „%1“ existiert auf %2 nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; on %2 is not a folder.</source>
        <translation>„%1“ auf %2 ist kein Ordner.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; on %2 cannot be written: %3</source>
        <translation>In den Ordner „%1“ auf %2 kann nicht geschrieben werden: %3</translation>
    </message>
    <message>
        <source>Connected to %1: the folder &quot;%2&quot; exists and can be written.</source>
        <translation>Verbunden mit %1: Der Ordner „%2“ existiert und ist beschreibbar.</translation>
    </message>
</context>
<context>
    <name>ServerDialog</name>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Server &amp;address:</source>
        <translation>Server&amp;adresse:</translation>
    </message>
    <message>
        <source>this account&apos;s name</source>
        <translation>der Name dieses Kontos</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>Keys or agent</source>
        <translation>Schlüssel oder Agent</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Log &amp;in with:</source>
        <translation>A&amp;nmelden mit:</translation>
    </message>
    <message>
        <source>&amp;Remember password</source>
        <translation>Passwort &amp;merken</translation>
    </message>
    <message>
        <source>No keyring: the password is asked each time.</source>
        <translation>Kein Schlüsselbund: Das Passwort wird jedes Mal erfragt.</translation>
    </message>
    <message>
        <source>For example sftp://host:2222/var/www/site or https://host/dav/site/ (WebDAV). A password is never kept in the project.</source>
        <translation>Zum Beispiel sftp://host:2222/var/www/site oder https://host/dav/site/ (WebDAV). Ein Passwort wird nie im Projekt gespeichert.</translation>
    </message>
    <message>
        <source>&amp;Test Connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>The test was stopped.</source>
        <translation>Der Test wurde gestoppt.</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>User name must not hold &quot;@&quot;, &quot;:&quot;, &quot;/&quot; or spaces.</source>
        <translation>Der Benutzername darf kein „@“, „:“, „/“ und keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Connecting to %1...</source>
        <translation>Verbindung zu %1 wird hergestellt...</translation>
    </message>
</context>
<context>
    <name>ServerLogin</name>
    <message>
        <source>The server %1 is not known yet.</source>
        <translation>Der Server %1 ist noch nicht bekannt.</translation>
    </message>
    <message>
        <source>Its host key has the fingerprint
%1
Connect only if this is the fingerprint of your server (ask its administrator). Trust this server from now on?</source>
        <translation>Sein Host-Schlüssel hat den Fingerabdruck
%1
Verbinden Sie nur, wenn dies der Fingerabdruck Ihres Servers ist (fragen Sie dessen Administrator). Diesem Server ab jetzt vertrauen?</translation>
    </message>
    <message>
        <source>&amp;Trust and Connect</source>
        <translation>&amp;Vertrauen und verbinden</translation>
    </message>
    <message>
        <source>&amp;Do Not Connect</source>
        <translation>&amp;Nicht verbinden</translation>
    </message>
    <message>
        <source>Connecting to %1 was cancelled.</source>
        <translation>Die Verbindung zu %1 wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>FileTable</name>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
</context>
<context>
    <name>TransferActions</name>
    <message>
        <source>The project names no server: choose one with &quot;Server...&quot; beside the site folder.</source>
        <translation>Das Projekt nennt keinen Server: Wählen Sie einen mit „Server...“ neben dem Website-Ordner.</translation>
    </message>
    <message>
        <source>The project names no site folder: choose one with the folder button beside &quot;Advanced Options&quot; in Menu Options.</source>
        <translation>Das Projekt nennt keinen Website-Ordner: Wählen Sie einen mit der Ordner-Schaltfläche neben „Erweiterte Optionen“ in den Menüoptionen.</translation>
    </message>
    <message>
        <source>The project&apos;s server &quot;%1&quot; %2</source>
        <translation>Der Server „%1“ des Projekts %2</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>Upload to Server</source>
        <translation>Auf den Server hochladen</translation>
    </message>
    <message>
        <source>Get from Server</source>
        <translation>Vom Server holen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Show &amp;Changes</source>
        <translation>Änderungen &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Upload</source>
        <translation>&amp;Hochladen</translation>
    </message>
    <message>
        <source>&amp;Get</source>
        <translation>&amp;Holen</translation>
    </message>
    <message>
        <source>Connecting to %1 and comparing the files...</source>
        <translation>Verbindung mit %1 wird hergestellt, die Dateien werden verglichen...</translation>
    </message>
    <message>
        <source>Cancelling after the file under way...</source>
        <translation>Wird nach der laufenden Datei abgebrochen...</translation>
    </message>
    <message>
        <source>Replace the server&apos;s copy, changed since the last transfer, with this one</source>
        <translation>Die seit der letzten Übertragung geänderte Kopie auf dem Server durch diese ersetzen</translation>
    </message>
    <message>
        <source>Replace the copy here, changed since the last transfer, with the server&apos;s</source>
        <translation>Die seit der letzten Übertragung geänderte Kopie hier durch die des Servers ersetzen</translation>
    </message>
    <message>
        <source>No page in &quot;%1&quot; holds the menu: there is nothing to upload.</source>
        <translation>Keine Seite in „%1“ enthält das Menü: Es gibt nichts hochzuladen.</translation>
    </message>
    <message>
        <source>No page in &quot;%1&quot; holds the menu and is on the server: there is nothing to get.</source>
        <translation>Keine Seite in „%1“ enthält das Menü und liegt auf dem Server: Es gibt nichts zu holen.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be uploaded to %1.</source>
        <translation>
            <numerusform>%n Datei wird auf %1 hochgeladen.</numerusform>
            <numerusform>%n Dateien werden auf %1 hochgeladen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be downloaded from %1.</source>
        <translation>
            <numerusform>%n Datei wird von %1 heruntergeladen.</numerusform>
            <numerusform>%n Dateien werden von %1 heruntergeladen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) changed elsewhere since the last transfer: they are left as they are unless you check &quot;Overwrite&quot;.</source>
        <translation>
            <numerusform>%n Datei wurde seit der letzten Übertragung anderswo geändert: Sie bleibt, wie sie ist, außer Sie kreuzen „Überschreiben“ an.</numerusform>
            <numerusform>%n Dateien wurden seit der letzten Übertragung anderswo geändert: Sie bleiben, wie sie sind, außer Sie kreuzen „Überschreiben“ an.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) cannot be transferred (see their reasons).</source>
        <translation>
            <numerusform>%n Datei kann nicht übertragen werden (siehe den Grund).</numerusform>
            <numerusform>%n Dateien können nicht übertragen werden (siehe ihre Gründe).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) are not on the server.</source>
        <translation>
            <numerusform>%n Seite ist nicht auf dem Server.</numerusform>
            <numerusform>%n Seiten sind nicht auf dem Server.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n temporary file(s) of an interrupted run were tidied on the server.</source>
        <translation>
            <numerusform>%n temporäre Datei eines abgebrochenen Laufs wurde auf dem Server aufgeräumt.</numerusform>
            <numerusform>%n temporäre Dateien eines abgebrochenen Laufs wurden auf dem Server aufgeräumt.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is the same here and on the server.</source>
        <translation>Diese Datei ist hier und auf dem Server gleich.</translation>
    </message>
    <message>
        <source>The server&apos;s copy is too large to show its changes (%1).</source>
        <translation>Die Kopie auf dem Server ist zu groß, um ihre Änderungen anzuzeigen (%1).</translation>
    </message>
    <message>
        <source>Reading the server&apos;s copy...</source>
        <translation>Die Kopie auf dem Server wird gelesen...</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4</source>
        <translation>%1 von %2 Dateien, %3 von %4</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) uploaded (%1).</source>
        <translation>
            <numerusform>%n Datei hochgeladen (%1).</numerusform>
            <numerusform>%n Dateien hochgeladen (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) downloaded (%1).</source>
        <translation>
            <numerusform>%n Datei heruntergeladen (%1).</numerusform>
            <numerusform>%n Dateien heruntergeladen (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: they changed elsewhere (see their reasons).</source>
        <translation>
            <numerusform>%n Datei übersprungen: Sie wurde anderswo geändert (siehe den Grund).</numerusform>
            <numerusform>%n Dateien übersprungen: Sie wurden anderswo geändert (siehe ihre Gründe).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) failed (see their reasons).</source>
        <translation>
            <numerusform>%n Datei fehlgeschlagen (siehe den Grund).</numerusform>
            <numerusform>%n Dateien fehlgeschlagen (siehe ihre Gründe).</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: the other files were not uploaded. Every file on the server is whole; upload again to send the rest.</source>
        <translation>Abgebrochen: Die übrigen Dateien wurden nicht hochgeladen. Jede Datei auf dem Server ist vollständig; laden Sie erneut hoch, um den Rest zu senden.</translation>
    </message>
    <message>
        <source>Cancelled: the other files were not downloaded; every file here is whole.</source>
        <translation>Abgebrochen: Die übrigen Dateien wurden nicht heruntergeladen; jede Datei hier ist vollständig.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
