<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Hi,

I&apos;m Ilvane.

I&apos;m your image converter :)</source>
        <translation>Bonjour,

Je suis Ilvane.

Je suis votre convertisseur d&apos;images :)</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>%1, slider</source>
        <translation>%1, curseur</translation>
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
        <translation>Ajouter des fichiers image</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Convert image files</source>
        <translation>Convertir les fichiers image</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Convertir</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Arrêter la conversion</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Delete current item from list</source>
        <translation>Retirer l&apos;élément sélectionné de la liste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vider la liste</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Like us on Facebook</source>
        <translation>Aimez-nous sur Facebook</translation>
    </message>
    <message>
        <source>Visit https://example.org/</source>
        <translation>Visiter https://example.org/</translation>
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
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>Options globales</translation>
    </message>
    <message>
        <source>JPEG Options</source>
        <translation>Options JPEG</translation>
    </message>
    <message>
        <source>GIF Options</source>
        <translation>Options GIF</translation>
    </message>
    <message>
        <source>PNG Options</source>
        <translation>Options PNG</translation>
    </message>
    <message>
        <source>Resize Options</source>
        <translation>Redimensionnement</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Save Files</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Overwrite (not recommended)</source>
        <translation>Écraser (déconseillé)</translation>
    </message>
    <message>
        <source>Output names</source>
        <translation>Noms de sortie</translation>
    </message>
    <message>
        <source>{name} whole name without its extension, {base} up to the first dot, {n} or {n:3} position in the list, {width}, {height}, {date} taken, {folder}</source>
        <translation>{name} nom entier sans son extension, {base} jusqu&apos;au premier point, {n} ou {n:3} position dans la liste, {width}, {height}, {date} de prise de vue, {folder}</translation>
    </message>
    <message>
        <source>{base}</source>
        <translation>{base}</translation>
    </message>
    <message>
        <source>With an output folder, each file of an imported folder goes to its own sub-folder there, made as needed</source>
        <translation>Avec un dossier de sortie, chaque fichier d&apos;un dossier importé va dans son propre sous-dossier, créé au besoin</translation>
    </message>
    <message>
        <source>Keep sub-folders</source>
        <translation>Garder les sous-dossiers</translation>
    </message>
    <message>
        <source>Leave a file alone when its output is there already, so a job run again converts only what is missing</source>
        <translation>Ne pas toucher à un fichier dont la sortie existe déjà : une tâche relancée ne convertit que ce qui manque</translation>
    </message>
    <message>
        <source>Skip files already converted</source>
        <translation>Ignorer les fichiers déjà convertis</translation>
    </message>
    <message>
        <source>Write each frame or page of an animation or multi-page file to a file of its own: name-1, name-2...</source>
        <translation>Écrire chaque image ou page d&apos;une animation ou d&apos;un fichier multipage dans un fichier distinct : nom-1, nom-2...</translation>
    </message>
    <message>
        <source>One file per frame/page</source>
        <translation>Un fichier par image/page</translation>
    </message>
    <message>
        <source>Give each output the date its input was last changed, not the time of the conversion</source>
        <translation>Donner à chaque sortie la date de dernière modification de son entrée, et non l&apos;heure de la conversion</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Garder les dates des fichiers</translation>
    </message>
    <message>
        <source>End the run at the first file that cannot be converted</source>
        <translation>Terminer la conversion au premier fichier impossible à convertir</translation>
    </message>
    <message>
        <source>Stop at the first failure</source>
        <translation>Arrêter au premier échec</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Fichiers convertis en parallèle</translation>
    </message>
    <message>
        <source>How many files convert side by side; 1 converts one after the other</source>
        <translation>Nombre de fichiers convertis simultanément ; 1 les convertit l&apos;un après l&apos;autre</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Nettoyage</translation>
    </message>
    <message>
        <source>Strip All Profiles (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</source>
        <translation>Supprimer tous les profils (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</translation>
    </message>
    <message>
        <source>Keep the ICC colour profile while the rest is stripped; without it the pixels are turned into sRGB first, so the picture looks the same</source>
        <translation>Garder le profil de couleurs ICC quand le reste est supprimé ; sans lui, les pixels sont d&apos;abord convertis en sRGB pour que l&apos;image garde le même aspect</translation>
    </message>
    <message>
        <source>Keep the colour profile</source>
        <translation>Garder le profil de couleurs</translation>
    </message>
    <message>
        <source>Remove where the picture was taken (GPS) from the EXIF and XMP that are kept</source>
        <translation>Retirer le lieu de prise de vue (GPS) des données EXIF et XMP conservées</translation>
    </message>
    <message>
        <source>Remove location data</source>
        <translation>Retirer la localisation</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Inherit Transparency</source>
        <translation>Hériter de la transparence</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Choisir la couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Pa&amp;r défaut</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>pixels/pouce</translation>
    </message>
    <message>
        <source>Interlace Type</source>
        <translation>Type d&apos;entrelacement</translation>
    </message>
    <message>
        <source>Progressive JPEG</source>
        <translation>JPEG progressif</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>Huffman Coding Tables Optimization</source>
        <translation>Optimisation des tables de Huffman</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Image Representation Type</source>
        <translation>Type de représentation</translation>
    </message>
    <message>
        <source>TrueColor</source>
        <translation>Couleurs vraies</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>Colorspace Type</source>
        <translation>Espace colorimétrique</translation>
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
        <translation>Type de compression</translation>
    </message>
    <message>
        <source>JPEG Compression</source>
        <translation>Compression JPEG</translation>
    </message>
    <message>
        <source>Lossless JPEG Compression</source>
        <translation>Compression JPEG sans perte</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimisation</translation>
    </message>
    <message>
        <source>LineInterlace</source>
        <translation>Entrelacement par ligne</translation>
    </message>
    <message>
        <source>Floyd-Steinberg Dithering</source>
        <translation>Tramage Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Quantize Dither</source>
        <translation>Tramage de quantification</translation>
    </message>
    <message>
        <source>Quantization</source>
        <translation>Quantification</translation>
    </message>
    <message>
        <source>Quantize Colorspace</source>
        <translation>Espace de quantification</translation>
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
        <translation>Nombre de couleurs</translation>
    </message>
    <message>
        <source>Depth of the Quantization Color Tree</source>
        <translation>Profondeur de l&apos;arbre de quantification</translation>
    </message>
    <message>
        <source>Colorspace</source>
        <translation>Espace colorimétrique</translation>
    </message>
    <message>
        <source>Compression Quality</source>
        <translation>Qualité de compression</translation>
    </message>
    <message>
        <source>Compression Level</source>
        <translation>Niveau de compression</translation>
    </message>
    <message>
        <source>Filter Type</source>
        <translation>Type de filtre</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
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
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Paeth</source>
        <translation>Paeth</translation>
    </message>
    <message>
        <source>Adaptive</source>
        <translation>Adaptatif</translation>
    </message>
    <message>
        <source>Adaptive with minimum-sum-of-absolute-values</source>
        <translation>Adaptatif avec somme minimale des valeurs absolues</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Proportion</translation>
    </message>
    <message>
        <source>Factor: 2 doubles the size, 3 triples it; -2 halves it, -3 makes it a third; 0 resizes to the width and height below</source>
        <translation>Facteur : 2 double la taille, 3 la triple ; -2 la divise par deux, -3 par trois ; 0 redimensionne à la largeur et à la hauteur ci-dessous</translation>
    </message>
    <message>
        <source> (-2: half, 2: double)</source>
        <translation> (-2 : moitié, 2 : double)</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Percent of the size, used when the factor is 0: 50% halves it, 150% makes it half as large again; off resizes to the width and height below</source>
        <translation>Pourcentage de la taille, utilisé quand le facteur vaut 0 : 50 % la divise par deux, 150 % l&apos;agrandit de moitié ; aucun redimensionne à la largeur et à la hauteur ci-dessous</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Exactly width x height: a picture of other proportions is stretched or squeezed to it</source>
        <translation>Exactement largeur x hauteur : une image d&apos;autres proportions est étirée ou écrasée</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Fit into width x height keeping the proportions: the picture is as large as the box allows</source>
        <translation>Tenir dans largeur x hauteur en gardant les proportions : l&apos;image est aussi grande que le cadre le permet</translation>
    </message>
    <message>
        <source>Based on width</source>
        <translation>Selon la largeur</translation>
    </message>
    <message>
        <source>Never enlarge: a picture the resize would make larger on either side keeps its size</source>
        <translation>Ne jamais agrandir : une image que le redimensionnement agrandirait d&apos;un côté ou de l&apos;autre garde sa taille</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Réduire seulement</translation>
    </message>
    <message>
        <source>Algorithms</source>
        <translation>Algorithmes</translation>
    </message>
    <message>
        <source>Resize Operator</source>
        <translation>Opérateur de redimensionnement</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Équilibré</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Personnalisé</translation>
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
        <translation>Progression</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Options d&apos;enregistrement</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Format&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Format&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Quality&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Qualité&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Path Options</source>
        <translation>Options de chemin</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Output&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Sortie&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Where the outputs go: type a folder or choose one with the button; a folder that does not exist yet is made when you convert</source>
        <translation>Où vont les sorties : saisissez un dossier ou choisissez-en un avec le bouton ; un dossier qui n&apos;existe pas encore est créé lors de la conversion</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Original Directory</source>
        <translation>Dossier d&apos;origine</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Préréglages</translation>
    </message>
    <message>
        <source>&amp;Save Options As…</source>
        <translation>&amp;Enregistrer les options sous…</translation>
    </message>
    <message>
        <source>Keep every option under a name, to load again for the same kind of job</source>
        <translation>Enregistrer toutes les options sous un nom, à recharger pour le même type de travail</translation>
    </message>
    <message>
        <source>Set every option to its default; the list and the output folder stay</source>
        <translation>Remettre toutes les options à leur valeur par défaut ; la liste et le dossier de sortie sont conservés</translation>
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
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Import Folder</source>
        <translation>&amp;Importer un dossier</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Import Folder with &amp;Subfolders</source>
        <translation>Importer un dossier et ses &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>&amp;Open Directory</source>
        <translation>&amp;Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Ouvrir des fichiers</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Not added, the name is not valid UTF-8: %1</source>
        <translation>Non ajouté, le nom n&apos;est pas en UTF-8 valide : %1</translation>
    </message>
    <message>
        <source>Not added, no such file or folder: %1</source>
        <translation>Non ajouté, fichier ou dossier introuvable : %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>Output Names</source>
        <translation>Noms de sortie</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>Le modèle de nom %1.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Make it?</source>
        <translation>Le dossier %1 n&apos;existe pas. Le créer ?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v sur %m</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>Could not convert %1: %2</source>
        <translation>Impossible de convertir %1 : %2</translation>
    </message>
    <message>
        <source>The options will not be saved: %1 cannot be written (%2)</source>
        <translation>Les options ne seront pas enregistrées : impossible d&apos;écrire %1 (%2)</translation>
    </message>
    <message>
        <source>Save Options As</source>
        <translation>Enregistrer les options sous</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nom du préréglage :</translation>
    </message>
    <message>
        <source>A preset cannot be called &quot;%1&quot;: give it a name without &quot;/&quot; that does not start with a dot.</source>
        <translation>Un préréglage ne peut pas s&apos;appeler « %1 » : donnez-lui un nom sans « / » qui ne commence pas par un point.</translation>
    </message>
    <message>
        <source>There is a preset &quot;%1&quot; already. Replace it?</source>
        <translation>Un préréglage « %1 » existe déjà. Le remplacer ?</translation>
    </message>
    <message>
        <source>The preset %1 %2.</source>
        <translation>Le préréglage %1 %2.</translation>
    </message>
    <message>
        <source>Set every option as the preset %1 has it</source>
        <translation>Régler toutes les options comme dans le préréglage %1</translation>
    </message>
    <message>
        <source>De&amp;lete Preset</source>
        <translation>&amp;Supprimer un préréglage</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Supprimer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>AVIF quality: the detail kept; lossless is set on the AVIF page</source>
        <translation>Qualité AVIF : le détail conservé ; le mode sans perte se règle sur la page AVIF</translation>
    </message>
    <message>
        <source>GIF has no quality: it keeps up to 256 colours, as set on the GIF page</source>
        <translation>Le GIF n&apos;a pas de qualité : il garde jusqu&apos;à 256 couleurs, comme réglé sur la page GIF</translation>
    </message>
    <message>
        <source>JPEG2000 has no quality here: it is written without loss</source>
        <translation>Pas de qualité ici pour JPEG2000 : il est écrit sans perte</translation>
    </message>
    <message>
        <source>JPEG quality, the same as on the JPEG page: higher keeps more detail in a larger file</source>
        <translation>Qualité JPEG, la même que sur la page JPEG : plus elle est haute, plus le détail est conservé et plus le fichier est gros</translation>
    </message>
    <message>
        <source>JPEG XL quality: 90 looks the same as the original, 100 keeps every pixel</source>
        <translation>Qualité JPEG XL : 90 paraît identique à l&apos;original, 100 garde chaque pixel</translation>
    </message>
    <message>
        <source>PDF quality: photos kept as JPEG keep more detail in a larger file; other pictures are packed tighter</source>
        <translation>Qualité PDF : les photos gardées en JPEG conservent plus de détail dans un fichier plus gros ; les autres images sont compressées davantage</translation>
    </message>
    <message>
        <source>PNG has no quality: it keeps every pixel; its compression is set on the PNG page</source>
        <translation>Le PNG n&apos;a pas de qualité : il garde chaque pixel ; sa compression se règle sur la page PNG</translation>
    </message>
    <message>
        <source>TIFF quality: only JPEG compression, chosen on the TIFF page, loses detail</source>
        <translation>Qualité TIFF : seule la compression JPEG, choisie sur la page TIFF, perd du détail</translation>
    </message>
    <message>
        <source>WebP quality: the detail kept, or for lossless WebP the effort spent on size</source>
        <translation>Qualité WebP : le détail conservé, ou pour le WebP sans perte, l&apos;effort consacré à la taille</translation>
    </message>
    <message>
        <source>Stopping… (1 file finishing)</source>
        <translation>Arrêt… (1 fichier en cours)</translation>
    </message>
    <message>
        <source>Stopping… (%1 files finishing)</source>
        <translation>Arrêt… (%1 fichiers en cours)</translation>
    </message>
    <message>
        <source>0 item</source>
        <translation>0 élément</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 élément</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 éléments</translation>
    </message>
    <message>
        <source>Replace a file that has the output&apos;s name, keeping it as name_backup_N; off, the output takes a free name (name_1) instead</source>
        <translation>Remplacer un fichier portant le nom de la sortie en le gardant sous name_backup_N ; désactivé, la sortie prend un nom libre (name_1)</translation>
    </message>
    <message>
        <source>Leave out what is stored beside the pixels (camera data, colour profiles, comments): smaller files that say nothing of where they came from</source>
        <translation>Omettre ce qui est stocké à côté des pixels (données de l&apos;appareil, profils de couleur, commentaires) : des fichiers plus petits qui ne disent rien de leur origine</translation>
    </message>
    <message>
        <source>Keep transparent areas transparent where the format can; off, they are filled with the background colour</source>
        <translation>Garder les zones transparentes transparentes si le format le permet ; désactivé, elles sont remplies de la couleur de fond</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file; 75 to 90 suits photos</source>
        <translation>Plus haut garde plus de détails dans un fichier plus gros ; 75 à 90 convient aux photos</translation>
    </message>
    <message>
        <source>The print size stored in the file, in dots per inch; the pixels stay as they are</source>
        <translation>La taille d&apos;impression enregistrée dans le fichier, en points par pouce ; les pixels restent tels quels</translation>
    </message>
    <message>
        <source>Stored coarse to fine, so that a web page shows the whole picture at once and sharpens it; often a little smaller</source>
        <translation>Enregistrée du grossier au fin, pour qu&apos;une page web montre toute l&apos;image d&apos;emblée puis l&apos;affine ; souvent un peu plus petite</translation>
    </message>
    <message>
        <source>Works out the best code tables for each picture: a few percent smaller, nothing lost, a little slower</source>
        <translation>Calcule les meilleures tables de codage pour chaque image : quelques pour cent plus petit, rien de perdu, un peu plus lent</translation>
    </message>
    <message>
        <source>TrueColor keeps the colours, Grayscale only the brightness, Monochrome only black and white</source>
        <translation>Couleurs vraies garde les couleurs, Niveaux de gris seulement la luminosité, Monochrome seulement le noir et blanc</translation>
    </message>
    <message>
        <source>How the colours are stored: YCbCr is what cameras and browsers expect; RGB, GRAY or CMYK (for print) only when asked for</source>
        <translation>Comment les couleurs sont enregistrées : YCbCr est ce qu&apos;attendent appareils photo et navigateurs ; RGB, GRAY ou CMYK (pour l&apos;impression) seulement sur demande</translation>
    </message>
    <message>
        <source>JPEG compression loses detail as the quality says; lossless JPEG keeps every pixel, but few programs read it</source>
        <translation>La compression JPEG perd des détails selon la qualité ; le JPEG sans perte garde chaque pixel, mais peu de programmes le lisent</translation>
    </message>
    <message>
        <source>Optimization keeps up to 256 colours chosen for the picture; Monochrome only black and white</source>
        <translation>Optimisation garde jusqu&apos;à 256 couleurs choisies pour l&apos;image ; Monochrome seulement le noir et blanc</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; a little larger</source>
        <translation>Enregistrée en passes, pour qu&apos;une page web montre d&apos;emblée une image grossière ; un peu plus grosse</translation>
    </message>
    <message>
        <source>Mixes the few colours a GIF has in fine patterns, so that gradients look smooth rather than banded</source>
        <translation>Mélange les quelques couleurs d&apos;un GIF en motifs fins, pour que les dégradés paraissent lisses plutôt qu&apos;en bandes</translation>
    </message>
    <message>
        <source>The colour model in which the GIF&apos;s colours are chosen: RGB suits most pictures; the others may keep skin tones or gradients better</source>
        <translation>Le modèle de couleur dans lequel les couleurs du GIF sont choisies : RGB convient à la plupart des images ; les autres rendent parfois mieux les tons chair ou les dégradés</translation>
    </message>
    <message>
        <source>How many colours the GIF keeps, at most 256; fewer gives a smaller file</source>
        <translation>Combien de couleurs le GIF garde, 256 au plus ; moins donne un fichier plus petit</translation>
    </message>
    <message>
        <source>How finely colours are sorted before they are chosen; 0 lets the program decide, higher is slower and rarely better</source>
        <translation>Finesse du tri des couleurs avant leur choix ; 0 laisse le programme décider, plus haut est plus lent et rarement meilleur</translation>
    </message>
    <message>
        <source>The colour model the pixels are stored in; keep RGB unless another program asks for a different one</source>
        <translation>Le modèle de couleur des pixels enregistrés ; gardez RGB sauf si un autre programme en demande un autre</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; larger</source>
        <translation>Enregistrée en passes, pour qu&apos;une page web montre d&apos;emblée une image grossière ; plus grosse</translation>
    </message>
    <message>
        <source>How hard the file is packed: 9 is smallest and slowest, 0 not packed; nothing is lost either way</source>
        <translation>Force de compactage du fichier : 9 est le plus petit et le plus lent, 0 non compacté ; rien n&apos;est perdu dans tous les cas</translation>
    </message>
    <message>
        <source>How each row is prepared before it is packed; Adaptive chooses row by row and is usually smallest</source>
        <translation>Comment chaque ligne est préparée avant compactage ; Adaptatif choisit ligne par ligne et donne d&apos;habitude le plus petit fichier</translation>
    </message>
    <message>
        <source>Change the pixel size of every picture as set on this page</source>
        <translation>Changer la taille en pixels de chaque image comme réglé sur cette page</translation>
    </message>
    <message>
        <source>The width in pixels of the box the pictures are resized to</source>
        <translation>La largeur en pixels du cadre auquel les images sont redimensionnées</translation>
    </message>
    <message>
        <source>The height in pixels of the box the pictures are resized to</source>
        <translation>La hauteur en pixels du cadre auquel les images sont redimensionnées</translation>
    </message>
    <message>
        <source>Balanced is fast and smooth; Optimization is sharper (Lanczos); Customized uses the filter chosen below</source>
        <translation>Équilibré est rapide et doux ; Optimisation est plus net (Lanczos) ; Personnalisé utilise le filtre choisi ci-dessous</translation>
    </message>
    <message>
        <source>With Customized: how new pixels are worked out from the old; Lanczos is sharp, Box and Point fast and blocky</source>
        <translation>Avec Personnalisé : comment les nouveaux pixels sont calculés à partir des anciens ; Lanczos est net, Box et Point rapides et pixelisés</translation>
    </message>
    <message>
        <source>The format every output is written in</source>
        <translation>Le format de toutes les sorties</translation>
    </message>
    <message>
        <source>The chosen format&apos;s quality: higher keeps more detail in a larger file</source>
        <translation>La qualité du format choisi : plus haut garde plus de détails dans un fichier plus gros</translation>
    </message>
    <message>
        <source>Choose the folder the outputs go to</source>
        <translation>Choisir le dossier des sorties</translation>
    </message>
    <message>
        <source>Write each output beside its input, in the input&apos;s own folder</source>
        <translation>Écrire chaque sortie à côté de son entrée, dans le dossier de celle-ci</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Toutes les images (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Fichiers à convertir</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Pages d&apos;options</translation>
    </message>
    <message>
        <source>Options of the page</source>
        <translation>Options de la page</translation>
    </message>
    <message>
        <source>Percent of the size</source>
        <translation>Pourcentage de la taille</translation>
    </message>
    <message>
        <source>PDF quality</source>
        <translation>Qualité PDF</translation>
    </message>
    <message>
        <source>Files and options</source>
        <translation>Fichiers et options</translation>
    </message>
</context>
<context>
    <name>ImageInfoDialog</name>
    <message>
        <source>Image Properties</source>
        <translation>Propriétés de l&apos;image</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
    <message>
        <source>Total Colors</source>
        <translation>Nombre de couleurs</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lecture…</translation>
    </message>
    <message>
        <source>Cannot show this picture: %1</source>
        <translation>Impossible d&apos;afficher cette image : %1</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <source>There is no file at this path any more.</source>
        <translation>Il n&apos;y a plus de fichier à cet emplacement.</translation>
    </message>
    <message>
        <source>Cannot read this file: %1</source>
        <translation>Impossible de lire ce fichier : %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Counting…</source>
        <translation>Comptage…</translation>
    </message>
    <message>
        <source>too large to count</source>
        <translation>trop grande pour être comptée</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>impossible à compter</translation>
    </message>
</context>
<context>
    <name>InputFormats</name>
    <message>
        <source>Windows icon</source>
        <translation>icône Windows</translation>
    </message>
    <message>
        <source>Apple icon</source>
        <translation>icône Apple</translation>
    </message>
    <message>
        <source>Sun raster</source>
        <translation>Sun Raster</translation>
    </message>
    <message>
        <source>animated cursor</source>
        <translation>curseur animé</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>has a &quot;}&quot; without its &quot;{&quot;</source>
        <translation>contient un « } » sans son « { »</translation>
    </message>
    <message>
        <source>has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>contient un « { » sans son « } »</translation>
    </message>
    <message>
        <source>has {%1}, which is none of {name} {base} {n} {n:3} {width} {height} {date} {folder}</source>
        <translation>contient {%1}, qui ne fait pas partie de {name} {base} {n} {n:3} {width} {height} {date} {folder}</translation>
    </message>
    <message>
        <source>may not hold &quot;/&quot;, &quot;\&quot; or &quot;..&quot;: every output stays in its folder</source>
        <translation>ne peut pas contenir « / », « \ » ou « .. » : chaque sortie reste dans son dossier</translation>
    </message>
    <message>
        <source>may not hold control characters</source>
        <translation>ne peut pas contenir de caractères de contrôle</translation>
    </message>
</context>
<context>
    <name>OptionForm</name>
    <message>
        <source>%1 Options</source>
        <translation>Options %1</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Sans perte</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Colour Resolution</source>
        <translation>Résolution des couleurs</translation>
    </message>
    <message>
        <source>4:2:0 (half, as photos)</source>
        <translation>4:2:0 (moitié, pour les photos)</translation>
    </message>
    <message>
        <source>4:4:4 (full, for sharp colour edges)</source>
        <translation>4:4:4 (complète, pour des bords nets)</translation>
    </message>
    <message>
        <source>Lossless (a JPEG is kept as it is)</source>
        <translation>Sans perte (un JPEG reste tel quel)</translation>
    </message>
    <message>
        <source>Effort</source>
        <translation>Effort</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Deflate (zip)</source>
        <translation>Deflate (zip)</translation>
    </message>
    <message>
        <source>Predictor</source>
        <translation>Prédicteur</translation>
    </message>
    <message>
        <source>Horizontal differencing</source>
        <translation>Différence horizontale</translation>
    </message>
    <message>
        <source>Quality (JPEG compression)</source>
        <translation>Qualité (compression JPEG)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
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
        <translation>Pa&amp;r défaut</translation>
    </message>
</context>
<context>
    <name>OutputPreview</name>
    <message>
        <source>%1 → %1 (kept: it would be enlarged)</source>
        <translation>%1 → %1 (inchangée : elle serait agrandie)</translation>
    </message>
    <message>
        <source>%1 (stretched)</source>
        <translation>%1 (étirée)</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>Le modèle de nom %1.</translation>
    </message>
    <message>
        <source>Reading the size of %1…</source>
        <translation>Lecture de la taille de %1…</translation>
    </message>
    <message>
        <source>The size of %1 cannot be read.</source>
        <translation>La taille de %1 ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>cannot be made</source>
        <translation>ne peut pas être créé</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>this is a PostScript document, not a picture</source>
        <translation>c&apos;est un document PostScript, pas une image</translation>
    </message>
    <message>
        <source>this is a PDF document, not a picture</source>
        <translation>c&apos;est un document PDF, pas une image</translation>
    </message>
    <message>
        <source>this is an XPS document, not a picture</source>
        <translation>c&apos;est un document XPS, pas une image</translation>
    </message>
    <message>
        <source>this is an SVG drawing, not a picture</source>
        <translation>c&apos;est un dessin SVG, pas une image</translation>
    </message>
    <message>
        <source>this is a Windows metafile drawing, not a picture</source>
        <translation>c&apos;est un dessin au format métafichier Windows, pas une image</translation>
    </message>
    <message>
        <source>not a picture this program can read</source>
        <translation>pas une image que ce programme sait lire</translation>
    </message>
    <message>
        <source>the file was cut short</source>
        <translation>le fichier est tronqué</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written</source>
        <translation>seule la première des %1 images a été écrite</translation>
    </message>
    <message>
        <source>only the first %1 frames were written</source>
        <translation>seules les %1 premières images ont été écrites</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: all of them take more than the memory budget</source>
        <translation>seule la première des %1 images a été écrite : toutes ensemble dépassent le budget mémoire</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: the others cannot be read (%2)</source>
        <translation>seule la première des %1 images a été écrite : les autres sont illisibles (%2)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not enough memory to convert the image</source>
        <translation>mémoire insuffisante pour convertir l&apos;image</translation>
    </message>
    <message>
        <source>the decoder sent a malformed answer; the file is probably hostile</source>
        <translation>le décodeur a envoyé une réponse malformée ; le fichier est probablement malveillant</translation>
    </message>
    <message>
        <source>standard input is a terminal, not a picture piped in</source>
        <translation>l&apos;entrée standard est un terminal, pas une image transmise par un tube</translation>
    </message>
    <message>
        <source>%1 pictures cannot go to standard output as one</source>
        <translation>%1 images ne peuvent pas aller ensemble sur la sortie standard</translation>
    </message>
    <message>
        <source>the sandbox for decoders cannot be set up on this system</source>
        <translation>le bac à sable des décodeurs ne peut pas être mis en place sur ce système</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (exit status %1); the file is probably damaged or hostile</source>
        <translation>le décodeur s&apos;est arrêté de façon inattendue (code de sortie %1) ; le fichier est probablement endommagé ou malveillant</translation>
    </message>
    <message>
        <source>the decoder took too long; the file is probably damaged or hostile</source>
        <translation>le décodeur a mis trop de temps ; le fichier est probablement endommagé ou malveillant</translation>
    </message>
    <message>
        <source>the decoder tried to start a program, which no picture needs, and was stopped; the file is probably hostile</source>
        <translation>le décodeur a tenté de lancer un programme, ce dont aucune image n&apos;a besoin, et a été arrêté ; le fichier est probablement malveillant</translation>
    </message>
    <message>
        <source>the decoder crashed (%1); the file is probably damaged or hostile</source>
        <translation>le décodeur a planté (%1) ; le fichier est probablement endommagé ou malveillant</translation>
    </message>
    <message>
        <source>cannot start the decoder&apos;s process (%1)</source>
        <translation>impossible de lancer le processus du décodeur (%1)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 bytes)</source>
        <translation>le fichier est trop gros pour être lu (%1 octets)</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 MiB, more than the memory budget of %2 MiB)</source>
        <translation>le fichier est trop gros pour être lu (%1 Mio, plus que le budget mémoire de %2 Mio)</translation>
    </message>
    <message>
        <source>not enough memory to read the file</source>
        <translation>mémoire insuffisante pour lire le fichier</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written</source>
        <translation>seule la première de %1 images ou plus a été écrite</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: all of them take more than the memory budget</source>
        <translation>seule la première de %1 images ou plus a été écrite : toutes ensemble dépassent le budget mémoire</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: the others cannot be read (%2)</source>
        <translation>seule la première de %1 images ou plus a été écrite : les autres sont illisibles (%2)</translation>
    </message>
    <message>
        <source>cannot be opened: the name is not valid UTF-8</source>
        <translation>ne peut pas être ouvert : le nom n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Warning: %1
</source>
        <translation>Avertissement : %1
</translation>
    </message>
    <message>
        <source>%1: skipped, %2 is there
</source>
        <translation>%1 : ignoré, %2 existe déjà
</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 converti(s)</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 ignoré(s)</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 échec(s)</translation>
    </message>
    <message>
        <source>Stopped by %1: %2, %3 not converted</source>
        <translation>Arrêté par %1 : %2, %3 non converti(s)</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 non commencé(s)</translation>
    </message>
    <message>
        <source>Replaced files kept as backups (*_backup_N): %1
</source>
        <translation>Fichiers remplacés gardés en sauvegarde (*_backup_N) : %1
</translation>
    </message>
    <message>
        <source>Outputs under a free name (*_N), the plain one being taken: %1
</source>
        <translation>Sorties sous un nom libre (*_N), le nom simple étant pris : %1
</translation>
    </message>
    <message>
        <source> and %1 more files</source>
        <translation> et %1 autres fichiers</translation>
    </message>
    <message>
        <source>a free name: the plain one was taken</source>
        <translation>un nom libre : le nom simple était pris</translation>
    </message>
    <message>
        <source>the file there kept as %1</source>
        <translation>le fichier existant gardé sous %1</translation>
    </message>
    <message>
        <source>Dry run: %1 to convert, %2 skipped, %3 failed
</source>
        <translation>Essai à blanc : %1 à convertir, %2 ignoré(s), %3 échec(s)
</translation>
    </message>
    <message>
        <source>Made the folder %1
</source>
        <translation>Dossier %1 créé
</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>pas une image que ce programme sait lire</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>le fichier se termine avant la fin de l&apos;image</translation>
    </message>
    <message>
        <source>the picture data is damaged</source>
        <translation>les données de l&apos;image sont endommagées</translation>
    </message>
    <message>
        <source>stray bytes in the picture data were skipped</source>
        <translation>des octets parasites dans les données de l&apos;image ont été ignorés</translation>
    </message>
    <message>
        <source>its colour profile is not quite right</source>
        <translation>son profil de couleurs n&apos;est pas tout à fait correct</translation>
    </message>
    <message>
        <source>the picture is larger than this program allows</source>
        <translation>l&apos;image est plus grande que ce que ce programme autorise</translation>
    </message>
    <message>
        <source>this program is not allowed to use the file or folder</source>
        <translation>ce programme n&apos;a pas le droit d&apos;utiliser le fichier ou le dossier</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk cannot be written to</source>
        <translation>impossible d&apos;écrire sur le disque</translation>
    </message>
    <message>
        <source>the name is too long for the disk</source>
        <translation>le nom est trop long pour le disque</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 converted</source>
        <translation>Arrêté : %1 sur %2 converti(s)</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 échec(s)</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 converti(s)</translation>
    </message>
    <message>
        <source>, %1 with warnings</source>
        <translation>, %1 avec avertissement(s)</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 ignoré(s)</translation>
    </message>
    <message>
        <source>, backups kept: %1 (*_backup_N)</source>
        <translation>, sauvegardes conservées : %1 (*_backup_N)</translation>
    </message>
    <message>
        <source>, free names taken: %1 (*_N)</source>
        <translation>, noms libres utilisés : %1 (*_N)</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> en %1</translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <translation>Non converti : %1</translation>
    </message>
    <message>
        <source>Skipped: %1 is there already</source>
        <translation>Ignoré : %1 existe déjà</translation>
    </message>
    <message>
        <source>%1 and one more file</source>
        <translation>%1 et un autre fichier</translation>
    </message>
    <message>
        <source>%1 and %2 more files</source>
        <translation>%1 et %2 autres fichiers</translation>
    </message>
    <message>
        <source>Converted to %1</source>
        <translation>Converti vers %1</translation>
    </message>
    <message>
        <source>Converted to %1, with a warning: %2</source>
        <translation>Converti vers %1, avec un avertissement : %2</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Non converti</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Converted with a warning</source>
        <translation>Converti avec un avertissement</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
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
        <translation>Rapport de conversion</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Copier la liste</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Ouvrir le dossier de sortie</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Files with problems</source>
        <translation>Fichiers en erreur</translation>
    </message>
</context>
</TS>
