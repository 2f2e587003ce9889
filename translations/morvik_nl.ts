<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Raketbrandstof</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Weerballonnen</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Lithiumbatterijen</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Röntgenvensters</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Borosilicaatglas</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Potloodstiften</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Ammoniakmeststoffen</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Staalproductie</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Fluortandpasta</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Neonreclames</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Straatlantaarns</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Lichte legeringen</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Vliegtuiglegeringen</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Computerchips</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Veiligheidslucifers</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Zwavelzuur</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Waterzuivering</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Gloeilampen</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Kalimeststoffen</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Cementproductie</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Metaalhalogenidelampen</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Straalmotoren</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Gereedschapsstaal</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Verchromen</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Staallegeringen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Gereedschap</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Alnico-magneten</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Roestvrij staal</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Elektrische bedrading</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Verzinken van staal</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Lichtgevende diodes</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Halfgeleidercomponenten</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Houtconserveermiddelen</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Kopieertrommels</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Brandvertragers</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Flitslampen</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Fotocellen</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Rood vuurwerk</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Luminoforen voor tv</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Kernreactoren</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Supergeleidende magneten</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Medische tracers</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Elektrische contacten</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Autokatalysatoren</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Dentale legeringen</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Fotografische film</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Oplaadbare batterijen</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Laagsmeltend soldeer</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Conservenblikken</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Letterspecie</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Vulkaniseren van rubber</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Medische antiseptica</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Atoomklokken</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Röntgencontrastmiddel</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Cameralenzen</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Vuursteentjes</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Lasbrillen</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Permanente magneten</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Lichtgevende verf</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Samarium-kobaltmagneten</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Rode luminoforen</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Geheugenchips</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Groene luminoforen</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Lasermaterialen</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Magnetische poolschoenen</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Glaskleuring</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Draagbare röntgenapparaten</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Additief voor staal</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Kraakkatalysatoren</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Nucleaire regelstaven</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Condensatoren</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Gloeidraden</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Thermokoppels (hoge temp.)</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Vulpenpunten</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Bougies</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Chemische katalysatoren</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Sieraden</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Koortsthermometers</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Rattengif</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Auto-accu&apos;s</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Sprinklerinstallaties</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Antistatische apparaten</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Medisch onderzoek</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Radiotherapie bij kanker</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Alleen onderzoek</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Neutronenbron</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Gloeikousjes</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Kernbrandstof</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Neutronendetectie</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Kernwapens</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Rookmelders</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Energie voor ruimtevaart</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Kunstmatig metaal</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Vast</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Vloeib.</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Onbekend</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Kleur naar</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Aggregatietoestand bij temperatuur</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Aggregatietoestanden bij %1</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Kleurenschaal, licht voor de laagste waarde, donker voor de hoogste</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>n.b.</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Temperatuur</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1: niet bekend</translation>
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
        <translation>%1 bij %2 (smelt bij %3, kookt bij %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 bij %2 (smelt bij %3, kookpunt onbekend)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 bij %2 (smeltpunt onbekend, kookt bij %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 bij %2 (smelt- en kookpunt onbekend)</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>Hexagonaal</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>Kubisch ruimtegecentreerd</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboëdrisch</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Kubisch</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoklien</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Kubisch vlakgecentreerd</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorombisch</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonaal</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Waterstof</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Helium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Boor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Koolstof</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stikstof</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Zuurstof</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Natrium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnesium</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Silicium</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Zwavel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chloor</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Kalium</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Calcium</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Scandium</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Titaan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chroom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangaan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>IJzer</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Kobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nikkel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Koper</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zink</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gallium</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Germanium</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Arseen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Seleen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Broom</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Krypton</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Rubidium</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Strontium</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Yttrium</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Zirkonium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niobium</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdeen</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technetium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthenium</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Zilver</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Cadmium</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Indium</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Tin</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimoon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Telluur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Jood</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cesium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthaan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cerium</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodymium</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodymium</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promethium</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samarium</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europium</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolinium</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terbium</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysprosium</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holmium</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erbium</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Thulium</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ytterbium</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutetium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantaal</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>Wolfraam</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Renium</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osmium</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iridium</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platina</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Goud</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Kwik</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Lood</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astaat</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Radon</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Francium</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Radium</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Actinium</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Thorium</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protactinium</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uraan</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptunium</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Plutonium</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Americium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkelium</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Californium</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einsteinium</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Fermium</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelevium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobelium</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lawrencium</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Unnilquadium</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Unnilpentium</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Unnilhexium</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Unnilseptium</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Unniloctium</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Unnilennium</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>a symbolic link stands at that name</source>
        <translation>er bestaat al een symbolische koppeling met die naam</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>die naam hoort bij iets anders dan een gewoon bestand</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>het bestand is van een andere gebruiker</translation>
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
        <translation>Lanthaniden</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Actiniden</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Metaal</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Metalloïde</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Niet-metaal</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Kies een eigenschap</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Rangorde</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Klik op een knop om de lijst te sorteren en nogmaals om de volgorde om te keren.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Weergeven als</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Symb.</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>Atoomnummer</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Eigenschappen tonen bij klik</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Eigenschappen</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Metalloïde</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Niet-metaal</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metaal</translation>
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
        <translation>Periodiek systeem opslaan als afbeelding…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Afdrukken…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Afdrukvoorbeeld…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Afdruk opslaan als PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Trendgrafiek tonen</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Grafiekgegevens opslaan als CSV…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Tabel opslaan als CSV…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>Nog niet ondersteund</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Kolomweergave</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Tabelweergave</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Voer geheel of gedeeltelijk in: 

 ELEMENTNAAM of
 SYMBOOL of
 ATOOMNUMMER</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>Helaas, er zijn geen resultaten gevonden.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Selecteer eerst een element.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>er is geen tijdelijke map</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>De eigenschappen zijn opgeslagen in %1, maar de teksteditor kon niet worden gestart. Open het bestand zelf.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>De eigenschappen konden niet naar %1 worden geëxporteerd: %2.</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik – tabel</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Tabel opslaan als CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-bestand (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>De tabel kon niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Grafiekgegevens opslaan als CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>De grafiekgegevens konden niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik – periodiek systeem</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-afbeelding (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Grafiek opslaan als afbeelding</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Periodiek systeem opslaan als afbeelding</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>er is niet genoeg geheugen voor de afbeelding</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Het periodiek systeem kon niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Het periodiek systeem kon niet worden afgedrukt op %1.</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Afdruk opslaan als PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-bestand (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>De afdruk kon niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Periodiek systeem tonen</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Afdrukvoorbeeld</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Afdrukken…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbool</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Atoomnummer</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Atoommassa</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Atoomstraal</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Kookpunt</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Smeltpunt</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichtheid</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Verdampings­warmte</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Smeltwarmte</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Elektr. geleidb.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Warmte­geleid­baarheid</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Soortelijke warmte</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Ionisatie­potentiaal</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Elektro­negativiteit</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valentie</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Equivalent­massa</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Kristal­structuur</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Ontdekt door</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Jaar van ontdekking</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Elektronen­configuratie</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Toepassingen</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbool</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Atoomnummer</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Atoommassa</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Atoomstraal</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Kookpunt</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Smeltpunt</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichtheid</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Verdampingswarmte</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Smeltwarmte</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Elektr. geleidbaarheid</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Warmtegeleidbaarheid</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Soortelijke warmte</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Ionisatiepotentiaal</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elektronegativiteit</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valentie</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Equivalentmassa</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Kristalstructuur</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Ontdekt door</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Jaar van ontdekking</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Elektronenconfiguratie</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Toepassingen</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 is de laagste temperatuur die het periodiek systeem kan weergeven</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 is de hoogste temperatuur die het periodiek systeem kan weergeven</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Temperatuur in</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 element heeft geen waarde</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n element heeft geen waarde</numerusform>
            <numerusform>%n elementen hebben geen waarde</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Grafiek tonen</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Tabel tonen</translation>
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
        <translation>Plot</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>tegen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>atoomnummer</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 tegen %2: geen enkel element heeft beide waarden</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 element</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n element</numerusform>
            <numerusform>%n elementen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 tegen %2: %3; hoogste waarde: %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik – grafiek</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>De grafiek kan niet worden getoond: %1</translation>
    </message>
</context>
</TS>
