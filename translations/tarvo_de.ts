<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Hi,

I&apos;m Ilvane.

I&apos;m your image converter :)</source>
        <translation>Hallo,

ich bin Ilvane.

Ich bin Ihr Bildkonverter :)</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>%1, slider</source>
        <translation>%1, Schieberegler</translation>
    </message>
</context>
<context>
    <name>GraphicConverter</name>
    <message>
        <source>Tarvo Image Converter</source>
        <translation>Tarvo Image Converter</translation>
    </message>
    <message>
        <source>Add image files</source>
        <translation>Bilddateien hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>Convert image files</source>
        <translation>Bilddateien konvertieren</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Konvertieren</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Konvertierung anhalten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Delete current item from list</source>
        <translation>Ausgewählten Eintrag aus der Liste entfernen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Liste leeren</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Anwendung beenden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Beende&amp;n</translation>
    </message>
    <message>
        <source>Like us on Facebook</source>
        <translation>Liken Sie uns auf Facebook</translation>
    </message>
    <message>
        <source>Visit https://example.org/</source>
        <translation>Besuchen Sie https://example.org/</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;a href=&quot;https://example.org/&quot;&gt;example.org&lt;/a&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;a href=&quot;https://example.org/&quot;&gt;example.org&lt;/a&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>Globale Optionen</translation>
    </message>
    <message>
        <source>JPEG Options</source>
        <translation>JPEG-Optionen</translation>
    </message>
    <message>
        <source>GIF Options</source>
        <translation>GIF-Optionen</translation>
    </message>
    <message>
        <source>PNG Options</source>
        <translation>PNG-Optionen</translation>
    </message>
    <message>
        <source>Resize Options</source>
        <translation>Größenänderung</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Save Files</source>
        <translation>Dateien speichern</translation>
    </message>
    <message>
        <source>Overwrite (not recommended)</source>
        <translation>Überschreiben (nicht empfohlen)</translation>
    </message>
    <message>
        <source>Output names</source>
        <translation>Ausgabenamen</translation>
    </message>
    <message>
        <source>{name} whole name without its extension, {base} up to the first dot, {n} or {n:3} position in the list, {width}, {height}, {date} taken, {folder}</source>
        <translation>{name} ganzer Name ohne Endung, {base} bis zum ersten Punkt, {n} oder {n:3} Position in der Liste, {width}, {height}, {date} der Aufnahme, {folder}</translation>
    </message>
    <message>
        <source>{base}</source>
        <translation>{base}</translation>
    </message>
    <message>
        <source>With an output folder, each file of an imported folder goes to its own sub-folder there, made as needed</source>
        <translation>Mit einem Ausgabeordner kommt jede Datei eines importierten Ordners dort in ihren eigenen Unterordner, der bei Bedarf angelegt wird</translation>
    </message>
    <message>
        <source>Keep sub-folders</source>
        <translation>Unterordner beibehalten</translation>
    </message>
    <message>
        <source>Leave a file alone when its output is there already, so a job run again converts only what is missing</source>
        <translation>Eine Datei auslassen, wenn ihre Ausgabe schon vorhanden ist; so konvertiert ein erneuter Lauf nur, was fehlt</translation>
    </message>
    <message>
        <source>Skip files already converted</source>
        <translation>Bereits konvertierte überspringen</translation>
    </message>
    <message>
        <source>Write each frame or page of an animation or multi-page file to a file of its own: name-1, name-2...</source>
        <translation>Jedes Einzelbild bzw. jede Seite einer Animation oder mehrseitigen Datei in eine eigene Datei schreiben: name-1, name-2...</translation>
    </message>
    <message>
        <source>One file per frame/page</source>
        <translation>Eine Datei je Bild/Seite</translation>
    </message>
    <message>
        <source>Give each output the date its input was last changed, not the time of the conversion</source>
        <translation>Jeder Ausgabe das Änderungsdatum ihrer Eingabe geben, nicht den Zeitpunkt der Konvertierung</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Dateidatum beibehalten</translation>
    </message>
    <message>
        <source>End the run at the first file that cannot be converted</source>
        <translation>Den Lauf bei der ersten Datei beenden, die nicht konvertiert werden kann</translation>
    </message>
    <message>
        <source>Stop at the first failure</source>
        <translation>Beim ersten Fehler anhalten</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Dateien gleichzeitig</translation>
    </message>
    <message>
        <source>How many files convert side by side; 1 converts one after the other</source>
        <translation>Wie viele Dateien parallel konvertiert werden; 1 konvertiert eine nach der anderen</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Strip All Profiles (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</source>
        <translation>Alle Profile entfernen (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</translation>
    </message>
    <message>
        <source>Keep the ICC colour profile while the rest is stripped; without it the pixels are turned into sRGB first, so the picture looks the same</source>
        <translation>Das ICC-Farbprofil behalten, während der Rest entfernt wird; ohne es werden die Pixel zuerst nach sRGB umgerechnet, damit das Bild gleich aussieht</translation>
    </message>
    <message>
        <source>Keep the colour profile</source>
        <translation>Farbprofil behalten</translation>
    </message>
    <message>
        <source>Remove where the picture was taken (GPS) from the EXIF and XMP that are kept</source>
        <translation>Den Aufnahmeort (GPS) aus den behaltenen EXIF- und XMP-Daten entfernen</translation>
    </message>
    <message>
        <source>Remove location data</source>
        <translation>Standortdaten entfernen</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Inherit Transparency</source>
        <translation>Transparenz übernehmen</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Hintergrundfarbe auswählen</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>S&amp;tandard</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>Pixel/Zoll</translation>
    </message>
    <message>
        <source>Interlace Type</source>
        <translation>Interlacing</translation>
    </message>
    <message>
        <source>Progressive JPEG</source>
        <translation>Progressives JPEG</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimieren</translation>
    </message>
    <message>
        <source>Huffman Coding Tables Optimization</source>
        <translation>Huffman-Tabellen optimieren</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Image Representation Type</source>
        <translation>Bildtyp</translation>
    </message>
    <message>
        <source>TrueColor</source>
        <translation>Echtfarben</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Monochrom</translation>
    </message>
    <message>
        <source>Colorspace Type</source>
        <translation>Farbraum</translation>
    </message>
    <message>
        <source>YCbCr</source>
        <translation>YCbCr</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>GRAY</source>
        <translation>GRAY</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>Compression Type</source>
        <translation>Kompressionsart</translation>
    </message>
    <message>
        <source>JPEG Compression</source>
        <translation>JPEG-Kompression</translation>
    </message>
    <message>
        <source>Lossless JPEG Compression</source>
        <translation>Verlustfreie JPEG-Kompression</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimierung</translation>
    </message>
    <message>
        <source>LineInterlace</source>
        <translation>Zeilen-Interlacing</translation>
    </message>
    <message>
        <source>Floyd-Steinberg Dithering</source>
        <translation>Floyd-Steinberg-Dithering</translation>
    </message>
    <message>
        <source>Quantize Dither</source>
        <translation>Dithering beim Quantisieren</translation>
    </message>
    <message>
        <source>Quantization</source>
        <translation>Quantisierung</translation>
    </message>
    <message>
        <source>Quantize Colorspace</source>
        <translation>Farbraum der Quantisierung</translation>
    </message>
    <message>
        <source>YUV</source>
        <translation>YUV</translation>
    </message>
    <message>
        <source>OHTA</source>
        <translation>OHTA</translation>
    </message>
    <message>
        <source>XYZ</source>
        <translation>XYZ</translation>
    </message>
    <message>
        <source>YCC</source>
        <translation>YCC</translation>
    </message>
    <message>
        <source>YIQ</source>
        <translation>YIQ</translation>
    </message>
    <message>
        <source>YPbPr</source>
        <translation>YPbPr</translation>
    </message>
    <message>
        <source>sRGB</source>
        <translation>sRGB</translation>
    </message>
    <message>
        <source>HSL</source>
        <translation>HSL</translation>
    </message>
    <message>
        <source>HWB</source>
        <translation>HWB</translation>
    </message>
    <message>
        <source>LAB</source>
        <translation>LAB</translation>
    </message>
    <message>
        <source>Cineon Log RGB</source>
        <translation>Cineon Log RGB</translation>
    </message>
    <message>
        <source>Quantize Colors</source>
        <translation>Quantisierungsfarben</translation>
    </message>
    <message>
        <source>Depth of the Quantization Color Tree</source>
        <translation>Tiefe des Quantisierungs-Farbbaums</translation>
    </message>
    <message>
        <source>Colorspace</source>
        <translation>Farbraum</translation>
    </message>
    <message>
        <source>Compression Quality</source>
        <translation>Kompressionsqualität</translation>
    </message>
    <message>
        <source>Compression Level</source>
        <translation>Kompressionsstufe</translation>
    </message>
    <message>
        <source>Filter Type</source>
        <translation>Filtertyp</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Sub</source>
        <translation>Sub</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message>
        <source>Paeth</source>
        <translation>Paeth</translation>
    </message>
    <message>
        <source>Adaptive</source>
        <translation>Adaptiv</translation>
    </message>
    <message>
        <source>Adaptive with minimum-sum-of-absolute-values</source>
        <translation>Adaptiv mit minimaler Summe der Absolutwerte</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Aktivierung</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aktiviert</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Factor: 2 doubles the size, 3 triples it; -2 halves it, -3 makes it a third; 0 resizes to the width and height below</source>
        <translation>Faktor: 2 verdoppelt die Größe, 3 verdreifacht sie; -2 halbiert sie, -3 drittelt sie; 0 skaliert auf die Breite und Höhe unten</translation>
    </message>
    <message>
        <source> (-2: half, 2: double)</source>
        <translation> (-2: halb, 2: doppelt)</translation>
    </message>
    <message>
        <source>or</source>
        <translation>oder</translation>
    </message>
    <message>
        <source>Percent of the size, used when the factor is 0: 50% halves it, 150% makes it half as large again; off resizes to the width and height below</source>
        <translation>Prozent der Größe, verwendet, wenn der Faktor 0 ist: 50% halbiert sie, 150% macht sie anderthalbmal so groß; „aus“ skaliert auf die Breite und Höhe unten</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Maße</translation>
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
        <source>Exactly width x height: a picture of other proportions is stretched or squeezed to it</source>
        <translation>Genau Breite x Höhe: ein Bild mit anderen Proportionen wird darauf gestreckt oder gestaucht</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Fit into width x height keeping the proportions: the picture is as large as the box allows</source>
        <translation>In Breite x Höhe einpassen, mit gleichen Proportionen: das Bild wird so groß, wie der Rahmen erlaubt</translation>
    </message>
    <message>
        <source>Based on width</source>
        <translation>Anhand der Breite</translation>
    </message>
    <message>
        <source>Never enlarge: a picture the resize would make larger on either side keeps its size</source>
        <translation>Nie vergrößern: ein Bild, das durch die Größenänderung auf einer Seite größer würde, behält seine Größe</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Nur verkleinern</translation>
    </message>
    <message>
        <source>Algorithms</source>
        <translation>Algorithmen</translation>
    </message>
    <message>
        <source>Resize Operator</source>
        <translation>Skalierungsverfahren</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Ausgewogen</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Lanczos</source>
        <translation>Lanczos</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Box</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Hermite</source>
        <translation>Hermite</translation>
    </message>
    <message>
        <source>Hanning</source>
        <translation>Hanning</translation>
    </message>
    <message>
        <source>Hamming</source>
        <translation>Hamming</translation>
    </message>
    <message>
        <source>Blackman</source>
        <translation>Blackman</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gaussian</translation>
    </message>
    <message>
        <source>Quadratic</source>
        <translation>Quadratic</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cubic</translation>
    </message>
    <message>
        <source>Catrom</source>
        <translation>Catrom</translation>
    </message>
    <message>
        <source>Mitchell</source>
        <translation>Mitchell</translation>
    </message>
    <message>
        <source>Bessel</source>
        <translation>Bessel</translation>
    </message>
    <message>
        <source>Sinc</source>
        <translation>Sinc</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Speicheroptionen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Format&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Format&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Quality&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Qualität&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Path Options</source>
        <translation>Pfadoptionen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Output&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Ausgabe&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Where the outputs go: type a folder or choose one with the button; a folder that does not exist yet is made when you convert</source>
        <translation>Wohin die Ausgaben kommen: einen Ordner eingeben oder mit der Schaltfläche wählen; ein noch nicht vorhandener Ordner wird beim Konvertieren angelegt</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Original Directory</source>
        <translation>Originalordner</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Vorlagen</translation>
    </message>
    <message>
        <source>&amp;Save Options As…</source>
        <translation>Optionen &amp;speichern unter…</translation>
    </message>
    <message>
        <source>Keep every option under a name, to load again for the same kind of job</source>
        <translation>Alle Optionen unter einem Namen speichern, um sie für gleichartige Aufgaben wieder zu laden</translation>
    </message>
    <message>
        <source>Set every option to its default; the list and the output folder stay</source>
        <translation>Alle Optionen auf ihren Standardwert setzen; Liste und Ausgabeordner bleiben erhalten</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Import Folder</source>
        <translation>Ordner &amp;importieren</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Import Folder with &amp;Subfolders</source>
        <translation>Ordner mit &amp;Unterordnern importieren</translation>
    </message>
    <message>
        <source>&amp;Open Directory</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Dateien öffnen</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Not added, the name is not valid UTF-8: %1</source>
        <translation>Nicht hinzugefügt, der Name ist kein gültiges UTF-8: %1</translation>
    </message>
    <message>
        <source>Not added, no such file or folder: %1</source>
        <translation>Nicht hinzugefügt, Datei oder Ordner existiert nicht: %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Keine Dateien</translation>
    </message>
    <message>
        <source>Output Names</source>
        <translation>Ausgabenamen</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>Das Namensmuster %1.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Make it?</source>
        <translation>Der Ordner %1 existiert nicht. Soll er angelegt werden?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v von %m</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe auswählen</translation>
    </message>
    <message>
        <source>Could not convert %1: %2</source>
        <translation>%1 konnte nicht konvertiert werden: %2</translation>
    </message>
    <message>
        <source>The options will not be saved: %1 cannot be written (%2)</source>
        <translation>Die Optionen werden nicht gespeichert: %1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>Save Options As</source>
        <translation>Optionen speichern unter</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Name der Vorlage:</translation>
    </message>
    <message>
        <source>A preset cannot be called &quot;%1&quot;: give it a name without &quot;/&quot; that does not start with a dot.</source>
        <translation>Eine Vorlage kann nicht „%1“ heißen: Geben Sie ihr einen Namen ohne „/“, der nicht mit einem Punkt beginnt.</translation>
    </message>
    <message>
        <source>There is a preset &quot;%1&quot; already. Replace it?</source>
        <translation>Es gibt bereits eine Vorlage „%1“. Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>The preset %1 %2.</source>
        <translation>Die Vorlage %1 %2.</translation>
    </message>
    <message>
        <source>Set every option as the preset %1 has it</source>
        <translation>Alle Optionen wie in der Vorlage %1 setzen</translation>
    </message>
    <message>
        <source>De&amp;lete Preset</source>
        <translation>Vorlage &amp;löschen</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Vorlage löschen</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Die Vorlage „%1“ löschen?</translation>
    </message>
    <message>
        <source>AVIF quality: the detail kept; lossless is set on the AVIF page</source>
        <translation>AVIF-Qualität: die erhaltenen Details; verlustfrei wird auf der AVIF-Seite eingestellt</translation>
    </message>
    <message>
        <source>GIF has no quality: it keeps up to 256 colours, as set on the GIF page</source>
        <translation>GIF hat keine Qualität: es behält bis zu 256 Farben, wie auf der GIF-Seite eingestellt</translation>
    </message>
    <message>
        <source>JPEG2000 has no quality here: it is written without loss</source>
        <translation>JPEG2000 hat hier keine Qualität: es wird verlustfrei geschrieben</translation>
    </message>
    <message>
        <source>JPEG quality, the same as on the JPEG page: higher keeps more detail in a larger file</source>
        <translation>JPEG-Qualität, wie auf der JPEG-Seite: höher erhält mehr Details in einer größeren Datei</translation>
    </message>
    <message>
        <source>JPEG XL quality: 90 looks the same as the original, 100 keeps every pixel</source>
        <translation>JPEG-XL-Qualität: 90 sieht aus wie das Original, 100 erhält jedes Pixel</translation>
    </message>
    <message>
        <source>PDF quality: photos kept as JPEG keep more detail in a larger file; other pictures are packed tighter</source>
        <translation>PDF-Qualität: als JPEG gespeicherte Fotos behalten mehr Details in einer größeren Datei; andere Bilder werden dichter gepackt</translation>
    </message>
    <message>
        <source>PNG has no quality: it keeps every pixel; its compression is set on the PNG page</source>
        <translation>PNG hat keine Qualität: es erhält jedes Pixel; die Kompression wird auf der PNG-Seite eingestellt</translation>
    </message>
    <message>
        <source>TIFF quality: only JPEG compression, chosen on the TIFF page, loses detail</source>
        <translation>TIFF-Qualität: nur die JPEG-Kompression, auf der TIFF-Seite gewählt, verliert Details</translation>
    </message>
    <message>
        <source>WebP quality: the detail kept, or for lossless WebP the effort spent on size</source>
        <translation>WebP-Qualität: die erhaltenen Details oder, bei verlustfreiem WebP, der Aufwand für die Dateigröße</translation>
    </message>
    <message>
        <source>Stopping… (1 file finishing)</source>
        <translation>Wird angehalten… (1 Datei wird fertig)</translation>
    </message>
    <message>
        <source>Stopping… (%1 files finishing)</source>
        <translation>Wird angehalten… (%1 Dateien werden fertig)</translation>
    </message>
    <message>
        <source>0 item</source>
        <translation>0 Dateien</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 Datei</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>Replace a file that has the output&apos;s name, keeping it as name_backup_N; off, the output takes a free name (name_1) instead</source>
        <translation>Eine Datei mit dem Namen der Ausgabe ersetzen und als name_backup_N behalten; aus: die Ausgabe bekommt stattdessen einen freien Namen (name_1)</translation>
    </message>
    <message>
        <source>Leave out what is stored beside the pixels (camera data, colour profiles, comments): smaller files that say nothing of where they came from</source>
        <translation>Weglassen, was neben den Pixeln gespeichert ist (Kameradaten, Farbprofile, Kommentare): kleinere Dateien, die nichts über ihre Herkunft verraten</translation>
    </message>
    <message>
        <source>Keep transparent areas transparent where the format can; off, they are filled with the background colour</source>
        <translation>Transparente Bereiche transparent lassen, wo das Format es kann; aus: sie werden mit der Hintergrundfarbe gefüllt</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file; 75 to 90 suits photos</source>
        <translation>Höher behält mehr Details in einer größeren Datei; 75 bis 90 passt für Fotos</translation>
    </message>
    <message>
        <source>The print size stored in the file, in dots per inch; the pixels stay as they are</source>
        <translation>Die in der Datei gespeicherte Druckgröße in Punkten pro Zoll; die Pixel bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>Stored coarse to fine, so that a web page shows the whole picture at once and sharpens it; often a little smaller</source>
        <translation>Von grob nach fein gespeichert, sodass eine Webseite sofort das ganze Bild zeigt und es dann schärft; oft etwas kleiner</translation>
    </message>
    <message>
        <source>Works out the best code tables for each picture: a few percent smaller, nothing lost, a little slower</source>
        <translation>Berechnet für jedes Bild die besten Codetabellen: einige Prozent kleiner, nichts geht verloren, etwas langsamer</translation>
    </message>
    <message>
        <source>TrueColor keeps the colours, Grayscale only the brightness, Monochrome only black and white</source>
        <translation>Echtfarben behält die Farben, Graustufen nur die Helligkeit, Monochrom nur Schwarz und Weiß</translation>
    </message>
    <message>
        <source>How the colours are stored: YCbCr is what cameras and browsers expect; RGB, GRAY or CMYK (for print) only when asked for</source>
        <translation>Wie die Farben gespeichert werden: YCbCr erwarten Kameras und Browser; RGB, GRAY oder CMYK (für den Druck) nur auf Verlangen</translation>
    </message>
    <message>
        <source>JPEG compression loses detail as the quality says; lossless JPEG keeps every pixel, but few programs read it</source>
        <translation>JPEG-Kompression verliert Details gemäß der Qualität; verlustfreies JPEG behält jedes Pixel, aber wenige Programme lesen es</translation>
    </message>
    <message>
        <source>Optimization keeps up to 256 colours chosen for the picture; Monochrome only black and white</source>
        <translation>Optimierung behält bis zu 256 für das Bild gewählte Farben; Monochrom nur Schwarz und Weiß</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; a little larger</source>
        <translation>In Durchgängen gespeichert, sodass eine Webseite sofort ein grobes Bild zeigt; etwas größer</translation>
    </message>
    <message>
        <source>Mixes the few colours a GIF has in fine patterns, so that gradients look smooth rather than banded</source>
        <translation>Mischt die wenigen Farben eines GIF in feinen Mustern, damit Verläufe glatt statt streifig aussehen</translation>
    </message>
    <message>
        <source>The colour model in which the GIF&apos;s colours are chosen: RGB suits most pictures; the others may keep skin tones or gradients better</source>
        <translation>Das Farbmodell, in dem die Farben des GIF gewählt werden: RGB passt für die meisten Bilder; die anderen erhalten Hauttöne oder Verläufe mitunter besser</translation>
    </message>
    <message>
        <source>How many colours the GIF keeps, at most 256; fewer gives a smaller file</source>
        <translation>Wie viele Farben das GIF behält, höchstens 256; weniger ergibt eine kleinere Datei</translation>
    </message>
    <message>
        <source>How finely colours are sorted before they are chosen; 0 lets the program decide, higher is slower and rarely better</source>
        <translation>Wie fein die Farben sortiert werden, bevor sie gewählt werden; 0 überlässt es dem Programm, höher ist langsamer und selten besser</translation>
    </message>
    <message>
        <source>The colour model the pixels are stored in; keep RGB unless another program asks for a different one</source>
        <translation>Das Farbmodell, in dem die Pixel gespeichert werden; RGB beibehalten, außer ein anderes Programm verlangt ein anderes</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; larger</source>
        <translation>In Durchgängen gespeichert, sodass eine Webseite sofort ein grobes Bild zeigt; größer</translation>
    </message>
    <message>
        <source>How hard the file is packed: 9 is smallest and slowest, 0 not packed; nothing is lost either way</source>
        <translation>Wie stark die Datei gepackt wird: 9 ist am kleinsten und langsamsten, 0 ungepackt; verloren geht in keinem Fall etwas</translation>
    </message>
    <message>
        <source>How each row is prepared before it is packed; Adaptive chooses row by row and is usually smallest</source>
        <translation>Wie jede Zeile vor dem Packen vorbereitet wird; Adaptiv wählt Zeile für Zeile und ist meist am kleinsten</translation>
    </message>
    <message>
        <source>Change the pixel size of every picture as set on this page</source>
        <translation>Die Pixelgröße jedes Bildes wie auf dieser Seite eingestellt ändern</translation>
    </message>
    <message>
        <source>The width in pixels of the box the pictures are resized to</source>
        <translation>Die Breite in Pixeln des Rahmens, auf den die Bilder gebracht werden</translation>
    </message>
    <message>
        <source>The height in pixels of the box the pictures are resized to</source>
        <translation>Die Höhe in Pixeln des Rahmens, auf den die Bilder gebracht werden</translation>
    </message>
    <message>
        <source>Balanced is fast and smooth; Optimization is sharper (Lanczos); Customized uses the filter chosen below</source>
        <translation>Ausgewogen ist schnell und weich; Optimierung ist schärfer (Lanczos); Benutzerdefiniert nutzt den unten gewählten Filter</translation>
    </message>
    <message>
        <source>With Customized: how new pixels are worked out from the old; Lanczos is sharp, Box and Point fast and blocky</source>
        <translation>Bei Benutzerdefiniert: wie neue Pixel aus den alten berechnet werden; Lanczos ist scharf, Box und Point schnell und kantig</translation>
    </message>
    <message>
        <source>The format every output is written in</source>
        <translation>Das Format, in dem jede Ausgabe geschrieben wird</translation>
    </message>
    <message>
        <source>The chosen format&apos;s quality: higher keeps more detail in a larger file</source>
        <translation>Die Qualität des gewählten Formats: höher behält mehr Details in einer größeren Datei</translation>
    </message>
    <message>
        <source>Choose the folder the outputs go to</source>
        <translation>Den Ordner für die Ausgaben wählen</translation>
    </message>
    <message>
        <source>Write each output beside its input, in the input&apos;s own folder</source>
        <translation>Jede Ausgabe neben ihre Eingabe schreiben, in deren eigenen Ordner</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Alle Bilder (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Zu konvertierende Dateien</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Optionsseiten</translation>
    </message>
    <message>
        <source>Options of the page</source>
        <translation>Optionen der Seite</translation>
    </message>
    <message>
        <source>Percent of the size</source>
        <translation>Prozent der Größe</translation>
    </message>
    <message>
        <source>PDF quality</source>
        <translation>PDF-Qualität</translation>
    </message>
    <message>
        <source>Files and options</source>
        <translation>Dateien und Optionen</translation>
    </message>
</context>
<context>
    <name>ImageInfoDialog</name>
    <message>
        <source>Image Properties</source>
        <translation>Bildeigenschaften</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Total Colors</source>
        <translation>Farben insgesamt</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Wird gelesen…</translation>
    </message>
    <message>
        <source>Cannot show this picture: %1</source>
        <translation>Dieses Bild kann nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>There is no file at this path any more.</source>
        <translation>Unter diesem Pfad gibt es keine Datei mehr.</translation>
    </message>
    <message>
        <source>Cannot read this file: %1</source>
        <translation>Diese Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>Counting…</source>
        <translation>Wird gezählt…</translation>
    </message>
    <message>
        <source>too large to count</source>
        <translation>zu groß zum Zählen</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>nicht zählbar</translation>
    </message>
</context>
<context>
    <name>InputFormats</name>
    <message>
        <source>Windows icon</source>
        <translation>Windows-Symbol</translation>
    </message>
    <message>
        <source>Apple icon</source>
        <translation>Apple-Symbol</translation>
    </message>
    <message>
        <source>Sun raster</source>
        <translation>Sun-Raster</translation>
    </message>
    <message>
        <source>animated cursor</source>
        <translation>animierter Mauszeiger</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>has a &quot;}&quot; without its &quot;{&quot;</source>
        <translation>enthält ein „}“ ohne zugehöriges „{“</translation>
    </message>
    <message>
        <source>has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>enthält ein „{“ ohne zugehöriges „}“</translation>
    </message>
    <message>
        <source>has {%1}, which is none of {name} {base} {n} {n:3} {width} {height} {date} {folder}</source>
        <translation>enthält {%1}, das keines von {name} {base} {n} {n:3} {width} {height} {date} {folder} ist</translation>
    </message>
    <message>
        <source>may not hold &quot;/&quot;, &quot;\&quot; or &quot;..&quot;: every output stays in its folder</source>
        <translation>darf kein „/“, „\“ oder „..“ enthalten: jede Ausgabe bleibt in ihrem Ordner</translation>
    </message>
    <message>
        <source>may not hold control characters</source>
        <translation>darf keine Steuerzeichen enthalten</translation>
    </message>
</context>
<context>
    <name>OptionForm</name>
    <message>
        <source>%1 Options</source>
        <translation>%1-Optionen</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompression</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Verlustfrei</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Colour Resolution</source>
        <translation>Farbauflösung</translation>
    </message>
    <message>
        <source>4:2:0 (half, as photos)</source>
        <translation>4:2:0 (halb, wie bei Fotos)</translation>
    </message>
    <message>
        <source>4:4:4 (full, for sharp colour edges)</source>
        <translation>4:4:4 (voll, für scharfe Farbkanten)</translation>
    </message>
    <message>
        <source>Lossless (a JPEG is kept as it is)</source>
        <translation>Verlustfrei (ein JPEG bleibt, wie es ist)</translation>
    </message>
    <message>
        <source>Effort</source>
        <translation>Aufwand</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Deflate (zip)</source>
        <translation>Deflate (zip)</translation>
    </message>
    <message>
        <source>Predictor</source>
        <translation>Prädiktor</translation>
    </message>
    <message>
        <source>Horizontal differencing</source>
        <translation>Horizontale Differenzbildung</translation>
    </message>
    <message>
        <source>Quality (JPEG compression)</source>
        <translation>Qualität (JPEG-Kompression)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Zstandard</source>
        <translation>Zstandard</translation>
    </message>
</context>
<context>
    <name>OptionPage</name>
    <message>
        <source>&amp;Default</source>
        <translation>S&amp;tandard</translation>
    </message>
</context>
<context>
    <name>OutputPreview</name>
    <message>
        <source>%1 → %1 (kept: it would be enlarged)</source>
        <translation>%1 → %1 (beibehalten: würde vergrößert)</translation>
    </message>
    <message>
        <source>%1 (stretched)</source>
        <translation>%1 (gestreckt)</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>Das Namensmuster %1.</translation>
    </message>
    <message>
        <source>Reading the size of %1…</source>
        <translation>Größe von %1 wird gelesen…</translation>
    </message>
    <message>
        <source>The size of %1 cannot be read.</source>
        <translation>Die Größe von %1 kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>cannot be made</source>
        <translation>kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>this is a PostScript document, not a picture</source>
        <translation>dies ist ein PostScript-Dokument, kein Bild</translation>
    </message>
    <message>
        <source>this is a PDF document, not a picture</source>
        <translation>dies ist ein PDF-Dokument, kein Bild</translation>
    </message>
    <message>
        <source>this is an XPS document, not a picture</source>
        <translation>dies ist ein XPS-Dokument, kein Bild</translation>
    </message>
    <message>
        <source>this is an SVG drawing, not a picture</source>
        <translation>dies ist eine SVG-Zeichnung, kein Bild</translation>
    </message>
    <message>
        <source>this is a Windows metafile drawing, not a picture</source>
        <translation>dies ist eine Windows-Metafile-Zeichnung, kein Bild</translation>
    </message>
    <message>
        <source>not a picture this program can read</source>
        <translation>kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>the file was cut short</source>
        <translation>die Datei ist abgeschnitten</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written</source>
        <translation>nur das erste von %1 Einzelbildern wurde geschrieben</translation>
    </message>
    <message>
        <source>only the first %1 frames were written</source>
        <translation>nur die ersten %1 Einzelbilder wurden geschrieben</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: all of them take more than the memory budget</source>
        <translation>nur das erste von %1 Einzelbildern wurde geschrieben: alle zusammen brauchen mehr als das Speicherbudget</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: the others cannot be read (%2)</source>
        <translation>nur das erste von %1 Einzelbildern wurde geschrieben: die übrigen können nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not enough memory to convert the image</source>
        <translation>nicht genug Speicher, um das Bild zu konvertieren</translation>
    </message>
    <message>
        <source>the decoder sent a malformed answer; the file is probably hostile</source>
        <translation>der Decoder hat eine fehlerhafte Antwort gesendet; die Datei ist vermutlich bösartig</translation>
    </message>
    <message>
        <source>standard input is a terminal, not a picture piped in</source>
        <translation>die Standardeingabe ist ein Terminal, kein per Pipe übergebenes Bild</translation>
    </message>
    <message>
        <source>%1 pictures cannot go to standard output as one</source>
        <translation>%1 Bilder können nicht zusammen in die Standardausgabe geschrieben werden</translation>
    </message>
    <message>
        <source>the sandbox for decoders cannot be set up on this system</source>
        <translation>die Sandbox für Decoder kann auf diesem System nicht eingerichtet werden</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (exit status %1); the file is probably damaged or hostile</source>
        <translation>der Decoder wurde unerwartet beendet (Exit-Status %1); die Datei ist vermutlich beschädigt oder bösartig</translation>
    </message>
    <message>
        <source>the decoder took too long; the file is probably damaged or hostile</source>
        <translation>der Decoder hat zu lange gebraucht; die Datei ist vermutlich beschädigt oder bösartig</translation>
    </message>
    <message>
        <source>the decoder tried to start a program, which no picture needs, and was stopped; the file is probably hostile</source>
        <translation>der Decoder wollte ein Programm starten, was kein Bild braucht, und wurde gestoppt; die Datei ist vermutlich bösartig</translation>
    </message>
    <message>
        <source>the decoder crashed (%1); the file is probably damaged or hostile</source>
        <translation>der Decoder ist abgestürzt (%1); die Datei ist vermutlich beschädigt oder bösartig</translation>
    </message>
    <message>
        <source>cannot start the decoder&apos;s process (%1)</source>
        <translation>der Decoder-Prozess kann nicht gestartet werden (%1)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 bytes)</source>
        <translation>die Datei ist zu groß zum Lesen (%1 Bytes)</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 MiB, more than the memory budget of %2 MiB)</source>
        <translation>die Datei ist zu groß zum Lesen (%1 MiB, mehr als das Speicherbudget von %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory to read the file</source>
        <translation>nicht genug Speicher, um die Datei zu lesen</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written</source>
        <translation>nur das erste von %1 oder mehr Einzelbildern wurde geschrieben</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: all of them take more than the memory budget</source>
        <translation>nur das erste von %1 oder mehr Einzelbildern wurde geschrieben: alle zusammen brauchen mehr als das Speicherbudget</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: the others cannot be read (%2)</source>
        <translation>nur das erste von %1 oder mehr Einzelbildern wurde geschrieben: die anderen sind nicht lesbar (%2)</translation>
    </message>
    <message>
        <source>cannot be opened: the name is not valid UTF-8</source>
        <translation>lässt sich nicht öffnen: der Name ist kein gültiges UTF-8</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Warning: %1
</source>
        <translation>Warnung: %1
</translation>
    </message>
    <message>
        <source>%1: skipped, %2 is there
</source>
        <translation>%1: übersprungen, %2 ist vorhanden
</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 konvertiert</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 übersprungen</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Stopped by %1: %2, %3 not converted</source>
        <translation>Durch %1 angehalten: %2, %3 nicht konvertiert</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 nicht begonnen</translation>
    </message>
    <message>
        <source>Replaced files kept as backups (*_backup_N): %1
</source>
        <translation>Ersetzte Dateien als Sicherung behalten (*_backup_N): %1
</translation>
    </message>
    <message>
        <source>Outputs under a free name (*_N), the plain one being taken: %1
</source>
        <translation>Ausgaben unter einem freien Namen (*_N), da der eigentliche vergeben war: %1
</translation>
    </message>
    <message>
        <source> and %1 more files</source>
        <translation> und %1 weitere Dateien</translation>
    </message>
    <message>
        <source>a free name: the plain one was taken</source>
        <translation>ein freier Name: der eigentliche war vergeben</translation>
    </message>
    <message>
        <source>the file there kept as %1</source>
        <translation>die vorhandene Datei als %1 behalten</translation>
    </message>
    <message>
        <source>Dry run: %1 to convert, %2 skipped, %3 failed
</source>
        <translation>Probelauf: %1 zu konvertieren, %2 übersprungen, %3 fehlgeschlagen
</translation>
    </message>
    <message>
        <source>Made the folder %1
</source>
        <translation>Ordner %1 angelegt
</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>kein Bild, das dieses Programm lesen kann</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>die Datei endet vor dem Ende des Bildes</translation>
    </message>
    <message>
        <source>the picture data is damaged</source>
        <translation>die Bilddaten sind beschädigt</translation>
    </message>
    <message>
        <source>stray bytes in the picture data were skipped</source>
        <translation>überzählige Bytes in den Bilddaten wurden übersprungen</translation>
    </message>
    <message>
        <source>its colour profile is not quite right</source>
        <translation>das Farbprofil ist nicht ganz korrekt</translation>
    </message>
    <message>
        <source>the picture is larger than this program allows</source>
        <translation>das Bild ist größer, als dieses Programm erlaubt</translation>
    </message>
    <message>
        <source>this program is not allowed to use the file or folder</source>
        <translation>dieses Programm darf die Datei oder den Ordner nicht verwenden</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk cannot be written to</source>
        <translation>auf den Datenträger kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the name is too long for the disk</source>
        <translation>der Name ist zu lang für den Datenträger</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 converted</source>
        <translation>Angehalten: %1 von %2 konvertiert</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 konvertiert</translation>
    </message>
    <message>
        <source>, %1 with warnings</source>
        <translation>, %1 mit Warnungen</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 übersprungen</translation>
    </message>
    <message>
        <source>, backups kept: %1 (*_backup_N)</source>
        <translation>, Sicherungen behalten: %1 (*_backup_N)</translation>
    </message>
    <message>
        <source>, free names taken: %1 (*_N)</source>
        <translation>, freie Namen verwendet: %1 (*_N)</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> in %1</translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <translation>Nicht konvertiert: %1</translation>
    </message>
    <message>
        <source>Skipped: %1 is there already</source>
        <translation>Übersprungen: %1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>%1 and one more file</source>
        <translation>%1 und eine weitere Datei</translation>
    </message>
    <message>
        <source>%1 and %2 more files</source>
        <translation>%1 und %2 weitere Dateien</translation>
    </message>
    <message>
        <source>Converted to %1</source>
        <translation>Konvertiert nach %1</translation>
    </message>
    <message>
        <source>Converted to %1, with a warning: %2</source>
        <translation>Konvertiert nach %1, mit einer Warnung: %2</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Nicht konvertiert</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Konvertiert</translation>
    </message>
    <message>
        <source>Converted with a warning</source>
        <translation>Mit Warnung konvertiert</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
</context>
<context>
    <name>RunReportDialog</name>
    <message>
        <source>Conversion Report</source>
        <translation>Konvertierungsbericht</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>Liste &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>Ausgabe&amp;ordner öffnen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files with problems</source>
        <translation>Dateien mit Problemen</translation>
    </message>
</context>
</TS>
