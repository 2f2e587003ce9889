<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Combustible para cohetes</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Globos meteorológicos</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Baterías de litio</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Ventanas de rayos X</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Vidrio de borosilicato</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Minas de lápiz</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Fertilizantes amoniacales</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Fabricación de acero</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Pasta dental con flúor</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Letreros de neón</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Alumbrado público</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Aleaciones ligeras</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Aleaciones aeronáuticas</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Chips electrónicos</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Cerillas de seguridad</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Ácido sulfúrico</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Purificación del agua</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Bombillas</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Fertilizantes potásicos</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Fabricación de cemento</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Lámparas de halogenuros</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Motores a reacción</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Acero para herramientas</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Cromado</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Aceros aleados</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Imanes de Alnico</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Acero inoxidable</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Cableado eléctrico</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Galvanizado del acero</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Diodos emisores de luz</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Semiconductores</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Conservantes para madera</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Tambores de fotocopiadoras</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Retardantes de llama</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Lámparas de flash</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Células fotoeléctricas</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Fuegos artificiales rojos</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Luminóforos de televisión</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Reactores nucleares</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Imanes superconductores</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Trazadores médicos</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Contactos eléctricos</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Convertidores catalíticos</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Aleaciones dentales</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Película fotográfica</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Baterías recargables</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Soldaduras de baja fusión</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Latas de conserva</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Metal de imprenta</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Vulcanización del caucho</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Antisépticos médicos</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Relojes atómicos</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Contraste radiológico</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Objetivos fotográficos</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Piedras de encendedor</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Gafas de soldador</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Imanes permanentes</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Pintura luminiscente</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Imanes de samario-cobalto</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Luminóforos rojos</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Chips de memoria</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Luminóforos verdes</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Materiales láser</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Piezas polares</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Coloración del vidrio</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Rayos X portátiles</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Aditivo para acero</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Catalizadores de craqueo</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Barras de control nuclear</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Condensadores electrónicos</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Filamentos de lámparas</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Termopares de alta temp.</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Plumines de estilográficas</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Bujías</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Catalizadores químicos</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Joyería</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Termómetros clínicos</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Veneno para ratas</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Baterías de automóvil</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Rociadores antiincendios</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Eliminadores de estática</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Investigación médica</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Radioterapia del cáncer</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Solo investigación</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Fuente de neutrones</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Camisas incandescentes</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Combustible nuclear</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Detección de neutrones</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Armas nucleares</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Detectores de humo</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Generadores espaciales</translation>
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
        <translation>Gas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Incierto</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Color por</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Clase</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Estado físico</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Escala de colores, clara para el valor más bajo, oscura para el más alto</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>Sin datos</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1: sin datos</translation>
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
        <translation>%1 a %2 (funde a %3, hierve a %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 a %2 (funde a %3, punto de ebullición desconocido)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 a %2 (punto de fusión desconocido, hierve a %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 a %2 (puntos de fusión y ebullición desconocidos)</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Estados físicos a %1</translation>
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
        <translation>Cúbica centrada en el cuerpo</translation>
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
        <translation>Cúbica centrada en las caras</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ortorrómbica</translation>
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
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berilio</translation>
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
        <translation>Nitrógeno</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxígeno</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Flúor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodio</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesio</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fósforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Azufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argón</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potasio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Escandio</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titanio</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadio</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganeso</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Hierro</translation>
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
        <translation>Zinc</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Galio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsénico</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selenio</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Bromo</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Kriptón</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Estroncio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Itrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Circonio</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niobio</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibdeno</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Tecnecio</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Rutenio</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rodio</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Paladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmio</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indio</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Estaño</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Yodo</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenón</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cesio</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bario</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantano</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cerio</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodimio</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodimio</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prometio</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samario</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europio</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinio</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbio</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Disprosio</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmio</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbio</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tulio</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Iterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutecio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantalio</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>Wolframio</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Renio</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmio</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridio</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platino</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Talio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomo</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuto</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonio</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astato</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radón</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francio</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunio</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonio</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americio</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curio</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelio</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californio</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstenio</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermio</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevio</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelio</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Laurencio</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Unnilquadio</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Unnilpentio</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilhexio</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilseptio</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unniloctio</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Unnilennio</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>a symbolic link stands at that name</source>
        <translation>ya existe un enlace simbólico con ese nombre</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>el archivo pertenece a otro usuario</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>ese nombre no corresponde a un archivo normal</translation>
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
        <translation>Lantánidos</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Actínidos</translation>
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
        <translation>No metal</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Elija una propiedad</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Haga clic en un botón para ordenar la lista y otra vez para invertir el orden.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Ver elementos por</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Símb.</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>N.º atómico</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Ver propiedades al hacer clic</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Metaloide</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>No metal</translation>
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
        <source>Not yet supported</source>
        <translation>Todavía no disponible</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>En columnas</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>En tabla</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Escriba, completo o parcial, 

 el NOMBRE DEL ELEMENTO o
 el SÍMBOLO o
 el NÚMERO ATÓMICO</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>Lo sentimos, no se encontraron coincidencias.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Seleccione primero un elemento.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>no hay ninguna carpeta temporal</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>Las propiedades se guardaron en %1, pero no se pudo iniciar el editor de texto. Abra el archivo usted mismo.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>No se pudieron exportar las propiedades a %1: %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says of a tile on a coloured chart: &quot;Metal, Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik – tabla</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Guardar la tabla como CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Archivo CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la tabla en %1: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik – tabla periódica</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Guardar la tabla periódica como imagen</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>no hay memoria suficiente para la imagen</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la tabla periódica en %1: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>No se pudo imprimir la tabla periódica en %1.</translation>
    </message>
    <message>
        <source>Save chart as image…</source>
        <extracomment>Context menu entry of the chart (Ctrl+S).</extracomment>
        <translation>Guardar la tabla periódica como imagen…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Vista previa de impresión…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Guardar la tabla como CSV…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Guardar la impresión como PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Ver la curva de una propiedad</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Guardar los datos de la curva como CSV…</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Guardar los datos de la curva como CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>No se pudieron guardar los datos de la curva en %1: %2.</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Guardar la curva como imagen</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Guardar la impresión como PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la impresión en %1: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Ver la tabla periódica</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Vista previa de impresión</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Electro­negatividad</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valencia</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Estructura cristalina</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Descubierto por</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Año de descubri­miento</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. electrónica</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Masa atóm.</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Radio atómico</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Punto de ebullición</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Punto de fusión</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Calor de vap.</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Calor de fusión</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Cond. eléctr.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Cond. térm.</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potencial de ionización</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Peso equiv.</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Símbolo</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Número atómico</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Masa atómica</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Radio atómico</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Punto de ebullición</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Punto de fusión</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Calor de vaporización</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Calor de fusión</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Conductividad eléctr.</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Conductividad térmica</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Calor específico</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Pot. de ionización</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Electronegatividad</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valencia</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Peso equivalente</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Estructura cristalina</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Descubierto por</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Año de descubrimiento</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. electrónica</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 es la temperatura más baja que muestra la tabla periódica</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 es la temperatura más alta que muestra la tabla periódica</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Temperaturas en</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 elemento no tiene valor</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n elemento no tiene valor</numerusform>
            <numerusform>%n elementos no tienen valor</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Ver la curva</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Ver la tabla</translation>
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
        <translation>Curva</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>frente a</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>número atómico</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 frente a %2: ningún elemento tiene ambos valores</translation>
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
        <translation>%1 frente a %2: %3; máximo en %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik – curva</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>No se puede mostrar la curva: %1</translation>
    </message>
</context>
</TS>
