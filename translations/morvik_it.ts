<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Propellente per razzi</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Palloni meteorologici</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Batterie al litio</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Finestre per raggi X</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Vetro borosilicato</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Mine per matite</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Fertilizzanti ammoniacali</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Produzione di acciaio</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Dentifrici al fluoro</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Insegne al neon</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Lampioni stradali</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Leghe leggere</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Leghe aeronautiche</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Chip per computer</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Fiammiferi di sicurezza</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Acido solforico</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Depurazione dell&apos;acqua</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Lampadine</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Fertilizzanti potassici</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Produzione di cemento</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Lampade a ioduri metallici</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Motori a reazione</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Acciai per utensili</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Cromatura</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Acciai legati</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Utensili</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Magneti Alnico</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Acciaio inossidabile</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Cablaggi elettrici</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Zincatura dell&apos;acciaio</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Diodi a emissione di luce</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Dispositivi semiconduttori</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Preservanti per il legno</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Tamburi per fotocopiatrici</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Ritardanti di fiamma</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Lampade flash</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Celle fotoelettriche</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Fuochi d&apos;artificio rossi</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Fosfori per televisori</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Reattori nucleari</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Magneti superconduttori</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Traccianti medici</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Contatti elettrici</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Marmitte catalitiche</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Leghe dentali</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Pellicole fotografiche</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Batterie ricaricabili</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Saldanti bassofondenti</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Scatole di latta</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Leghe tipografiche</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Vulcanizzazione</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Antisettici medici</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Orologi atomici</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Mezzo di contrasto RX</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Obiettivi fotografici</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Pietrine per accendini</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Occhiali per saldatura</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Magneti permanenti</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Vernici luminescenti</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Magneti samario-cobalto</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Fosfori rossi</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Chip di memoria</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Fosfori verdi</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Materiali per laser</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Espansioni polari</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Colorazione del vetro</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Radiografia portatile</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Additivo per acciaio</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Catalizzatori di cracking</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Barre di controllo</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Condensatori elettronici</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Filamenti di lampade</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Termocoppie per alte temp.</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Punte di pennini</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Candele di accensione</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Catalizzatori chimici</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Gioielleria</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Termometri clinici</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Veleno per topi</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Batterie per auto</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Sprinkler antincendio</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Dispositivi antistatici</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Ricerca medica</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Radioterapia dei tumori</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Solo ricerca</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Sorgente di neutroni</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Reticelle per lumi a gas</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Combustibile nucleare</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Rivelazione di neutroni</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Armi nucleari</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Rivelatori di fumo</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Fonti di energia spaziali</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Metallo artificiale</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Solido</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Liquido</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Indefinito</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Colora per</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Stato fisico a temperatura</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Stati fisici a %1</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Scala di colori, chiaro per il valore più basso, scuro per il più alto</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>Non noto</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1: nessun dato</translation>
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
        <translation>%1 a %2 (fonde a %3, bolle a %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 a %2 (fonde a %3, punto di ebollizione non noto)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 a %2 (punto di fusione non noto, bolle a %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 a %2 (punti di fusione e di ebollizione non noti)</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>Esagonale</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>Cubica a corpo centrato</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboedrica</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cubica</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclina</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Cubica a facce centrate</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ortorombica</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonale</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Idrogeno</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Elio</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Litio</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Berillio</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boro</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbonio</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azoto</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Ossigeno</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluoro</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
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
        <translation>Alluminio</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicio</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosforo</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Zolfo</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Cloro</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassio</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcio</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandio</translation>
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
        <translation>Manganese</translation>
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
        <translation>Nichel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Rame</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinco</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallio</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanio</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arsenico</translation>
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
        <translation>Kripton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidio</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Stronzio</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ittrio</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirconio</translation>
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
        <translation>Tecnezio</translation>
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
        <translation>Palladio</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argento</translation>
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
        <translation>Stagno</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimonio</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellurio</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iodio</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xeno</translation>
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
        <translation>Lantanio</translation>
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
        <translation>Promezio</translation>
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
        <translation>Olmio</translation>
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
        <translation>Itterbio</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutezio</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Afnio</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantalio</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>Tungsteno</translation>
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
        <translation>Tallio</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Piombo</translation>
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
        <translation>Radon</translation>
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
        <translation>Attinio</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Torio</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protoattinio</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uranio</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Nettunio</translation>
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
        <translation>Einsteinio</translation>
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
        <translation>Laurenzio</translation>
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
        <translation>con quel nome esiste già un collegamento simbolico</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>quel nome non corrisponde a un file regolare</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>il file appartiene a un altro utente</translation>
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
        <translation>Lantanidi</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Attinidi</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Metalli</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Metalloidi</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Non metalli</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Scegliere una proprietà</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Ordina</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Fare clic su un pulsante per ordinare l&apos;elenco, di nuovo per invertire l&apos;ordine.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Visualizza per</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Simb.</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>N. atomico</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Mostra proprietà al clic</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Metalloide</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Non metallo</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metallo</translation>
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
        <translation>Salva la tavola periodica come immagine…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Stampa…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Anteprima di stampa…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Salva la stampa come PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Traccia un grafico di andamento</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Salva i dati del grafico come CSV…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Salva la tabella come CSV…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>Non ancora supportato</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Vista a colonne</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Vista a tabella</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Inserire, completo o parziale, 

 il NOME DELL&apos;ELEMENTO o
 il SIMBOLO o
 il NUMERO ATOMICO</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>Spiacenti, nessuna corrispondenza trovata.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Selezionare prima un elemento.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>non esiste alcuna cartella temporanea</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>Le proprietà sono state salvate in %1, ma non è stato possibile avviare l&apos;editor di testo. Aprire il file manualmente.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>Impossibile esportare le proprietà in %1: %2.</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik – tabella</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Salva la tabella come CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>Impossibile salvare la tabella in %1: %2.</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Salva i dati del grafico come CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>Impossibile salvare i dati del grafico in %1: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik – tavola periodica</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Immagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Salva il grafico come immagine</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Salva la tavola periodica come immagine</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>memoria insufficiente per l&apos;immagine</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Impossibile salvare la tavola periodica in %1: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Impossibile stampare la tavola periodica su %1.</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Salva la stampa come PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>Impossibile salvare la stampa in %1: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Mostra la tavola periodica</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Stampa…</translation>
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
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Numero atomico</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Peso atomico</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Raggio atomico</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Punto di ebollizione</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Punto di fusione</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densità</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Calore di vaporizz.</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Calore di fusione</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Conducibilità elettr.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Conducibilità termica</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Calore specifico</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potenziale di ionizzazione</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Elettro­negatività</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valenza</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Peso equivalente</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Struttura cristallina</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Scoperto da</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Anno di scoperta</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. elettronica</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
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
        <translation>Simbolo</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Numero atomico</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Peso atomico</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Raggio atomico</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Punto di ebollizione</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Punto di fusione</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densità</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Calore di vaporizz.</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Calore di fusione</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Conducibilità elettr.</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Conducibilità termica</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Calore specifico</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potenziale di ionizz.</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elettronegatività</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valenza</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Peso equivalente</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Struttura cristallina</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Scoperto da</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Anno di scoperta</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. elettronica</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 è la temperatura minima mostrata dalla tavola</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 è la temperatura massima mostrata dalla tavola</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Temperature in</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 elemento senza valore</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n elemento senza valore</numerusform>
            <numerusform>%n elementi senza valore</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Traccia grafico</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Mostra tavola</translation>
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
        <translation>Grafico</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>rispetto a</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>numero atomico</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 rispetto a %2: nessun elemento ha entrambi i valori</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 elemento</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n elemento</numerusform>
            <numerusform>%n elementi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 rispetto a %2: %3; valore massimo %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik – grafico</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>Impossibile mostrare il grafico: %1</translation>
    </message>
</context>
</TS>
