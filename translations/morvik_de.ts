<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Raketentreibstoff</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Wetterballons</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Lithiumbatterien</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Röntgenfenster</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Borosilikatglas</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Bleistiftminen</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Ammoniakdünger</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Stahlherstellung</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Zahnpasta mit Fluorid</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Neonreklame</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Straßenbeleuchtung</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Leichtmetalllegierungen</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Flugzeuglegierungen</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Computerchips</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Sicherheitszündhölzer</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Schwefelsäure</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Wasseraufbereitung</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Glühlampen</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Kalidünger</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Zementherstellung</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Metallhalogenidlampen</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Strahltriebwerke</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Werkzeugstahl</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Verchromung</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Stahllegierungen</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Alnico-Magnete</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Rostfreier Stahl</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Elektrische Leitungen</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Verzinken von Stahl</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Leuchtdioden</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Halbleiterbauelemente</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Holzschutzmittel</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Kopierertrommeln</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Flammschutzmittel</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Blitzlampen</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Fotozellen</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Rotes Feuerwerk</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Leuchtstoffe für Fernseher</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Kernreaktoren</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Supraleitende Magnete</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Medizinische Tracer</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Elektrische Kontakte</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Abgaskatalysatoren</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Dentallegierungen</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Fotografische Filme</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Akkumulatoren</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Niedrig schmelzende Lote</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Konservendosen</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Letternmetall</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Kautschukvulkanisation</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Medizinische Antiseptika</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Atomuhren</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Röntgenkontrastmittel</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Kameraobjektive</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Feuerzeugsteine</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Schweißerbrillen</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Permanentmagnete</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Leuchtfarbe</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Samarium-Cobalt-Magnete</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Rote Leuchtstoffe</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Speicherchips</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Grüne Leuchtstoffe</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Lasermaterialien</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Magnetpolschuhe</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Glasfärbung</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Tragbare Röntgengeräte</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Stahlzusatz</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Crackkatalysatoren</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Steuerstäbe für Reaktoren</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Kondensatoren</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Glühfäden</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Hochtemp.-Thermoelemente</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Füllhalterfedern</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Zündkerzen</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Chemische Katalysatoren</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Schmuck</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Fieberthermometer</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Rattengift</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Autobatterien</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Sprinkleranlagen</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Antistatikgeräte</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Medizinische Forschung</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Strahlentherapie bei Krebs</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Nur zu Forschungszwecken</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Neutronenquelle</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Glühstrümpfe</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Kernbrennstoff</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Neutronennachweis</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Kernwaffen</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Rauchmelder</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Energiequellen im Weltraum</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Künstliches Metall</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Flüssig</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Gas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Färben nach</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Aggregatzustand</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Farbskala, hell für den kleinsten Wert, dunkel für den größten</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>Kein Wert</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Temperatur</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1: keine Daten</translation>
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
        <translation>%1 bei %2 (schmilzt bei %3, siedet bei %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 bei %2 (schmilzt bei %3, Siedepunkt unbekannt)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 bei %2 (Schmelzpunkt unbekannt, siedet bei %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 bei %2 (Schmelz- und Siedepunkt unbekannt)</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Aggregatzustände bei %1</translation>
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
        <translation>Kubisch raumzentriert</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Rhomboedrisch</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Kubisch</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoklin</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Kubisch flächenzentriert</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombisch</translation>
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
        <translation>Wasserstoff</translation>
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
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Kohlenstoff</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Stickstoff</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Sauerstoff</translation>
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
        <translation>Phosphor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Schwefel</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlor</translation>
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
        <translation>Titan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Eisen</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nickel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Kupfer</translation>
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
        <translation>Arsen</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Selen</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brom</translation>
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
        <translation>Zirconium</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdän</translation>
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
        <translation>Rhodium</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Palladium</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
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
        <translation>Zinn</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Caesium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Barium</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praseodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
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
        <translation>Tantal</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>Wolfram</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhenium</translation>
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
        <translation>Platin</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Quecksilber</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Blei</translation>
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
        <translation>Astat</translation>
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
        <translation>Uran</translation>
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
        <translation>unter diesem Namen existiert ein symbolischer Link</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>die Datei gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>der Name bezeichnet keine gewöhnliche Datei</translation>
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
        <translation>Lanthanoide</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Actinoide</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Metalloid</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Nichtmetall</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Eigenschaft wählen</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Rangfolge</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Klicken Sie zum Sortieren auf eine Schaltfläche, zum Umkehren erneut.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Anzeigen als</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Eigenschaften per Klick</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Aufheben</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Metalloid</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Nichtmetall</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Metall</translation>
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
        <translation>Noch nicht unterstützt</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Spaltenansicht</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Tabellenansicht</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Ganz oder teilweise eingeben: 

 ELEMENTNAME oder
 SYMBOL oder
 ORDNUNGSZAHL</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>Leider wurden keine Treffer gefunden.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Wählen Sie zuerst ein Element aus.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>es gibt keinen temporären Ordner</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>Die Eigenschaften wurden in %1 gespeichert, aber der Texteditor konnte nicht gestartet werden. Öffnen Sie die Datei bitte selbst.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>Die Eigenschaften konnten nicht in %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says of a tile on a coloured chart: &quot;Metal, Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik – Tabelle</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Tabelle als CSV speichern</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV-Datei (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>Die Tabelle konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik – Periodensystem</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Periodensystem als Bild speichern</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>es ist nicht genug Speicher für das Bild frei</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Das Periodensystem konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Das Periodensystem konnte nicht auf %1 gedruckt werden.</translation>
    </message>
    <message>
        <source>Save chart as image…</source>
        <extracomment>Context menu entry of the chart (Ctrl+S).</extracomment>
        <translation>Periodensystem als Bild speichern…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Druckvorschau…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Tabelle als CSV speichern…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Ausdruck als PDF speichern…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Trend als Grafik anzeigen</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Grafikdaten als CSV speichern…</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Grafikdaten als CSV speichern</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>Die Grafikdaten konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Grafik als Bild speichern</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Ausdruck als PDF speichern</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>Der Ausdruck konnte nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Periodensystem anzeigen</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Drucken…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Elektro­negativität</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Wertigkeit</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Kristall­struktur</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Entdeckt von</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Jahr der Entdeckung</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Elektronen­konfig.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Atomradius</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Siedepunkt</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Schmelzpunkt</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Verdampfungs­wärme</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Schmelzwärme</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Elektr. Leitf.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Wärmeleitf.</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Spez. Wärme­kapazität</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Ionisierungs­potential</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Äquiv.-Masse</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Atommasse</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Atomradius</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Siedepunkt</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Schmelzpunkt</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Verdampfungswärme</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Schmelzwärme</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Elektr. Leitfähigkeit</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Wärmeleitfähigkeit</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Spez. Wärmekapazität</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Ionisierungspotential</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elektronegativität</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Wertigkeit</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Äquivalentmasse</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Kristallstruktur</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Entdeckt von</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Entdeckungsjahr</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Elektronenkonfig.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Anwendungen</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 ist die niedrigste Temperatur, die das Periodensystem anzeigt</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 ist die höchste Temperatur, die das Periodensystem anzeigt</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Temperatur in</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 Element hat keinen Wert</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n Element hat keinen Wert</numerusform>
            <numerusform>%n Elemente haben keinen Wert</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Trend anzeigen</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Periodensystem</translation>
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
        <translation>Grafik</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>gegen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>Ordnungszahl</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 gegen %2: kein Element hat beide Werte</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 Element</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 gegen %2: %3; höchster Wert bei %4 mit %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik – Grafik</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>Die Grafik kann nicht angezeigt werden: %1</translation>
    </message>
</context>
</TS>
