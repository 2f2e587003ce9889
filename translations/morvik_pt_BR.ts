<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Combustível de foguetes</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Balões meteorológicos</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Baterias de lítio</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Janelas de raios X</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Vidro borossilicato</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Grafite de lápis</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Fertilizantes amoniacais</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Fabricação de aço</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Creme dental com flúor</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Letreiros de neon</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Iluminação pública</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Ligas leves</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Ligas aeronáuticas</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Chips de computador</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Fósforos de segurança</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Ácido sulfúrico</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Tratamento de água</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Lâmpadas</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Fertilizantes potássicos</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Fabricação de cimento</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Lâmpadas de vapor metálico</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Motores a jato</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Aço para ferramentas</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Cromagem</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Ligas de aço</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Ímãs de Alnico</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Aço inoxidável</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Fiação elétrica</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Galvanização de aço</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Diodos emissores de luz</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Componentes semicondutores</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Conservantes de madeira</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Cilindros de copiadoras</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Retardantes de chama</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Lâmpadas de flash</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Células fotoelétricas</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Fogos de cor vermelha</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Fósforos de televisores</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Reatores nucleares</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Ímãs supercondutores</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Traçadores médicos</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Contatos elétricos</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Catalisadores automotivos</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Ligas odontológicas</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Filmes fotográficos</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Baterias recarregáveis</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Soldas de baixa fusão</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Latas de conserva</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Metal tipográfico</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Vulcanização da borracha</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Antissépticos médicos</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Relógios atômicos</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Contraste radiológico</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Lentes de câmeras</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Pedras de isqueiro</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Óculos de solda</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Ímãs permanentes</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Tintas luminescentes</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Ímãs de samário-cobalto</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Fósforos vermelhos</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Chips de memória</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Fósforos verdes</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Materiais para laser</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Peças polares</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Coloração de vidro</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Raios X portáteis</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Aditivo para aço</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Craqueamento catalítico</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Barras de controle nuclear</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Capacitores eletrônicos</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Filamentos de lâmpadas</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Termopares de alta temp.</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Pontas de canetas-tinteiro</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Velas de ignição</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Catalisadores químicos</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Joalheria</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Termômetros clínicos</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Veneno para ratos</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Baterias automotivas</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Sprinklers contra incêndio</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Eliminadores de estática</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Pesquisa médica</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Radioterapia do câncer</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Apenas pesquisa</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Fonte de nêutrons</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Camisas de lampião a gás</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Combustível nuclear</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Detecção de nêutrons</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Armas nucleares</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Detectores de fumaça</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Energia em naves espaciais</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Metal artificial</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Sólido</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Líquido</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Gás</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Indefinido</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Colorir por</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Estado físico à temperatura</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Estados físicos a %1</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Escala de cores, clara para o menor valor, escura para o maior</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>N/D</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1: sem dados</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a tile&apos;s value</comment>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property: &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boils at %4)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state: &quot;Liquid at 25 °C (melts at -39 C, boils at 357 C)&quot;.</extracomment>
        <translation>%1 a %2 (funde a %3, ferve a %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 a %2 (funde a %3, ponto de ebulição desconhecido)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 a %2 (ponto de fusão desconhecido, ferve a %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 a %2 (pontos de fusão e de ebulição desconhecidos)</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonal</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>Cúbica de corpo centrado</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboédrica</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cúbica</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclínica</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Cúbica de faces centradas</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ortorrômbica</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonal</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrogênio</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lítio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berílio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbono</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Nitrogênio</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxigênio</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neônio</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sódio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Alumínio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silício</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Enxofre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argônio</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potássio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Cálcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escândio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titânio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanádio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganês</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Ferro</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Níquel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Cobre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gálio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germânio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsênio</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selênio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Criptônio</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubídio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estrôncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ítrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zircônio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Nióbio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdênio</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnécio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutênio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Ródio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paládio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cádmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Índio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estanho</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimônio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telúrio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenônio</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bário</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantânio</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cério</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodímio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodímio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promécio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samário</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Európio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolínio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Térbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprósio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Hólmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Érbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Túlio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Itérbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutécio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Háfnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tântalo</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>Tungstênio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rênio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Ósmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Irídio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platina</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Ouro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercúrio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Tálio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Chumbo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polônio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radônio</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Frâncio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actínio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Tório</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactínio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Urânio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Netúnio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutônio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Amerício</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Cúrio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berquélio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Califórnio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstênio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Férmio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelévio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Laurêncio</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Unnilquádio</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Unnilpêntio</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilhéxio</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilséptio</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unnilóctio</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Unnilênio</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>a symbolic link stands at that name</source>
        <translation>já existe um link simbólico com esse nome</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>esse nome não corresponde a um arquivo comum</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>o arquivo pertence a outro usuário</translation>
    </message>
</context>
<context>
    <name>Morvik</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The heading of an element&apos;s sheet: name and symbol, &quot;Iron (Fe)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <extracomment>Caption of the detached row 58-71, bold; room for about 13 characters.</extracomment>
        <translation>Lantanídeos</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Actinídeos</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Metaloide</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Não metal</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Escolha uma propriedade</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Clique em um botão para ordenar a lista e clique de novo para inverter a ordem.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Exibir por</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Símb.</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>Nº atômico</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Exibir propriedades ao clicar</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Metaloide</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Não metal</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader hears a sheet line: the label, then the value with its unit.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <extracomment>A tile&apos;s name: atomic number, element name, symbol (&quot;26. Iron (Fe)&quot;).</extracomment>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says of a tile on a coloured chart: &quot;Metal, Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Save chart as image…</source>
        <extracomment>Context menu entry of the chart (Ctrl+S).</extracomment>
        <translation>Salvar tabela periódica como imagem…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Visualizar impressão…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Salvar impressão como PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Traçar gráfico de tendência</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Salvar dados do gráfico como CSV…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Salvar tabela como CSV…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>Ainda não suportado</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Exibir colunas</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Exibir tabela</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Digite, completo ou parcial, 

 o NOME DO ELEMENTO ou
 o SÍMBOLO ou
 o NÚMERO ATÔMICO</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>Desculpe, nenhum resultado encontrado.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Selecione um elemento primeiro.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>não há nenhuma pasta temporária</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>As propriedades foram salvas em %1, mas não foi possível iniciar o editor de texto. Abra o arquivo manualmente.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>Não foi possível exportar as propriedades para %1: %2.</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik – tabela</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Salvar tabela como CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar a tabela em %1: %2.</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Salvar dados do gráfico como CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar os dados do gráfico em %1: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik – tabela periódica</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Salvar gráfico como imagem</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Salvar tabela periódica como imagem</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>não há memória suficiente para a imagem</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar a tabela periódica em %1: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Não foi possível imprimir a tabela periódica em %1.</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Salvar impressão como PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Arquivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar a impressão em %1: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Exibir tabela periódica</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Visualizar impressão</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Imprimir…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Número atômico</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Massa atômica</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Raio atômico</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Ponto de ebulição</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Ponto de fusão</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Calor de vaporiz.</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Calor de fusão</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Cond. elétrica</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Cond. térmica</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potencial de ionização</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Eletro­negatividade</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valência</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Massa equivalente</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Estrutura cristalina</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Descoberto por</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Ano da descoberta</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. eletrônica</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicações</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Número atômico</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Massa atômica</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Raio atômico</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Ponto de ebulição</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Ponto de fusão</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Calor de vaporização</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Calor de fusão</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Condutividade elétrica</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Condutividade térmica</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potencial de ionização</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Eletronegatividade</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valência</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Massa equivalente</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Estrutura cristalina</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Descoberto por</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Ano da descoberta</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. eletrônica</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicações</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 é a temperatura mínima exibida pela tabela</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 é a temperatura máxima exibida pela tabela</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Temperaturas em</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 elemento sem valor</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n elemento sem valor</numerusform>
            <numerusform>%n elementos sem valor</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Traçar gráfico</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Exibir tabela</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside a property of the plot: that axis logarithmic; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>Plot</source>
        <extracomment>Caption of the property up the plot&apos;s vertical axis; room for about 6 characters.
----------
What a screen reader calls the plot.</extracomment>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>versus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>número atômico</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 versus %2: nenhum elemento tem os dois valores</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 elemento</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 versus %2: %3; maior valor %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik – gráfico</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>Não é possível mostrar o gráfico: %1</translation>
    </message>
</context>
</TS>
