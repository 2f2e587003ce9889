<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Paliwo rakietowe</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Balony meteorologiczne</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Baterie litowe</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Okienka rentgenowskie</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Szkło borokrzemowe</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Grafity do ołówków</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Nawozy amoniakalne</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Produkcja stali</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Pasta do zębów z fluorem</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Reklamy neonowe</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Latarnie uliczne</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Stopy lekkie</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Stopy lotnicze</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Układy scalone</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Zapałki</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Kwas siarkowy</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Uzdatnianie wody</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Żarówki</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Nawozy potasowe</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Produkcja cementu</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Lampy metalohalogenkowe</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Silniki odrzutowe</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Stal narzędziowa</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Chromowanie</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Stale stopowe</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Magnesy alnico</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Stal nierdzewna</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Przewody elektryczne</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Cynkowanie stali</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Diody LED</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Elementy półprzewodnikowe</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Impregnaty do drewna</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Bębny kserokopiarek</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Środki ogniochronne</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Lampy błyskowe</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Fotokomórki</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Czerwone fajerwerki</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Luminofory telewizyjne</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Reaktory jądrowe</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Magnesy nadprzewodzące</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Znaczniki w medycynie</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Styki elektryczne</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Katalizatory samochodowe</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Stopy dentystyczne</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Błony fotograficzne</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Akumulatory</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Luty niskotopliwe</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Puszki konserwowe</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Stop drukarski</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Wulkanizacja kauczuku</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Środki antyseptyczne</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Zegary atomowe</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Środek kontrastowy RTG</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Obiektywy fotograficzne</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Kamienie do zapalniczek</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Okulary spawalnicze</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Magnesy trwałe</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Farby świecące</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Magnesy samarowo-kobaltowe</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Czerwone luminofory</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Układy pamięci</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Zielone luminofory</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Materiały laserowe</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Nabiegunniki magnesów</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Barwienie szkła</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Przenośne aparaty RTG</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Dodatek do stali</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Katalizatory krakingu</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Pręty sterujące reaktorów</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Kondensatory elektroniczne</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Włókna żarowe</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Termopary wysokotemp.</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Stalówki piór wiecznych</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Świece zapłonowe</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Katalizatory chemiczne</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Biżuteria</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Termometry lekarskie</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Trutka na szczury</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Akumulatory samochodowe</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Tryskacze przeciwpożarowe</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Jonizatory antystatyczne</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Badania medyczne</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Radioterapia nowotworów</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Tylko badania naukowe</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Źródło neutronów</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Koszulki żarowe</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Paliwo jądrowe</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Detekcja neutronów</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Broń jądrowa</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Czujniki dymu</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Źródła energii w kosmosie</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Metal syntetyczny</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Stały</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Ciekły</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Gazowy</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Nieznany</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Koloruj wg</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Klasa</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Stan skupienia w temperaturze</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Stany skupienia w %1</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Skala kolorów, od jasnego dla najmniejszej wartości do ciemnego dla największej</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1: brak danych</translation>
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
        <translation>%1 w %2 (topnieje w %3, wrze w %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 w %2 (topnieje w %3, temperatura wrzenia nieznana)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 w %2 (temperatura topnienia nieznana, wrze w %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 w %2 (temperatury topnienia i wrzenia nieznane)</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>Heksagonalna</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>Regularna przestrzennie centrowana</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Romboedryczna</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Regularna</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Jednoskośna</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Regularna ściennie centrowana</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Rombowa</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Tetragonalna</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Wodór</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hel</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lit</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Beryl</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bor</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Węgiel</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azot</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Tlen</translation>
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
        <translation>Sód</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnez</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Glin</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Krzem</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Fosfor</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Siarka</translation>
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
        <translation>Potas</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Wapń</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Skand</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Tytan</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Wanad</translation>
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
        <translation>Żelazo</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Kobalt</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Nikiel</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Miedź</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Cynk</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Gal</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>German</translation>
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
        <translation>Rubid</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Stront</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Itr</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Cyrkon</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Niob</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molibden</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technet</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruten</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Rod</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Pallad</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebro</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Kadm</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Ind</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Cyna</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antymon</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellur</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Jod</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Ksenon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Cez</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lantan</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cer</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Prazeodym</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Neodym</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Promet</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Samar</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Europ</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Gadolin</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Terb</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Dysproz</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Holm</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Erb</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Tul</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Iterb</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Lutet</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafn</translation>
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
        <translation>Ren</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Osm</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Iryd</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Platyna</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoto</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Rtęć</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Tal</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Ołów</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bizmut</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polon</translation>
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
        <translation>Frans</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Aktyn</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Tor</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Protaktyn</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Uran</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Pluton</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Ameryk</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Kiur</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkel</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Kaliforn</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Einstein</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Ferm</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Mendelew</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobel</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Lorens</translation>
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
        <translation>pod tą nazwą istnieje dowiązanie symboliczne</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>pod tą nazwą istnieje coś innego niż zwykły plik</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>plik należy do innego użytkownika</translation>
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
        <translation>Lantanoidy</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Aktynoidy</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Metale</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Półmetale</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Niemetale</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Wybierz właściwość</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Sortuj wg</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Kliknij przycisk, aby posortować listę, a ponownie – aby odwrócić kolejność.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Wyświetlaj jako</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>Liczba atom.</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Właściwości po kliknięciu</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Półmetal</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Niemetal</translation>
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
        <translation>Zapisz układ okresowy jako obraz…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Drukuj…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Podgląd wydruku…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Zapisz wydruk jako PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Pokaż wykres trendu</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Zapisz dane wykresu jako CSV…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Zapisz tabelę jako CSV…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>Jeszcze nieobsługiwane</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Widok kolumn</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Widok tablicy</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Wpisz w całości lub częściowo 

 NAZWĘ PIERWIASTKA lub
 SYMBOL lub
 LICZBĘ ATOMOWĄ</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>Niestety nie znaleziono żadnych wyników.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Najpierw wybierz pierwiastek.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>brak folderu tymczasowego</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>Właściwości zapisano w %1, ale nie udało się uruchomić edytora tekstu. Otwórz plik samodzielnie.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>Nie udało się wyeksportować właściwości do %1: %2.</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik – tabela</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Zapisz tabelę jako CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Plik CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać tabeli w %1: %2.</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Zapisz dane wykresu jako CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać danych wykresu w %1: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik – układ okresowy</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Obraz SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Zapisz wykres jako obraz</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Zapisz układ okresowy jako obraz</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>za mało pamięci na obraz</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać układu okresowego w %1: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Nie udało się wydrukować układu okresowego na drukarce %1.</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Zapisz wydruk jako PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Plik PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>Nie udało się zapisać wydruku w %1: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Pokaż układ okresowy</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Drukuj…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Liczba atomowa</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Masa atomowa</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Promień atomowy</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Temperatura wrzenia</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Temperatura topnienia</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Ciepło parowania</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Ciepło topnienia</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Przewodn. elektr.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Przewodność cieplna</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Ciepło właściwe</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potencjał jonizacyjny</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Elektro­ujemność</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Wartościowość</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Masa równo­ważnikowa</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Struktura krystaliczna</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Odkrywca</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Rok odkrycia</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Konfiguracja elektronowa</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Zastosowania</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbol</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Liczba atomowa</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Masa atomowa</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Promień atomowy</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Temperatura wrzenia</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Temperatura topnienia</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Ciepło parowania</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Ciepło topnienia</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Przewodność elektr.</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Przewodność cieplna</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Ciepło właściwe</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potencjał jonizacyjny</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Elektroujemność</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Wartościowość</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Masa równoważnikowa</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Struktura krystaliczna</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Odkrywca</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Rok odkrycia</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Konfiguracja elektr.</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Zastosowania</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 to najniższa temperatura, jaką może pokazać układ okresowy</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 to najwyższa temperatura, jaką może pokazać układ okresowy</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Temperatura w</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>Brak danych dla 1 pierwiastka</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>Brak danych dla %n pierwiastka</numerusform>
            <numerusform>Brak danych dla %n pierwiastków</numerusform>
            <numerusform>Brak danych dla %n pierwiastków</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Pokaż wykres</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Pokaż tablicę</translation>
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
        <translation>Wykres</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>względem</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>liczba atomowa</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 a %2: żaden pierwiastek nie ma obu wartości</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 pierwiastek</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n pierwiastek</numerusform>
            <numerusform>%n pierwiastki</numerusform>
            <numerusform>%n pierwiastków</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 a %2: %3; najwyższa wartość: %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik – wykres</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>Nie można pokazać wykresu: %1</translation>
    </message>
</context>
</TS>
