<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Hi,

I&apos;m Ilvane.

I&apos;m your image converter :)</source>
        <translation>Olá,

Eu sou Ilvane.

Sou seu conversor de imagens :)</translation>
    </message>
</context>
<context>
    <name>AccessibleNames</name>
    <message>
        <source>%1, slider</source>
        <translation>%1, controle deslizante</translation>
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
        <translation>Adicionar arquivos de imagem</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;dicionar</translation>
    </message>
    <message>
        <source>Convert image files</source>
        <translation>Converter arquivos de imagem</translation>
    </message>
    <message>
        <source>&amp;Convert</source>
        <translation>&amp;Converter</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Stop conversion</source>
        <translation>Parar a conversão</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Delete current item from list</source>
        <translation>Excluir o item atual da lista</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Clear list</source>
        <translation>Limpar a lista</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Quit application</source>
        <translation>Sair do aplicativo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Like us on Facebook</source>
        <translation>Curta-nos no Facebook</translation>
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
        <translation>Opções avançadas</translation>
    </message>
    <message>
        <source>Global Options</source>
        <translation>Opções globais</translation>
    </message>
    <message>
        <source>JPEG Options</source>
        <translation>Opções de JPEG</translation>
    </message>
    <message>
        <source>GIF Options</source>
        <translation>Opções de GIF</translation>
    </message>
    <message>
        <source>PNG Options</source>
        <translation>Opções de PNG</translation>
    </message>
    <message>
        <source>Resize Options</source>
        <translation>Redimensionamento</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Save Files</source>
        <translation>Salvar arquivos</translation>
    </message>
    <message>
        <source>Overwrite (not recommended)</source>
        <translation>Sobrescrever (não recomendado)</translation>
    </message>
    <message>
        <source>Output names</source>
        <translation>Nomes de saída</translation>
    </message>
    <message>
        <source>{name} whole name without its extension, {base} up to the first dot, {n} or {n:3} position in the list, {width}, {height}, {date} taken, {folder}</source>
        <translation>{name} nome inteiro sem a extensão, {base} até o primeiro ponto, {n} ou {n:3} posição na lista, {width}, {height}, {date} da foto, {folder}</translation>
    </message>
    <message>
        <source>{base}</source>
        <translation>{base}</translation>
    </message>
    <message>
        <source>With an output folder, each file of an imported folder goes to its own sub-folder there, made as needed</source>
        <translation>Com uma pasta de saída, cada arquivo de uma pasta importada vai para a sua própria subpasta nela, criada quando preciso</translation>
    </message>
    <message>
        <source>Keep sub-folders</source>
        <translation>Manter subpastas</translation>
    </message>
    <message>
        <source>Leave a file alone when its output is there already, so a job run again converts only what is missing</source>
        <translation>Não mexer em um arquivo cuja saída já existe, para que um trabalho repetido converta só o que falta</translation>
    </message>
    <message>
        <source>Skip files already converted</source>
        <translation>Ignorar arquivos já convertidos</translation>
    </message>
    <message>
        <source>Write each frame or page of an animation or multi-page file to a file of its own: name-1, name-2...</source>
        <translation>Gravar cada quadro ou página de uma animação ou arquivo de várias páginas em um arquivo próprio: nome-1, nome-2...</translation>
    </message>
    <message>
        <source>One file per frame/page</source>
        <translation>Um arquivo por quadro/página</translation>
    </message>
    <message>
        <source>Give each output the date its input was last changed, not the time of the conversion</source>
        <translation>Dar a cada saída a data da última alteração da entrada, não a hora da conversão</translation>
    </message>
    <message>
        <source>Keep file dates</source>
        <translation>Manter datas dos arquivos</translation>
    </message>
    <message>
        <source>End the run at the first file that cannot be converted</source>
        <translation>Encerrar a execução no primeiro arquivo que não puder ser convertido</translation>
    </message>
    <message>
        <source>Stop at the first failure</source>
        <translation>Parar na primeira falha</translation>
    </message>
    <message>
        <source>Files converted at once</source>
        <translation>Conversões simultâneas</translation>
    </message>
    <message>
        <source>How many files convert side by side; 1 converts one after the other</source>
        <translation>Quantos arquivos são convertidos lado a lado; 1 converte um após o outro</translation>
    </message>
    <message>
        <source>Clean</source>
        <translation>Limpeza</translation>
    </message>
    <message>
        <source>Strip All Profiles (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</source>
        <translation>Remover todos os perfis (EXIF, ICC, IPTC, ICM, 8BIM, XPM...)</translation>
    </message>
    <message>
        <source>Keep the ICC colour profile while the rest is stripped; without it the pixels are turned into sRGB first, so the picture looks the same</source>
        <translation>Manter o perfil de cor ICC enquanto o resto é removido; sem ele, os pixels são antes convertidos para sRGB, para que a imagem mantenha a aparência</translation>
    </message>
    <message>
        <source>Keep the colour profile</source>
        <translation>Manter o perfil de cor</translation>
    </message>
    <message>
        <source>Remove where the picture was taken (GPS) from the EXIF and XMP that are kept</source>
        <translation>Remover o local onde a foto foi tirada (GPS) dos dados EXIF e XMP mantidos</translation>
    </message>
    <message>
        <source>Remove location data</source>
        <translation>Remover localização</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>Inherit Transparency</source>
        <translation>Herdar transparência</translation>
    </message>
    <message>
        <source>Select background color</source>
        <translation>Selecionar a cor de fundo</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Padrã&amp;o</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>pixels/inch</source>
        <translation>pixels/polegada</translation>
    </message>
    <message>
        <source>Interlace Type</source>
        <translation>Entrelaçamento</translation>
    </message>
    <message>
        <source>Progressive JPEG</source>
        <translation>JPEG progressivo</translation>
    </message>
    <message>
        <source>Optimize</source>
        <translation>Otimizar</translation>
    </message>
    <message>
        <source>Huffman Coding Tables Optimization</source>
        <translation>Otimização das tabelas de Huffman</translation>
    </message>
    <message>
        <source>Extra</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Image Representation Type</source>
        <translation>Tipo de representação da imagem</translation>
    </message>
    <message>
        <source>TrueColor</source>
        <translation>TrueColor</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tons de cinza</translation>
    </message>
    <message>
        <source>Monochrome</source>
        <translation>Monocromático</translation>
    </message>
    <message>
        <source>Colorspace Type</source>
        <translation>Espaço de cores</translation>
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
        <translation>Tipo de compressão</translation>
    </message>
    <message>
        <source>JPEG Compression</source>
        <translation>Compressão JPEG</translation>
    </message>
    <message>
        <source>Lossless JPEG Compression</source>
        <translation>Compressão JPEG sem perdas</translation>
    </message>
    <message>
        <source>Optimization</source>
        <translation>Otimização</translation>
    </message>
    <message>
        <source>LineInterlace</source>
        <translation>LineInterlace</translation>
    </message>
    <message>
        <source>Floyd-Steinberg Dithering</source>
        <translation>Pontilhamento Floyd-Steinberg</translation>
    </message>
    <message>
        <source>Quantize Dither</source>
        <translation>Pontilhamento da quantização</translation>
    </message>
    <message>
        <source>Quantization</source>
        <translation>Quantização</translation>
    </message>
    <message>
        <source>Quantize Colorspace</source>
        <translation>Espaço de cores da quantização</translation>
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
        <translation>Cores da quantização</translation>
    </message>
    <message>
        <source>Depth of the Quantization Color Tree</source>
        <translation>Profundidade da árvore de cores da quantização</translation>
    </message>
    <message>
        <source>Colorspace</source>
        <translation>Espaço de cores</translation>
    </message>
    <message>
        <source>Compression Quality</source>
        <translation>Qualidade da compressão</translation>
    </message>
    <message>
        <source>Compression Level</source>
        <translation>Nível de compressão</translation>
    </message>
    <message>
        <source>Filter Type</source>
        <translation>Tipo de filtro</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
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
        <translation>Adaptativo com soma mínima dos valores absolutos</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Ativação</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Proportion</source>
        <translation>Proporção</translation>
    </message>
    <message>
        <source>Factor: 2 doubles the size, 3 triples it; -2 halves it, -3 makes it a third; 0 resizes to the width and height below</source>
        <translation>Fator: 2 dobra o tamanho, 3 o triplica; -2 o reduz à metade, -3 a um terço; 0 redimensiona para a largura e a altura abaixo</translation>
    </message>
    <message>
        <source> (-2: half, 2: double)</source>
        <translation> (-2: metade, 2: dobro)</translation>
    </message>
    <message>
        <source>or</source>
        <translation>ou</translation>
    </message>
    <message>
        <source>Percent of the size, used when the factor is 0: 50% halves it, 150% makes it half as large again; off resizes to the width and height below</source>
        <translation>Porcentagem do tamanho, usada quando o fator é 0: 50% o reduz à metade, 150% o aumenta em metade; desligado redimensiona para a largura e a altura abaixo</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desligado</translation>
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
        <translation>Largura</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Exactly width x height: a picture of other proportions is stretched or squeezed to it</source>
        <translation>Exatamente largura x altura: uma imagem de outras proporções é esticada ou comprimida para caber</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exato</translation>
    </message>
    <message>
        <source>Fit into width x height keeping the proportions: the picture is as large as the box allows</source>
        <translation>Caber em largura x altura mantendo as proporções: a imagem fica tão grande quanto a caixa permite</translation>
    </message>
    <message>
        <source>Based on width</source>
        <translation>Com base na largura</translation>
    </message>
    <message>
        <source>Never enlarge: a picture the resize would make larger on either side keeps its size</source>
        <translation>Nunca ampliar: uma imagem que o redimensionamento deixaria maior em algum lado mantém o seu tamanho</translation>
    </message>
    <message>
        <source>Only shrink</source>
        <translation>Só reduzir</translation>
    </message>
    <message>
        <source>Algorithms</source>
        <translation>Algoritmos</translation>
    </message>
    <message>
        <source>Resize Operator</source>
        <translation>Operador de redimensionamento</translation>
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
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Save Options</source>
        <translation>Opções de gravação</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Format&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Formato&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Quality&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Qualidade&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Path Options</source>
        <translation>Opções de caminho</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Output&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-style:italic;&quot;&gt;Saída&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Where the outputs go: type a folder or choose one with the button; a folder that does not exist yet is made when you convert</source>
        <translation>Para onde vão as saídas: digite uma pasta ou escolha uma com o botão; uma pasta que ainda não existe é criada ao converter</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Original Directory</source>
        <translation>Pasta original</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Predefinições</translation>
    </message>
    <message>
        <source>&amp;Save Options As…</source>
        <translation>&amp;Salvar opções como…</translation>
    </message>
    <message>
        <source>Keep every option under a name, to load again for the same kind of job</source>
        <translation>Guardar todas as opções com um nome, para carregá-las de novo no mesmo tipo de trabalho</translation>
    </message>
    <message>
        <source>Set every option to its default; the list and the output folder stay</source>
        <translation>Restaurar o padrão de todas as opções; a lista e a pasta de saída permanecem</translation>
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
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Import Folder</source>
        <translation>&amp;Importar pasta</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Import Folder with &amp;Subfolders</source>
        <translation>Importar pasta com s&amp;ubpastas</translation>
    </message>
    <message>
        <source>&amp;Open Directory</source>
        <translation>&amp;Abrir pasta</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir pasta de saída</translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Abrir arquivos</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Not added, the name is not valid UTF-8: %1</source>
        <translation>Não adicionado, o nome não é UTF-8 válido: %1</translation>
    </message>
    <message>
        <source>Not added, no such file or folder: %1</source>
        <translation>Não adicionado, arquivo ou pasta inexistente: %1</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Nenhum arquivo</translation>
    </message>
    <message>
        <source>Output Names</source>
        <translation>Nomes de saída</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>O padrão de nome %1.</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Pasta de saída</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Make it?</source>
        <translation>A pasta %1 não existe. Criá-la?</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>A pasta %1 não pode ser criada.</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Selecionar cor</translation>
    </message>
    <message>
        <source>Could not convert %1: %2</source>
        <translation>Não foi possível converter %1: %2</translation>
    </message>
    <message>
        <source>The options will not be saved: %1 cannot be written (%2)</source>
        <translation>As opções não serão salvas: não é possível gravar %1 (%2)</translation>
    </message>
    <message>
        <source>Save Options As</source>
        <translation>Salvar opções como</translation>
    </message>
    <message>
        <source>Name of the preset:</source>
        <translation>Nome da predefinição:</translation>
    </message>
    <message>
        <source>A preset cannot be called &quot;%1&quot;: give it a name without &quot;/&quot; that does not start with a dot.</source>
        <translation>Uma predefinição não pode se chamar &quot;%1&quot;: dê a ela um nome sem &quot;/&quot; que não comece com ponto.</translation>
    </message>
    <message>
        <source>There is a preset &quot;%1&quot; already. Replace it?</source>
        <translation>Já existe uma predefinição &quot;%1&quot;. Substituí-la?</translation>
    </message>
    <message>
        <source>The preset %1 %2.</source>
        <translation>A predefinição %1 %2.</translation>
    </message>
    <message>
        <source>Set every option as the preset %1 has it</source>
        <translation>Definir todas as opções como na predefinição %1</translation>
    </message>
    <message>
        <source>De&amp;lete Preset</source>
        <translation>E&amp;xcluir predefinição</translation>
    </message>
    <message>
        <source>Delete Preset</source>
        <translation>Excluir predefinição</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>Excluir a predefinição &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>AVIF quality: the detail kept; lossless is set on the AVIF page</source>
        <translation>Qualidade AVIF: o detalhe mantido; o modo sem perdas é definido na página AVIF</translation>
    </message>
    <message>
        <source>GIF has no quality: it keeps up to 256 colours, as set on the GIF page</source>
        <translation>GIF não tem qualidade: mantém até 256 cores, conforme definido na página GIF</translation>
    </message>
    <message>
        <source>JPEG2000 has no quality here: it is written without loss</source>
        <translation>JPEG2000 não tem qualidade aqui: é gravado sem perdas</translation>
    </message>
    <message>
        <source>JPEG quality, the same as on the JPEG page: higher keeps more detail in a larger file</source>
        <translation>Qualidade JPEG, a mesma da página JPEG: mais alta mantém mais detalhes em um arquivo maior</translation>
    </message>
    <message>
        <source>JPEG XL quality: 90 looks the same as the original, 100 keeps every pixel</source>
        <translation>Qualidade JPEG XL: 90 parece igual ao original, 100 mantém cada pixel</translation>
    </message>
    <message>
        <source>PDF quality: photos kept as JPEG keep more detail in a larger file; other pictures are packed tighter</source>
        <translation>Qualidade PDF: fotos mantidas como JPEG guardam mais detalhes em um arquivo maior; outras imagens são mais compactadas</translation>
    </message>
    <message>
        <source>PNG has no quality: it keeps every pixel; its compression is set on the PNG page</source>
        <translation>PNG não tem qualidade: mantém cada pixel; sua compressão é definida na página PNG</translation>
    </message>
    <message>
        <source>TIFF quality: only JPEG compression, chosen on the TIFF page, loses detail</source>
        <translation>Qualidade TIFF: só a compressão JPEG, escolhida na página TIFF, perde detalhes</translation>
    </message>
    <message>
        <source>WebP quality: the detail kept, or for lossless WebP the effort spent on size</source>
        <translation>Qualidade WebP: o detalhe mantido ou, para WebP sem perdas, o esforço gasto no tamanho</translation>
    </message>
    <message>
        <source>Stopping… (1 file finishing)</source>
        <translation>Parando… (1 arquivo terminando)</translation>
    </message>
    <message>
        <source>Stopping… (%1 files finishing)</source>
        <translation>Parando… (%1 arquivos terminando)</translation>
    </message>
    <message>
        <source>0 item</source>
        <translation>0 item</translation>
    </message>
    <message>
        <source>1 item</source>
        <translation>1 item</translation>
    </message>
    <message>
        <source>%1 items</source>
        <translation>%1 itens</translation>
    </message>
    <message>
        <source>Replace a file that has the output&apos;s name, keeping it as name_backup_N; off, the output takes a free name (name_1) instead</source>
        <translation>Substituir um arquivo com o nome da saída, guardando-o como name_backup_N; desligado, a saída recebe um nome livre (name_1)</translation>
    </message>
    <message>
        <source>Leave out what is stored beside the pixels (camera data, colour profiles, comments): smaller files that say nothing of where they came from</source>
        <translation>Omitir o que fica guardado junto aos pixels (dados da câmera, perfis de cor, comentários): arquivos menores que não dizem nada de onde vieram</translation>
    </message>
    <message>
        <source>Keep transparent areas transparent where the format can; off, they are filled with the background colour</source>
        <translation>Manter transparentes as áreas transparentes quando o formato permite; desligado, elas são preenchidas com a cor de fundo</translation>
    </message>
    <message>
        <source>Higher keeps more detail in a larger file; 75 to 90 suits photos</source>
        <translation>Mais alta mantém mais detalhes em um arquivo maior; 75 a 90 serve para fotos</translation>
    </message>
    <message>
        <source>The print size stored in the file, in dots per inch; the pixels stay as they are</source>
        <translation>O tamanho de impressão gravado no arquivo, em pontos por polegada; os pixels não mudam</translation>
    </message>
    <message>
        <source>Stored coarse to fine, so that a web page shows the whole picture at once and sharpens it; often a little smaller</source>
        <translation>Gravado do grosso ao fino, para que uma página web mostre logo a imagem inteira e depois a torne nítida; muitas vezes um pouco menor</translation>
    </message>
    <message>
        <source>Works out the best code tables for each picture: a few percent smaller, nothing lost, a little slower</source>
        <translation>Calcula as melhores tabelas de código para cada imagem: alguns por cento menor, nada se perde, um pouco mais lento</translation>
    </message>
    <message>
        <source>TrueColor keeps the colours, Grayscale only the brightness, Monochrome only black and white</source>
        <translation>TrueColor mantém as cores, Tons de cinza só o brilho, Monocromático só preto e branco</translation>
    </message>
    <message>
        <source>How the colours are stored: YCbCr is what cameras and browsers expect; RGB, GRAY or CMYK (for print) only when asked for</source>
        <translation>Como as cores são gravadas: YCbCr é o que câmeras e navegadores esperam; RGB, GRAY ou CMYK (para impressão) só quando pedido</translation>
    </message>
    <message>
        <source>JPEG compression loses detail as the quality says; lossless JPEG keeps every pixel, but few programs read it</source>
        <translation>A compressão JPEG perde detalhes conforme a qualidade; o JPEG sem perdas mantém cada pixel, mas poucos programas o leem</translation>
    </message>
    <message>
        <source>Optimization keeps up to 256 colours chosen for the picture; Monochrome only black and white</source>
        <translation>Otimização mantém até 256 cores escolhidas para a imagem; Monocromático só preto e branco</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; a little larger</source>
        <translation>Gravado em passadas, para que uma página web mostre logo uma imagem aproximada; um pouco maior</translation>
    </message>
    <message>
        <source>Mixes the few colours a GIF has in fine patterns, so that gradients look smooth rather than banded</source>
        <translation>Mistura as poucas cores de um GIF em padrões finos, para que os degradês pareçam suaves e não em faixas</translation>
    </message>
    <message>
        <source>The colour model in which the GIF&apos;s colours are chosen: RGB suits most pictures; the others may keep skin tones or gradients better</source>
        <translation>O modelo de cor em que as cores do GIF são escolhidas: RGB serve para a maioria das imagens; os outros podem preservar melhor tons de pele ou degradês</translation>
    </message>
    <message>
        <source>How many colours the GIF keeps, at most 256; fewer gives a smaller file</source>
        <translation>Quantas cores o GIF mantém, no máximo 256; menos dá um arquivo menor</translation>
    </message>
    <message>
        <source>How finely colours are sorted before they are chosen; 0 lets the program decide, higher is slower and rarely better</source>
        <translation>Com que finura as cores são ordenadas antes da escolha; 0 deixa o programa decidir, mais alto é mais lento e raramente melhor</translation>
    </message>
    <message>
        <source>The colour model the pixels are stored in; keep RGB unless another program asks for a different one</source>
        <translation>O modelo de cor em que os pixels são gravados; mantenha RGB, a não ser que outro programa peça outro</translation>
    </message>
    <message>
        <source>Stored in passes, so that a web page shows a rough picture at once; larger</source>
        <translation>Gravado em passadas, para que uma página web mostre logo uma imagem aproximada; maior</translation>
    </message>
    <message>
        <source>How hard the file is packed: 9 is smallest and slowest, 0 not packed; nothing is lost either way</source>
        <translation>Quanto o arquivo é compactado: 9 é o menor e mais lento, 0 sem compactação; nada se perde em nenhum caso</translation>
    </message>
    <message>
        <source>How each row is prepared before it is packed; Adaptive chooses row by row and is usually smallest</source>
        <translation>Como cada linha é preparada antes da compactação; Adaptativo escolhe linha a linha e costuma dar o menor arquivo</translation>
    </message>
    <message>
        <source>Change the pixel size of every picture as set on this page</source>
        <translation>Mudar o tamanho em pixels de cada imagem conforme esta página</translation>
    </message>
    <message>
        <source>The width in pixels of the box the pictures are resized to</source>
        <translation>A largura em pixels da caixa para a qual as imagens são redimensionadas</translation>
    </message>
    <message>
        <source>The height in pixels of the box the pictures are resized to</source>
        <translation>A altura em pixels da caixa para a qual as imagens são redimensionadas</translation>
    </message>
    <message>
        <source>Balanced is fast and smooth; Optimization is sharper (Lanczos); Customized uses the filter chosen below</source>
        <translation>Equilibrado é rápido e suave; Otimização é mais nítido (Lanczos); Personalizado usa o filtro escolhido abaixo</translation>
    </message>
    <message>
        <source>With Customized: how new pixels are worked out from the old; Lanczos is sharp, Box and Point fast and blocky</source>
        <translation>Com Personalizado: como os novos pixels são calculados a partir dos antigos; Lanczos é nítido, Box e Point rápidos e serrilhados</translation>
    </message>
    <message>
        <source>The format every output is written in</source>
        <translation>O formato em que cada saída é gravada</translation>
    </message>
    <message>
        <source>The chosen format&apos;s quality: higher keeps more detail in a larger file</source>
        <translation>A qualidade do formato escolhido: mais alta mantém mais detalhes em um arquivo maior</translation>
    </message>
    <message>
        <source>Choose the folder the outputs go to</source>
        <translation>Escolher a pasta das saídas</translation>
    </message>
    <message>
        <source>Write each output beside its input, in the input&apos;s own folder</source>
        <translation>Gravar cada saída ao lado da sua entrada, na pasta dela</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>&amp;Propriedades</translation>
    </message>
    <message>
        <source>All pictures (%1)</source>
        <translation>Todas as imagens (%1)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Files to convert</source>
        <translation>Arquivos a converter</translation>
    </message>
    <message>
        <source>Option pages</source>
        <translation>Páginas de opções</translation>
    </message>
    <message>
        <source>Options of the page</source>
        <translation>Opções da página</translation>
    </message>
    <message>
        <source>Percent of the size</source>
        <translation>Porcentagem do tamanho</translation>
    </message>
    <message>
        <source>PDF quality</source>
        <translation>Qualidade PDF</translation>
    </message>
    <message>
        <source>Files and options</source>
        <translation>Arquivos e opções</translation>
    </message>
</context>
<context>
    <name>ImageInfoDialog</name>
    <message>
        <source>Image Properties</source>
        <translation>Propriedades da imagem</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>Total Colors</source>
        <translation>Total de cores</translation>
    </message>
    <message>
        <source>Reading…</source>
        <translation>Lendo…</translation>
    </message>
    <message>
        <source>Cannot show this picture: %1</source>
        <translation>Não é possível mostrar esta imagem: %1</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>o arquivo está vazio.</translation>
    </message>
    <message>
        <source>There is no file at this path any more.</source>
        <translation>Não há mais arquivo neste caminho.</translation>
    </message>
    <message>
        <source>Cannot read this file: %1</source>
        <translation>Não é possível ler este arquivo: %1</translation>
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
        <translation>grande demais para contar</translation>
    </message>
    <message>
        <source>cannot be counted</source>
        <translation>não é possível contar</translation>
    </message>
</context>
<context>
    <name>InputFormats</name>
    <message>
        <source>Windows icon</source>
        <translation>ícone do Windows</translation>
    </message>
    <message>
        <source>Apple icon</source>
        <translation>ícone da Apple</translation>
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
        <translation>tem um &quot;}&quot; sem o seu &quot;{&quot;</translation>
    </message>
    <message>
        <source>has a &quot;{&quot; without its &quot;}&quot;</source>
        <translation>tem um &quot;{&quot; sem o seu &quot;}&quot;</translation>
    </message>
    <message>
        <source>has {%1}, which is none of {name} {base} {n} {n:3} {width} {height} {date} {folder}</source>
        <translation>tem {%1}, que não é nenhum de {name} {base} {n} {n:3} {width} {height} {date} {folder}</translation>
    </message>
    <message>
        <source>may not hold &quot;/&quot;, &quot;\&quot; or &quot;..&quot;: every output stays in its folder</source>
        <translation>não pode conter &quot;/&quot;, &quot;\&quot; ou &quot;..&quot;: cada saída fica na sua pasta</translation>
    </message>
    <message>
        <source>may not hold control characters</source>
        <translation>não pode conter caracteres de controle</translation>
    </message>
</context>
<context>
    <name>OptionForm</name>
    <message>
        <source>%1 Options</source>
        <translation>Opções de %1</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Compressão</translation>
    </message>
    <message>
        <source>Lossless</source>
        <translation>Sem perdas</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Colour Resolution</source>
        <translation>Resolução de cor</translation>
    </message>
    <message>
        <source>4:2:0 (half, as photos)</source>
        <translation>4:2:0 (metade, como em fotos)</translation>
    </message>
    <message>
        <source>4:4:4 (full, for sharp colour edges)</source>
        <translation>4:4:4 (completa, para bordas de cor nítidas)</translation>
    </message>
    <message>
        <source>Lossless (a JPEG is kept as it is)</source>
        <translation>Sem perdas (um JPEG é mantido como está)</translation>
    </message>
    <message>
        <source>Effort</source>
        <translation>Esforço</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Deflate (zip)</source>
        <translation>Deflate (zip)</translation>
    </message>
    <message>
        <source>Predictor</source>
        <translation>Preditor</translation>
    </message>
    <message>
        <source>Horizontal differencing</source>
        <translation>Diferenciação horizontal</translation>
    </message>
    <message>
        <source>Quality (JPEG compression)</source>
        <translation>Qualidade (compressão JPEG)</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
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
        <translation>Padrã&amp;o</translation>
    </message>
</context>
<context>
    <name>OutputPreview</name>
    <message>
        <source>%1 → %1 (kept: it would be enlarged)</source>
        <translation>%1 → %1 (mantido: seria ampliado)</translation>
    </message>
    <message>
        <source>%1 (stretched)</source>
        <translation>%1 (esticado)</translation>
    </message>
    <message>
        <source>The name pattern %1.</source>
        <translation>O padrão de nome %1.</translation>
    </message>
    <message>
        <source>Reading the size of %1…</source>
        <translation>Lendo o tamanho de %1…</translation>
    </message>
    <message>
        <source>The size of %1 cannot be read.</source>
        <translation>Não é possível ler o tamanho de %1.</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>cannot be made</source>
        <translation>não pode ser criada</translation>
    </message>
    <message>
        <source>could not be written</source>
        <translation>não pôde ser gravada</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>this is a PostScript document, not a picture</source>
        <translation>este é um documento PostScript, não uma imagem</translation>
    </message>
    <message>
        <source>this is a PDF document, not a picture</source>
        <translation>este é um documento PDF, não uma imagem</translation>
    </message>
    <message>
        <source>this is an XPS document, not a picture</source>
        <translation>este é um documento XPS, não uma imagem</translation>
    </message>
    <message>
        <source>this is an SVG drawing, not a picture</source>
        <translation>este é um desenho SVG, não uma imagem</translation>
    </message>
    <message>
        <source>this is a Windows metafile drawing, not a picture</source>
        <translation>este é um desenho em metarquivo do Windows, não uma imagem</translation>
    </message>
    <message>
        <source>not a picture this program can read</source>
        <translation>não é uma imagem que este programa consiga ler</translation>
    </message>
    <message>
        <source>the file was cut short</source>
        <translation>o arquivo está truncado</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written</source>
        <translation>só o primeiro de %1 quadros foi gravado</translation>
    </message>
    <message>
        <source>only the first %1 frames were written</source>
        <translation>só os primeiros %1 quadros foram gravados</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: all of them take more than the memory budget</source>
        <translation>só o primeiro de %1 quadros foi gravado: todos juntos excedem o limite de memória</translation>
    </message>
    <message>
        <source>only the first of %1 frames was written: the others cannot be read (%2)</source>
        <translation>só o primeiro de %1 quadros foi gravado: os outros não podem ser lidos (%2)</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>not enough memory to convert the image</source>
        <translation>memória insuficiente para converter a imagem</translation>
    </message>
    <message>
        <source>the decoder sent a malformed answer; the file is probably hostile</source>
        <translation>o decodificador enviou uma resposta malformada; o arquivo provavelmente é malicioso</translation>
    </message>
    <message>
        <source>standard input is a terminal, not a picture piped in</source>
        <translation>a entrada padrão é um terminal, não uma imagem enviada por pipe</translation>
    </message>
    <message>
        <source>%1 pictures cannot go to standard output as one</source>
        <translation>%1 imagens não podem ir juntas para a saída padrão</translation>
    </message>
    <message>
        <source>the sandbox for decoders cannot be set up on this system</source>
        <translation>o isolamento (sandbox) dos decodificadores não pode ser configurado neste sistema</translation>
    </message>
    <message>
        <source>the decoder ended unexpectedly (exit status %1); the file is probably damaged or hostile</source>
        <translation>o decodificador terminou inesperadamente (status de saída %1); o arquivo provavelmente está danificado ou é malicioso</translation>
    </message>
    <message>
        <source>the decoder took too long; the file is probably damaged or hostile</source>
        <translation>o decodificador demorou demais; o arquivo provavelmente está danificado ou é malicioso</translation>
    </message>
    <message>
        <source>the decoder tried to start a program, which no picture needs, and was stopped; the file is probably hostile</source>
        <translation>o decodificador tentou iniciar um programa, algo de que nenhuma imagem precisa, e foi interrompido; o arquivo provavelmente é malicioso</translation>
    </message>
    <message>
        <source>the decoder crashed (%1); the file is probably damaged or hostile</source>
        <translation>o decodificador travou (%1); o arquivo provavelmente está danificado ou é malicioso</translation>
    </message>
    <message>
        <source>cannot start the decoder&apos;s process (%1)</source>
        <translation>não é possível iniciar o processo do decodificador (%1)</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 bytes)</source>
        <translation>o arquivo é grande demais para ser lido (%1 bytes)</translation>
    </message>
    <message>
        <source>the file is too large to be read (%1 MiB, more than the memory budget of %2 MiB)</source>
        <translation>o arquivo é grande demais para ser lido (%1 MiB, mais que o limite de memória de %2 MiB)</translation>
    </message>
    <message>
        <source>not enough memory to read the file</source>
        <translation>memória insuficiente para ler o arquivo</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written</source>
        <translation>só o primeiro de %1 ou mais quadros foi gravado</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: all of them take more than the memory budget</source>
        <translation>só o primeiro de %1 ou mais quadros foi gravado: todos juntos excedem o limite de memória</translation>
    </message>
    <message>
        <source>only the first of %1 or more frames was written: the others cannot be read (%2)</source>
        <translation>só o primeiro de %1 ou mais quadros foi gravado: os outros não podem ser lidos (%2)</translation>
    </message>
    <message>
        <source>cannot be opened: the name is not valid UTF-8</source>
        <translation>não pode ser aberto: o nome não é UTF-8 válido</translation>
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
        <translation>%1: ignorado, %2 já existe
</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>Convertidos: %1</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, ignorados: %1</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, falhas: %1</translation>
    </message>
    <message>
        <source>Stopped by %1: %2, %3 not converted</source>
        <translation>Interrompido por %1: %2, não convertidos: %3</translation>
    </message>
    <message>
        <source>, %1 not started</source>
        <translation>, não iniciados: %1</translation>
    </message>
    <message>
        <source>Replaced files kept as backups (*_backup_N): %1
</source>
        <translation>Arquivos substituídos mantidos como backup (*_backup_N): %1
</translation>
    </message>
    <message>
        <source>Outputs under a free name (*_N), the plain one being taken: %1
</source>
        <translation>Saídas com um nome livre (*_N), por o nome simples estar em uso: %1
</translation>
    </message>
    <message>
        <source> and %1 more files</source>
        <translation> e mais %1 arquivos</translation>
    </message>
    <message>
        <source>a free name: the plain one was taken</source>
        <translation>um nome livre: o nome simples estava em uso</translation>
    </message>
    <message>
        <source>the file there kept as %1</source>
        <translation>o arquivo existente mantido como %1</translation>
    </message>
    <message>
        <source>Dry run: %1 to convert, %2 skipped, %3 failed
</source>
        <translation>Simulação: a converter: %1, ignorados: %2, falhas: %3
</translation>
    </message>
    <message>
        <source>Made the folder %1
</source>
        <translation>Pasta %1 criada
</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>not a picture this program can read</source>
        <translation>não é uma imagem que este programa consiga ler</translation>
    </message>
    <message>
        <source>the file ends before the picture does</source>
        <translation>o arquivo termina antes da imagem</translation>
    </message>
    <message>
        <source>the picture data is damaged</source>
        <translation>os dados da imagem estão danificados</translation>
    </message>
    <message>
        <source>stray bytes in the picture data were skipped</source>
        <translation>bytes soltos nos dados da imagem foram ignorados</translation>
    </message>
    <message>
        <source>its colour profile is not quite right</source>
        <translation>o perfil de cor não está totalmente correto</translation>
    </message>
    <message>
        <source>the picture is larger than this program allows</source>
        <translation>a imagem é maior do que este programa permite</translation>
    </message>
    <message>
        <source>this program is not allowed to use the file or folder</source>
        <translation>este programa não tem permissão para usar o arquivo ou a pasta</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the disk cannot be written to</source>
        <translation>não é possível gravar no disco</translation>
    </message>
    <message>
        <source>the name is too long for the disk</source>
        <translation>o nome é longo demais para o disco</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 converted</source>
        <translation>Interrompido: %1 de %2 convertidos</translation>
    </message>
    <message>
        <source>, %1 failed</source>
        <translation>, falhas: %1</translation>
    </message>
    <message>
        <source>%1 converted</source>
        <translation>Convertidos: %1</translation>
    </message>
    <message>
        <source>, %1 with warnings</source>
        <translation>, com avisos: %1</translation>
    </message>
    <message>
        <source>, %1 skipped</source>
        <translation>, ignorados: %1</translation>
    </message>
    <message>
        <source>, backups kept: %1 (*_backup_N)</source>
        <translation>, backups mantidos: %1 (*_backup_N)</translation>
    </message>
    <message>
        <source>, free names taken: %1 (*_N)</source>
        <translation>, nomes livres usados: %1 (*_N)</translation>
    </message>
    <message>
        <source> in %1</source>
        <translation> em %1</translation>
    </message>
    <message>
        <source>Not converted: %1</source>
        <translation>Não convertido: %1</translation>
    </message>
    <message>
        <source>Skipped: %1 is there already</source>
        <translation>Ignorado: %1 já existe</translation>
    </message>
    <message>
        <source>%1 and one more file</source>
        <translation>%1 e mais um arquivo</translation>
    </message>
    <message>
        <source>%1 and %2 more files</source>
        <translation>%1 e mais %2 arquivos</translation>
    </message>
    <message>
        <source>Converted to %1</source>
        <translation>Convertido em %1</translation>
    </message>
    <message>
        <source>Converted to %1, with a warning: %2</source>
        <translation>Convertido em %1, com um aviso: %2</translation>
    </message>
    <message>
        <source>Not converted</source>
        <translation>Não convertido</translation>
    </message>
    <message>
        <source>Converted</source>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Converted with a warning</source>
        <translation>Convertido com aviso</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorado</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Falhou</translation>
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
        <translation>Relatório da conversão</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>What happened</source>
        <translation>O que aconteceu</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>&amp;Copiar lista</translation>
    </message>
    <message>
        <source>&amp;Open Output Folder</source>
        <translation>&amp;Abrir pasta de saída</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Files with problems</source>
        <translation>Arquivos com problemas</translation>
    </message>
</context>
</TS>
