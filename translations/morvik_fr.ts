<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Carburant pour fusées</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Ballons-sondes</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Batteries au lithium</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Fenêtres pour rayons X</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Verre borosilicaté</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Mines de crayon</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Engrais ammoniacaux</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Fabrication de l&apos;acier</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Dentifrice fluoré</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Enseignes au néon</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Éclairage public</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Alliages légers</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Alliages aéronautiques</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Puces électroniques</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Allumettes de sûreté</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Acide sulfurique</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Traitement de l&apos;eau</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Ampoules électriques</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Engrais potassiques</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Fabrication du ciment</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Lampes aux halogénures</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Moteurs à réaction</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Acier à outils</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Chromage</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Aciers alliés</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Aimants Alnico</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Acier inoxydable</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Câblage électrique</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Galvanisation de l&apos;acier</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Semi-conducteurs</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Protection du bois</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Tambours de photocopieurs</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Retardateurs de flamme</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Lampes flash</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Cellules photoélectriques</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Feux d&apos;artifice rouges</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Luminophores de télévision</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Réacteurs nucléaires</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Aimants supraconducteurs</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Traceurs médicaux</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Contacts électriques</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Pots catalytiques</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Alliages dentaires</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Pellicule photographique</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Batteries rechargeables</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Soudures basse température</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Boîtes de conserve</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Alliage typographique</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Caoutchouc vulcanisé</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Antiseptiques médicaux</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Horloges atomiques</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Produit de contraste</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Objectifs photo</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Pierres à briquet</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Lunettes de soudage</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Aimants permanents</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Peinture luminescente</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Aimants samarium-cobalt</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Luminophores rouges</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Puces mémoire</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Luminophores verts</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Matériaux laser</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Pièces polaires</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Coloration du verre</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Radiographie portable</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Additif pour l&apos;acier</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Catalyseurs de craquage</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Barres de contrôle</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Condensateurs</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Filaments de lampes</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Thermocouples haute temp.</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Pointes de stylos-plumes</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Bougies d&apos;allumage</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Catalyseurs chimiques</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Bijouterie</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Thermomètres médicaux</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Mort-aux-rats</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Batteries de voiture</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Extincteurs automatiques</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Dispositifs antistatiques</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Recherche médicale</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Radiothérapie du cancer</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Recherche uniquement</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Source de neutrons</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Manchons à incandescence</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Combustible nucléaire</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Détection de neutrons</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Armes nucléaires</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Détecteurs de fumée</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Sources d&apos;énergie spatiale</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Métal artificiel</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Solide</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Liquide</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Gaz</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Colorer par</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>État physique</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Log</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Échelle de couleurs, claire pour la plus petite valeur, foncée pour la plus grande</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Température</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1 : aucune donnée</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a tile&apos;s value</comment>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property: &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boils at %4)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state: &quot;Liquid at 25 °C (melts at -39 C, boils at 357 C)&quot;.</extracomment>
        <translation>%1 à %2 (fond à %3, bout à %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 à %2 (fond à %3, point d&apos;ébullition inconnu)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 à %2 (point de fusion inconnu, bout à %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 à %2 (points de fusion et d&apos;ébullition inconnus)</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>États physiques à %1</translation>
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
        <translation>Cubique centré</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Rhomboédrique</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Cubique</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Monoclinique</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Cubique à faces centrées</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Orthorhombique</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Quadratique</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Hydrogène</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Hélium</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Béryllium</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Bore</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbone</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Azote</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Oxygène</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Fluor</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Sodium</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Magnésium</translation>
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
        <translation>Phosphore</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Soufre</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Chlore</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Argon</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Potassium</translation>
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
        <translation>Titane</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Vanadium</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Manganèse</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Fer</translation>
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
        <translation>Cuivre</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Zinc</translation>
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
        <translation>Arsenic</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Sélénium</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Brome</translation>
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
        <translation>Niobium</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Molybdène</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Technétium</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Ruthénium</translation>
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
        <translation>Argent</translation>
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
        <translation>Étain</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Antimoine</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Tellure</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Iode</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Xénon</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Césium</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Baryum</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Lanthane</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Cérium</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Praséodyme</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Néodyme</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Prométhium</translation>
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
        <translation>Lutécium</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Hafnium</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Tantale</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>Tungstène</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Rhénium</translation>
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
        <translation>Platine</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Thallium</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Plomb</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Bismuth</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Polonium</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Astate</translation>
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
        <translation>Uranium</translation>
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
        <translation>Américium</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Curium</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Berkélium</translation>
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
        <translation>Mendélévium</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Nobélium</translation>
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
        <translation>un lien symbolique porte ce nom</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>le fichier appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>ce nom ne désigne pas un fichier ordinaire</translation>
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
        <translation>Lanthanides</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Actinides</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Métal</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Métalloïde</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Non-métal</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Choisissez une propriété</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Cliquez sur un bouton pour trier la liste, puis à nouveau pour inverser l&apos;ordre.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Affichage par</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Symb.</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>N° atomique</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Voir les propriétés au clic</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Métalloïde</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Non-métal</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Métal</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader hears a sheet line: the label, then the value with its unit.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <extracomment>A tile&apos;s name: atomic number, element name, symbol (&quot;26. Iron (Fe)&quot;).</extracomment>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>Pas encore pris en charge</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Vue en colonnes</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Vue en tableau</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Saisissez, complet ou partiel, 

 le NOM DE L&apos;ÉLÉMENT ou
 le SYMBOLE ou
 le NUMÉRO ATOMIQUE</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>Désolé, aucun résultat trouvé.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Sélectionnez d&apos;abord un élément.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>il n&apos;y a pas de dossier temporaire</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>Les propriétés ont été enregistrées dans %1, mais l&apos;éditeur de texte n&apos;a pas pu être lancé. Ouvrez le fichier vous-même.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>Les propriétés n&apos;ont pas pu être exportées vers %1 : %2.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says of a tile on a coloured chart: &quot;Metal, Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik – tableau</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Enregistrer le tableau en CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Fichier CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>Le tableau n&apos;a pas pu être enregistré dans %1 : %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik – tableau périodique</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Enregistrer le tableau périodique en image</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>la mémoire ne suffit pas pour l&apos;image</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Le tableau périodique n&apos;a pas pu être enregistré dans %1 : %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Le tableau périodique n&apos;a pas pu être imprimé sur %1.</translation>
    </message>
    <message>
        <source>Save chart as image…</source>
        <extracomment>Context menu entry of the chart (Ctrl+S).</extracomment>
        <translation>Enregistrer le tableau périodique en image…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Aperçu avant impression…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Enregistrer le tableau en CSV…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Enregistrer l&apos;impression en PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Afficher la courbe d&apos;une propriété</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Enregistrer les données de la courbe en CSV…</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Enregistrer les données de la courbe en CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>Les données de la courbe n&apos;ont pas pu être enregistrées dans %1 : %2.</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Enregistrer la courbe en image</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Enregistrer l&apos;impression en PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Fichier PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>L&apos;impression n&apos;a pas pu être enregistrée dans %1 : %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Afficher le tableau périodique</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Imprimer…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Numéro atomique</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Électro­négativité</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valence</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Structure cristalline</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Découvert par</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Année de découverte</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. électronique</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Masse atom.</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Rayon atomique</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Point d&apos;ébullition</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Point de fusion</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse vol.</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Chaleur de vap.</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Chaleur de fusion</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Cond. électr.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Cond. therm.</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Chal. massique</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potentiel d&apos;ionisation</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Masse équiv.</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Numéro atomique</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Masse atomique</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Rayon atomique</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Point d&apos;ébullition</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Point de fusion</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Masse volumique</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Chal. de vaporisation</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Chaleur de fusion</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Conductivité électr.</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Conductivité thermique</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Chaleur massique</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Potentiel d&apos;ionisation</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Électronégativité</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Valence</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Masse équivalente</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Structure cristalline</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Découvert par</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Année de découverte</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Config. électronique</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 est la température la plus basse affichée par le tableau périodique</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 est la température la plus haute affichée par le tableau périodique</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Températures en</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 élément n&apos;a pas de valeur</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n élément n&apos;a pas de valeur</numerusform>
            <numerusform>%n éléments n&apos;ont pas de valeur</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Voir la courbe</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Voir le tableau</translation>
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
        <translation>Courbe</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>selon</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>numéro atomique</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 en ordonnée, %2 en abscisse : aucun élément n&apos;a les deux valeurs</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 élément</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 en ordonnée, %2 en abscisse : %3 ; maximum pour %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik – courbe</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>Impossible d&apos;afficher la courbe : %1</translation>
    </message>
</context>
</TS>
