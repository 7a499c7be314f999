<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Hi,

I&apos;m Ilvane.

I&apos;m your image converter :)</source>
        <translation>Hola,

soy Ilvane.

Soy su convertidor de imágenes :)</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>%1, slider</source>
        <translation>%1, control deslizante</translation>
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
        <translation>Añadir archivos de imagen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Convert image files</source>
        <translation>Convertir archivos de imagen</translation>
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
        <translation>Detener la conversión</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Delete current item from list</source>
        <translation>Quitar el elemento actual de la lista</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Vaciar</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Salir de la aplicación</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Like us on Facebook</source>
        <translation>Síganos en Facebook</translation>
    </message>
    <message>
        <source>Visit https://example.org/</source>
        <translation>Visite https://example.org/</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;a href=&quot;https://example.org/&quot;&gt;example.org&lt;/a&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic; text-decoration: underline; color:#0000ff;&quot;&gt;&lt;a href=&quot;https://example.org/&quot;&gt;example.org&lt;/a&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>Opciones globales</translation>
    </message>
    <message>
        <source>JPEG Options</source>
        <translation>Opciones de JPEG</translation>
    </message>
    <message>
        <source>GIF Options</source>
        <translation>Opciones de GIF</translation>
    </message>
    <message>
        <source>PNG Options</source>
        <translation>Opciones de PNG</translation>
    </message>
    <message>
        <source>Resize Options</source>
        <translation>Opciones de tamaño</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Save Files</source>
        <translation>Guardar archivos</translation>
    </message>
    <message>
        <source>Overwrite (not recommended)</source>
        <translation>Sobrescribir (no recomendado)</translation>
    </message>
    <message>
        <source>Output names</source>
        <translation>Nombres de salida</translation>
    </message>
    <message>
        <source>{name} whole name without its extension, {base} up to the first dot, {n} or {n:3} position in the list, {width}, {height}, {date} taken, {folder}</source>
        <translation>{name} nombre completo sin su extensión, {base} hasta el primer punto, {n} o {n:3} posición en la lista, {width}, {height}, {date} de captura, {folder}</translation>
    </message>
    <message>
        <source>{base}</source>
        <translation>{base}</translation>
    </message>
    <message>
        <source>With an output folder, each file of an imported folder goes to its own sub-folder there, made as needed</source>
        <translation>Con una carpeta de salida, cada archivo de una carpeta importada va allí a su propia subcarpeta, que se crea si hace falta</translation>
    </message>
    <message>
        <source>Keep sub-folders</source>
        <translation>Conservar subcarpetas</translation>
    </message>
    <message>
        <source>Leave a file alone when its output is there already, so a job run again converts only what is missing</source>
        <translation>No tocar un archivo cuya salida ya existe, para que al repetir un trabajo solo se convierta lo que falta</translation>
    </message>
    <message>
        <source>Skip files already converted</source>
        <translation>Omitir archivos ya convertidos</translation>
    </message>
    <message>
        <source>Write each frame or page of an animation or multi-page file to a file of its own: name-1, name-2...</source>
        <translation>Escribir cada fotograma o página de una animación o archivo de varias páginas en un archivo propio: nombre-1, nombre-2...</translation>
    </message>
    <message>
        <source>One file per frame/page</source>
        <translation>Un archivo por fotograma/página</translation>
    </message>
    <message>
        <source>Give each output the date its input was last changed, not the time of the conversion</source>
        <translation>Dar a cada salida la fecha de la última modificación de su entrada, no la hora de la conversión</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Conservar fechas de archivo</translation>
    </message>
    <message>
        <source>End the run at the first file that cannot be converted</source>
        <translation>Terminar la ejecución en el primer archivo que no se pueda convertir</translation>
    </message>
    <message>
        <source>Stop at the first failure</source>
        <translation>Detenerse en el primer fallo</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Archivos convertidos a la vez</translation>
    </message>
    <message>
        <source>How many files convert side by side; 1 converts one after the other</source>
        <translation>Cuántos archivos se convierten en paralelo; 1 los convierte uno tras otro</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpieza</translation>
    </message>
    <message>
        <source>Strip All Profiles (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</source>
        <translation>Quitar todos los perfiles (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</translation>
    </message>
    <message>
        <source>Keep the ICC colour profile while the rest is stripped; without it the pixels are turned into sRGB first, so the picture looks the same</source>
        <translation>Conservar el perfil de color ICC aunque se quite el resto; sin él, los píxeles se convierten antes a sRGB para que la imagen se vea igual</translation>
    </message>
    <message>
        <source>Keep the colour profile</source>
        <translation>Conservar el perfil de color</translation>
    </message>
    <message>
        <source>Remove where the picture was taken (GPS) from the EXIF and XMP that are kept</source>
        <translation>Quitar el lugar donde se tomó la imagen (GPS) de los datos EXIF y XMP que se conservan</translation>
    </message>
    <message>
        <source>Remove location data</source>
        <translation>Quitar datos de ubicación</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Inherit Transparency</source>
        <translation>Heredar transparencia</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Seleccionar color de fondo</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Pre&amp;determinado</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>píxeles/pulgada</translation>
    </message>
    <message>
        <source>Interlace Type</source>
        <translation>Tipo de entrelazado</translation>
    </message>
    <message>
        <source>Progressive JPEG</source>
        <translation>JPEG progresivo</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Optimizar</translation>
    </message>
    <message>
        <source>Huffman Coding Tables Optimization</source>
        <translation>Optimización de tablas de codificación Huffman</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Image Representation Type</source>
        <translation>Tipo de representación de imagen</translation>
    </message>
    <message>
        <source>TrueColor</source>
        <translation>Color verdadero</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Monocromo</translation>
    </message>
    <message>
        <source>Colorspace Type</source>
        <translation>Tipo de espacio de color</translation>
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
        <translation>Tipo de compresión</translation>
    </message>
    <message>
        <source>JPEG Compression</source>
        <translation>Compresión JPEG</translation>
    </message>
    <message>
        <source>Lossless JPEG Compression</source>
        <translation>Compresión JPEG sin pérdida</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Optimización</translation>
    </message>
    <message>
        <source>LineInterlace</source>
        <translation>LineInterlace</translation>
    </message>
    <message>
        <source>Floyd-Steinberg Dithering</source>
        <translation>Difuminado Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Quantize Dither</source>
        <translation>Difuminado de cuantización</translation>
    </message>
    <message>
        <source>Quantization</source>
        <translation>Cuantización</translation>
    </message>
    <message>
        <source>Quantize Colorspace</source>
        <translation>Espacio de color de cuantización</translation>
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
        <translation>Colores de cuantización</translation>
    </message>
    <message>
        <source>Depth of the Quantization Color Tree</source>
        <translation>Profundidad del árbol de colores de cuantización</translation>
    </message>
    <message>
        <source>Colorspace</source>
        <translation>Espacio de color</translation>
    </message>
    <message>
        <source>Compression Quality</source>
        <translation>Calidad de compresión</translation>
    </message>
    <message>
        <source>Compression Level</source>
        <translation>Nivel de compresión</translation>
    </message>
    <message>
        <source>Filter Type</source>
        <translation>Tipo de filtro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
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
        <translation>Adaptativo</translation>
    </message>
    <message>
        <source>Adaptive with minimum-sum-of-absolute-values</source>
        <translation>Adaptativo con suma mínima de valores absolutos</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activación</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>Factor: 2 doubles the size, 3 triples it; -2 halves it, -3 makes it a third; 0 resizes to the width and height below</source>
        <translation>Factor: 2 duplica el tamaño, 3 lo triplica; -2 lo reduce a la mitad, -3 a un tercio; 0 ajusta al ancho y alto de abajo</translation>
    </message>
    <message>
        <source> (-2: half, 2: double)</source>
        <translation> (-2: mitad, 2: doble)</translation>
    </message>
    <message>
        <source>or</source>
        <translation>o</translation>
    </message>
    <message>
        <source>Percent of the size, used when the factor is 0: 50% halves it, 150% makes it half as large again; off resizes to the width and height below</source>
        <translation>Porcentaje del tamaño, usado cuando el factor es 0: 50% lo reduce a la mitad, 150% lo aumenta en la mitad; «no» ajusta al ancho y alto de abajo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>no</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Exactly width x height: a picture of other proportions is stretched or squeezed to it</source>
        <translation>Exactamente ancho x alto: una imagen de otras proporciones se estira o se comprime para ajustarse</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exacto</translation>
    </message>
    <message>
        <source>Fit into width x height keeping the proportions: the picture is as large as the box allows</source>
        <translation>Encajar en ancho x alto manteniendo las proporciones: la imagen es tan grande como el recuadro permita</translation>
    </message>
    <message>
        <source>Based on width</source>
        <translation>Según el ancho</translation>
    </message>
    <message>
        <source>Never enlarge: a picture the resize would make larger on either side keeps its size</source>
        <translation>No ampliar nunca: una imagen que el cambio de tamaño agrandaría por algún lado conserva su tamaño</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Solo reducir</translation>
    </message>
    <message>
        <source>Algorithms</source>
        <translation>Algoritmos</translation>
    </message>
    <message>
        <source>Resize Operator</source>
        <translation>Operador de redimensionado</translation>
    </message>
    <message>
        <source>Balanced</source>
        <translation>Equilibrado</translation>
    </message>
    <message>
        <source>Customized</source>
        <translation>Personalizado</translation>
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
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Opciones de guardado</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Format&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Formato&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Quality&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Calidad&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Path Options</source>
        <translation>Opciones de ruta</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Output&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Salida&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Where the outputs go: type a folder or choose one with the button; a folder that does not exist yet is made when you convert</source>
        <translation>Dónde van las salidas: escriba una carpeta o elija una con el botón; una carpeta que aún no existe se crea al convertir</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Original Directory</source>
        <translation>Carpeta original</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Preajustes</translation>
    </message>
    <message>
        <source>&amp;Save Options As…</source>
        <translation>&amp;Guardar opciones como…</translation>
    </message>
    <message>
        <source>Keep every option under a name, to load again for the same kind of job</source>
        <translation>Guardar todas las opciones con un nombre, para cargarlas de nuevo en el mismo tipo de trabajo</translation>
    </message>
    <message>
        <source>Set every option to its default; the list and the output folder stay</source>
        <translation>Restablecer todas las opciones a su valor predeterminado; la lista y la carpeta de salida se mantienen</translation>
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
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Import Folder</source>
        <translation>&amp;Importar carpeta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Import Folder with &amp;Subfolders</source>
        <translation>Importar carpeta con s&amp;ubcarpetas</translation>
    </message>
    <message>
        <source>&amp;Open Directory</source>
        <translation>&amp;Abrir carpeta</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir carpeta de salida</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir archivos</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Not added, the name is not valid UTF-8: %1</source>
        <translation>No añadido, el nombre no es UTF-8 válido: %1</translation>
    </message>
    <message>
        <source>Not added, no such file or folder: %1</source>
        <translation>No añadido, no existe el archivo o la carpeta: %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>No hay archivos</translation>
    </message>
    <message>
        <source>Output Names</source>
        <translation>Nombres de salida</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>El patrón de nombre %1.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Make it?</source>
        <translation>La carpeta %1 no existe. ¿Crearla?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Seleccionar color</translation>
    </message>
    <message>
        <source>Could not convert %1: %2</source>
        <translation>No se pudo convertir %1: %2</translation>
    </message>
    <message>
        <source>The options will not be saved: %1 cannot be written (%2)</source>
        <translation>No se guardarán las opciones: no se puede escribir %1 (%2)</translation>
    </message>
    <message>
        <source>Save Options As</source>
        <translation>Guardar opciones como</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nombre del preajuste:</translation>
    </message>
    <message>
        <source>A preset cannot be called &quot;%1&quot;: give it a name without &quot;/&quot; that does not start with a dot.</source>
        <translation>Un preajuste no puede llamarse «%1»: dele un nombre sin «/» que no empiece por punto.</translation>
    </message>
    <message>
        <source>There is a preset &quot;%1&quot; already. Replace it?</source>
        <translation>Ya existe un preajuste «%1». ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>The preset %1 %2.</source>
        <translation>El preajuste %1 %2.</translation>
    </message>
    <message>
        <source>Set every option as the preset %1 has it</source>
        <translation>Ajustar todas las opciones como las tiene el preajuste %1</translation>
    </message>
    <message>
        <source>De&amp;lete Preset</source>
        <translation>&amp;Eliminar preajuste</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Eliminar preajuste</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>¿Eliminar el preajuste «%1»?</translation>
    </message>
    <message>
        <source>AVIF quality: the detail kept; lossless is set on the AVIF page</source>
        <translation>Calidad AVIF: el detalle que se conserva; el modo sin pérdida se ajusta en la página de AVIF</translation>
    </message>
    <message>
        <source>GIF has no quality: it keeps up to 256 colours, as set on the GIF page</source>
        <translation>GIF no tiene calidad: conserva hasta 256 colores, según se ajuste en la página de GIF</translation>
    </message>
    <message>
        <source>JPEG2000 has no quality here: it is written without loss</source>
        <translation>JPEG2000 no tiene calidad aquí: se escribe sin pérdida</translation>
    </message>
    <message>
        <source>JPEG quality, the same as on the JPEG page: higher keeps more detail in a larger file</source>
        <translation>Calidad JPEG, la misma que en la página de JPEG: cuanto más alta, más detalle en un archivo mayor</translation>
    </message>
    <message>
        <source>JPEG XL quality: 90 looks the same as the original, 100 keeps every pixel</source>
        <translation>Calidad JPEG XL: 90 se ve igual que el original, 100 conserva todos los píxeles</translation>
    </message>
    <message>
        <source>PDF quality: photos kept as JPEG keep more detail in a larger file; other pictures are packed tighter</source>
        <translation>Calidad PDF: las fotos guardadas como JPEG conservan más detalle en un archivo mayor; las demás imágenes se comprimen más</translation>
    </message>
    <message>
        <source>PNG has no quality: it keeps every pixel; its compression is set on the PNG page</source>
        <translation>PNG no tiene calidad: conserva todos los píxeles; su compresión se ajusta en la página de PNG</translation>
    </message>
    <message>
        <source>TIFF quality: only JPEG compression, chosen on the TIFF page, loses detail</source>
        <translation>Calidad TIFF: solo la compresión JPEG, elegida en la página de TIFF, pierde detalle</translation>
    </message>
    <message>
        <source>WebP quality: the detail kept, or for lossless WebP the effort spent on size</source>
        <translation>Calidad WebP: el detalle que se conserva o, para WebP sin pérdida, el esfuerzo dedicado al tamaño</translation>
    </message>
    <message>
        <source>Stopping… (1 file finishing)</source>
        <translation>Deteniendo… (1 archivo por terminar)</translation>
    </message>
    <message>
        <source>Stopping… (%1 files finishing)</source>
        <translation>Deteniendo… (%1 archivos por terminar)</translation>
    </message>
    <message>
        <source>0 item</source>
        <translation>0 elementos</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 elemento</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 elementos</translation>
    </message>
    <message>
        <source>Replace a file that has the output&apos;s name, keeping it as name_backup_N; off, the output takes a free name (name_1) instead</source>
        <translation>Reemplazar un archivo con el nombre de la salida, guardándolo como name_backup_N; desactivado, la salida toma un nombre libre (name_1)</translation>
    </message>
    <message>
        <source>Leave out what is stored beside the pixels (camera data, colour profiles, comments): smaller files that say nothing of where they came from</source>
        <translation>Omitir lo que se guarda junto a los píxeles (datos de la cámara, perfiles de color, comentarios): archivos más pequeños que no dicen nada de su origen</translation>
    </message>
    <message>
        <source>Keep transparent areas transparent where the format can; off, they are filled with the background colour</source>
        <translation>Mantener transparentes las zonas transparentes si el formato lo permite; desactivado, se rellenan con el color de fondo</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file; 75 to 90 suits photos</source>
        <translation>Más alto conserva más detalle en un archivo mayor; de 75 a 90 va bien para fotos</translation>
    </message>
    <message>
        <source>The print size stored in the file, in dots per inch; the pixels stay as they are</source>
        <translation>El tamaño de impresión guardado en el archivo, en puntos por pulgada; los píxeles no cambian</translation>
    </message>
    <message>
        <source>Stored coarse to fine, so that a web page shows the whole picture at once and sharpens it; often a little smaller</source>
        <translation>Guardado de grueso a fino, para que una página web muestre enseguida la imagen entera y la vaya afinando; a menudo algo más pequeño</translation>
    </message>
    <message>
        <source>Works out the best code tables for each picture: a few percent smaller, nothing lost, a little slower</source>
        <translation>Calcula las mejores tablas de códigos para cada imagen: unos puntos porcentuales más pequeño, sin pérdida, algo más lento</translation>
    </message>
    <message>
        <source>TrueColor keeps the colours, Grayscale only the brightness, Monochrome only black and white</source>
        <translation>Color verdadero conserva los colores, Escala de grises solo el brillo, Monocromo solo blanco y negro</translation>
    </message>
    <message>
        <source>How the colours are stored: YCbCr is what cameras and browsers expect; RGB, GRAY or CMYK (for print) only when asked for</source>
        <translation>Cómo se guardan los colores: YCbCr es lo que esperan cámaras y navegadores; RGB, GRAY o CMYK (para imprenta) solo si se piden</translation>
    </message>
    <message>
        <source>JPEG compression loses detail as the quality says; lossless JPEG keeps every pixel, but few programs read it</source>
        <translation>La compresión JPEG pierde detalle según la calidad; el JPEG sin pérdida conserva cada píxel, pero pocos programas lo leen</translation>
    </message>
    <message>
        <source>Optimization keeps up to 256 colours chosen for the picture; Monochrome only black and white</source>
        <translation>Optimización conserva hasta 256 colores elegidos para la imagen; Monocromo solo blanco y negro</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; a little larger</source>
        <translation>Guardado por pasadas, para que una página web muestre enseguida una imagen aproximada; algo mayor</translation>
    </message>
    <message>
        <source>Mixes the few colours a GIF has in fine patterns, so that gradients look smooth rather than banded</source>
        <translation>Mezcla los pocos colores de un GIF en tramas finas, para que los degradados se vean suaves y no en bandas</translation>
    </message>
    <message>
        <source>The colour model in which the GIF&apos;s colours are chosen: RGB suits most pictures; the others may keep skin tones or gradients better</source>
        <translation>El modelo de color en el que se eligen los colores del GIF: RGB va bien para la mayoría; los demás pueden conservar mejor los tonos de piel o los degradados</translation>
    </message>
    <message>
        <source>How many colours the GIF keeps, at most 256; fewer gives a smaller file</source>
        <translation>Cuántos colores conserva el GIF, como máximo 256; menos da un archivo más pequeño</translation>
    </message>
    <message>
        <source>How finely colours are sorted before they are chosen; 0 lets the program decide, higher is slower and rarely better</source>
        <translation>Con qué finura se ordenan los colores antes de elegirlos; 0 deja decidir al programa, más alto es más lento y rara vez mejor</translation>
    </message>
    <message>
        <source>The colour model the pixels are stored in; keep RGB unless another program asks for a different one</source>
        <translation>El modelo de color en que se guardan los píxeles; mantenga RGB salvo que otro programa pida otro</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; larger</source>
        <translation>Guardado por pasadas, para que una página web muestre enseguida una imagen aproximada; mayor</translation>
    </message>
    <message>
        <source>How hard the file is packed: 9 is smallest and slowest, 0 not packed; nothing is lost either way</source>
        <translation>Cuánto se comprime el archivo: 9 es lo más pequeño y lento, 0 sin comprimir; no se pierde nada en ningún caso</translation>
    </message>
    <message>
        <source>How each row is prepared before it is packed; Adaptive chooses row by row and is usually smallest</source>
        <translation>Cómo se prepara cada fila antes de comprimirla; Adaptativo elige fila a fila y suele dar lo más pequeño</translation>
    </message>
    <message>
        <source>Change the pixel size of every picture as set on this page</source>
        <translation>Cambiar el tamaño en píxeles de cada imagen según esta página</translation>
    </message>
    <message>
        <source>The width in pixels of the box the pictures are resized to</source>
        <translation>El ancho en píxeles del marco al que se ajustan las imágenes</translation>
    </message>
    <message>
        <source>The height in pixels of the box the pictures are resized to</source>
        <translation>El alto en píxeles del marco al que se ajustan las imágenes</translation>
    </message>
    <message>
        <source>Balanced is fast and smooth; Optimization is sharper (Lanczos); Customized uses the filter chosen below</source>
        <translation>Equilibrado es rápido y suave; Optimización es más nítido (Lanczos); Personalizado usa el filtro elegido abajo</translation>
    </message>
    <message>
        <source>With Customized: how new pixels are worked out from the old; Lanczos is sharp, Box and Point fast and blocky</source>
        <translation>Con Personalizado: cómo se calculan los píxeles nuevos a partir de los viejos; Lanczos es nítido, Box y Point rápidos y pixelados</translation>
    </message>
    <message>
        <source>The format every output is written in</source>
        <translation>El formato en que se escribe cada salida</translation>
    </message>
    <message>
        <source>The chosen format&apos;s quality: higher keeps more detail in a larger file</source>
        <translation>La calidad del formato elegido: más alta conserva más detalle en un archivo mayor</translation>
    </message>
    <message>
        <source>Choose the folder the outputs go to</source>
        <translation>Elegir la carpeta de las salidas</translation>
    </message>
    <message>
        <source>Write each output beside its input, in the input&apos;s own folder</source>
        <translation>Escribir cada salida junto a su entrada, en la carpeta de esta</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propiedades</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Todas las imágenes (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Archivos por convertir</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opciones</translation>
    </message>
    <message>
        <source>Options of the page</source>
        <translation>Opciones de la página</translation>
    </message>
    <message>
        <source>Percent of the size</source>
        <translation>Porcentaje del tamaño</translation>
    </message>
    <message>
        <source>PDF quality</source>
        <translation>Calidad PDF</translation>
    </message>
    <message>
        <source>Files and options</source>
        <translation>Archivos y opciones</translation>
    </message>
</context>
<context>
    <name>ImageInfoDialog</name>
    <message>
        <source>Image Properties</source>
        <translation>Propiedades de la imagen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño del archivo</translation>
    </message>
    <message>
        <source>Total Colors</source>
        <translation>Total de colores</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Leyendo…</translation>
    </message>
    <message>
        <source>Cannot show this picture: %1</source>
        <translation>No se puede mostrar esta imagen: %1</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>el archivo está vacío.</translation>
    </message>
    <message>
        <source>There is no file at this path any more.</source>
        <translation>Ya no hay ningún archivo en esta ruta.</translation>
    </message>
    <message>
        <source>Cannot read this file: %1</source>
        <translation>No se puede leer este archivo: %1</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Counting…</source>
        <translation>Contando…</translation>
    </message>
    <message>
        <source>too large to count</source>
        <translation>demasiado grande para contarlos</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>no se pueden contar</translation>
    </message>
</context>
<context>
    <name>InputFormats</name>
    <message>
        <source>Windows icon</source>
        <translation>icono de Windows</translation>
    </message>
    <message>
        <source>Apple icon</source>
        <translation>icono de Apple</translation>
    </message>
    <message>
        <source>Sun raster</source>
        <translation>Sun Raster</translation>
    </message>
    <message>
        <source>animated cursor</source>
        <translation>cursor animado</translation>
    </message>
</context>
<context>
    <name>NamePattern</name>
    <message>
        <source>has a &quot;}&quot; without its &quot;{&quot;</source>
        <translation>tiene una «}» sin su «{»</translation>
    </message>
    <message>
        <source>has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>tiene una «{» sin su «}»</translation>
    </message>
    <message>
        <source>has {%1}, which is none of {name} {base} {n} {n:3} {width} {height} {date} {folder}</source>
        <translation>tiene {%1}, que no es ninguno de {name} {base} {n} {n:3} {width} {height} {date} {folder}</translation>
    </message>
    <message>
        <source>may not hold &quot;/&quot;, &quot;\&quot; or &quot;..&quot;: every output stays in its folder</source>
        <translation>no puede contener «/», «\» ni «..»: cada salida se queda en su carpeta</translation>
    </message>
    <message>
        <source>may not hold control characters</source>
        <translation>no puede contener caracteres de control</translation>
    </message>
</context>
<context>
    <name>OptionForm</name>
    <message>
        <source>%1 Options</source>
        <translation>Opciones de %1</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compresión</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Sin pérdida</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Colour Resolution</source>
        <translation>Resolución de color</translation>
    </message>
    <message>
        <source>4:2:0 (half, as photos)</source>
        <translation>4:2:0 (mitad, como en fotos)</translation>
    </message>
    <message>
        <source>4:4:4 (full, for sharp colour edges)</source>
        <translation>4:4:4 (completa, para bordes de color nítidos)</translation>
    </message>
    <message>
        <source>Lossless (a JPEG is kept as it is)</source>
        <translation>Sin pérdida (un JPEG se conserva tal cual)</translation>
    </message>
    <message>
        <source>Effort</source>
        <translation>Esfuerzo</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Deflate (zip)</source>
        <translation>Deflate (zip)</translation>
    </message>
    <message>
        <source>Predictor</source>
        <translation>Predictor</translation>
    </message>
    <message>
        <source>Horizontal differencing</source>
        <translation>Diferenciación horizontal</translation>
    </message>
    <message>
        <source>Quality (JPEG compression)</source>
        <translation>Calidad (compresión JPEG)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
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
        <translation>Pre&amp;determinado</translation>
    </message>
</context>
<context>
    <name>OutputPreview</name>
    <message>
        <source>%1 → %1 (kept: it would be enlarged)</source>
        <translation>%1 → %1 (se mantiene: se ampliaría)</translation>
    </message>
    <message>
        <source>%1 (stretched)</source>
        <translation>%1 (estirada)</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>El patrón de nombre %1.</translation>
    </message>
    <message>
        <source>Reading the size of %1…</source>
        <translation>Leyendo el tamaño de %1…</translation>
    </message>
    <message>
        <source>The size of %1 cannot be read.</source>
        <translation>No se puede leer el tamaño de %1.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>cannot be made</source>
        <translation>no se puede crear</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>this is a PostScript document, not a picture</source>
        <translation>es un documento PostScript, no una imagen</translation>
    </message>
    <message>
        <source>this is a PDF document, not a picture</source>
        <translation>es un documento PDF, no una imagen</translation>
    </message>
    <message>
        <source>this is an XPS document, not a picture</source>
        <translation>es un documento XPS, no una imagen</translation>
    </message>
    <message>
        <source>this is an SVG drawing, not a picture</source>
        <translation>es un dibujo SVG, no una imagen</translation>
    </message>
    <message>
        <source>this is a Windows metafile drawing, not a picture</source>
        <translation>es un dibujo de metarchivo de Windows, no una imagen</translation>
    </message>
    <message>
        <source>not a picture this program can read</source>
        <translation>no es una imagen que este programa pueda leer</translation>
    </message>
    <message>
        <source>the file was cut short</source>
        <translation>el archivo está truncado</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written</source>
        <translation>solo se escribió el primero de %1 fotogramas</translation>
    </message>
    <message>
        <source>only the first %1 frames were written</source>
        <translation>solo se escribieron los primeros %1 fotogramas</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: all of them take more than the memory budget</source>
        <translation>solo se escribió el primero de %1 fotogramas: todos juntos superan el límite de memoria</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: the others cannot be read (%2)</source>
        <translation>solo se escribió el primero de %1 fotogramas: los demás no se pueden leer (%2)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>not enough memory to convert the image</source>
        <translation>no hay memoria suficiente para convertir la imagen</translation>
    </message>
    <message>
        <source>the decoder sent a malformed answer; the file is probably hostile</source>
        <translation>el decodificador envió una respuesta mal formada; probablemente el archivo es malicioso</translation>
    </message>
    <message>
        <source>standard input is a terminal, not a picture piped in</source>
        <translation>la entrada estándar es una terminal, no una imagen recibida por tubería</translation>
    </message>
    <message>
        <source>%1 pictures cannot go to standard output as one</source>
        <translation>%1 imágenes no pueden ir a la salida estándar como una sola</translation>
    </message>
    <message>
        <source>the sandbox for decoders cannot be set up on this system</source>
        <translation>no se puede preparar el entorno aislado de los decodificadores en este sistema</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (exit status %1); the file is probably damaged or hostile</source>
        <translation>el decodificador terminó inesperadamente (estado de salida %1); probablemente el archivo está dañado o es malicioso</translation>
    </message>
    <message>
        <source>the decoder took too long; the file is probably damaged or hostile</source>
        <translation>el decodificador tardó demasiado; probablemente el archivo está dañado o es malicioso</translation>
    </message>
    <message>
        <source>the decoder tried to start a program, which no picture needs, and was stopped; the file is probably hostile</source>
        <translation>el decodificador intentó iniciar un programa, algo que ninguna imagen necesita, y fue detenido; probablemente el archivo es malicioso</translation>
    </message>
    <message>
        <source>the decoder crashed (%1); the file is probably damaged or hostile</source>
        <translation>el decodificador falló (%1); probablemente el archivo está dañado o es malicioso</translation>
    </message>
    <message>
        <source>cannot start the decoder&apos;s process (%1)</source>
        <translation>no se puede iniciar el proceso del decodificador (%1)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 bytes)</source>
        <translation>el archivo es demasiado grande para leerlo (%1 bytes)</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 MiB, more than the memory budget of %2 MiB)</source>
        <translation>el archivo es demasiado grande para leerlo (%1 MiB, más que el límite de memoria de %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory to read the file</source>
        <translation>no hay memoria suficiente para leer el archivo</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written</source>
        <translation>solo se escribió el primero de %1 o más fotogramas</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: all of them take more than the memory budget</source>
        <translation>solo se escribió el primero de %1 o más fotogramas: todos juntos superan el límite de memoria</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: the others cannot be read (%2)</source>
        <translation>solo se escribió el primero de %1 o más fotogramas: los demás no se pueden leer (%2)</translation>
    </message>
    <message>
        <source>cannot be opened: the name is not valid UTF-8</source>
        <translation>no se puede abrir: el nombre no es UTF-8 válido</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Warning: %1
</source>
        <translation>Aviso: %1
</translation>
    </message>
    <message>
        <source>%1: skipped, %2 is there
</source>
        <translation>%1: omitido, %2 ya existe
</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 convertidos</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 omitidos</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fallidos</translation>
    </message>
    <message>
        <source>Stopped by %1: %2, %3 not converted</source>
        <translation>Detenido por %1: %2, %3 sin convertir</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, %1 sin empezar</translation>
    </message>
    <message>
        <source>Replaced files kept as backups (*_backup_N): %1
</source>
        <translation>Archivos reemplazados guardados como copia (*_backup_N): %1
</translation>
    </message>
    <message>
        <source>Outputs under a free name (*_N), the plain one being taken: %1
</source>
        <translation>Salidas con un nombre libre (*_N), por estar ocupado el propio: %1
</translation>
    </message>
    <message>
        <source> and %1 more files</source>
        <translation> y %1 archivos más</translation>
    </message>
    <message>
        <source>a free name: the plain one was taken</source>
        <translation>un nombre libre: el propio estaba ocupado</translation>
    </message>
    <message>
        <source>the file there kept as %1</source>
        <translation>el archivo existente guardado como %1</translation>
    </message>
    <message>
        <source>Dry run: %1 to convert, %2 skipped, %3 failed
</source>
        <translation>Simulación: %1 por convertir, %2 omitidos, %3 fallidos
</translation>
    </message>
    <message>
        <source>Made the folder %1
</source>
        <translation>Carpeta %1 creada
</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>no es una imagen que este programa pueda leer</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>el archivo termina antes que la imagen</translation>
    </message>
    <message>
        <source>the picture data is damaged</source>
        <translation>los datos de la imagen están dañados</translation>
    </message>
    <message>
        <source>stray bytes in the picture data were skipped</source>
        <translation>se omitieron bytes sueltos en los datos de la imagen</translation>
    </message>
    <message>
        <source>its colour profile is not quite right</source>
        <translation>su perfil de color no es del todo correcto</translation>
    </message>
    <message>
        <source>the picture is larger than this program allows</source>
        <translation>la imagen es más grande de lo que este programa permite</translation>
    </message>
    <message>
        <source>this program is not allowed to use the file or folder</source>
        <translation>este programa no tiene permiso para usar el archivo o la carpeta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk cannot be written to</source>
        <translation>no se puede escribir en el disco</translation>
    </message>
    <message>
        <source>the name is too long for the disk</source>
        <translation>el nombre es demasiado largo para el disco</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 converted</source>
        <translation>Detenido: %1 de %2 convertidos</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, %1 fallidos</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>%1 convertidos</translation>
    </message>
    <message>
        <source>, %1 with warnings</source>
        <translation>, %1 con avisos</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, %1 omitidos</translation>
    </message>
    <message>
        <source>, backups kept: %1 (*_backup_N)</source>
        <translation>, copias de seguridad conservadas: %1 (*_backup_N)</translation>
    </message>
    <message>
        <source>, free names taken: %1 (*_N)</source>
        <translation>, nombres libres usados: %1 (*_N)</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> en %1</translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <translation>No convertido: %1</translation>
    </message>
    <message>
        <source>Skipped: %1 is there already</source>
        <translation>Omitido: %1 ya existe</translation>
    </message>
    <message>
        <source>%1 and one more file</source>
        <translation>%1 y un archivo más</translation>
    </message>
    <message>
        <source>%1 and %2 more files</source>
        <translation>%1 y %2 archivos más</translation>
    </message>
    <message>
        <source>Converted to %1</source>
        <translation>Convertido en %1</translation>
    </message>
    <message>
        <source>Converted to %1, with a warning: %2</source>
        <translation>Convertido en %1, con un aviso: %2</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>No convertido</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Converted with a warning</source>
        <translation>Convertido con un aviso</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fallido</translation>
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
        <translation>Informe de conversión</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>Qué ocurrió</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Copiar lista</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Abrir carpeta de salida</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Files with problems</source>
        <translation>Archivos con problemas</translation>
    </message>
</context>
</TS>
