<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Ракетное топливо</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Метеозонды</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Литиевые батареи</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Окна рентгеновских трубок</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Боросиликатное стекло</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Грифели карандашей</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Аммиачные удобрения</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Производство стали</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Зубная паста со фтором</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Неоновые вывески</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Уличные фонари</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Легкие сплавы</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Авиационные сплавы</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Компьютерные микросхемы</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Безопасные спички</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Серная кислота</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Очистка воды</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Лампы накаливания</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Калийные удобрения</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Производство цемента</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Металлогалогенные лампы</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Реактивные двигатели</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Инструментальная сталь</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Хромирование</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Легированные стали</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Магниты альнико</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Нержавеющая сталь</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Электропроводка</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Цинкование стали</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Светодиоды</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Полупроводниковые приборы</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Консерванты древесины</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Фотобарабаны копиров</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Антипирены</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Импульсные лампы</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Фотоэлементы</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Красные фейерверки</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Телевизионные люминофоры</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Ядерные реакторы</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Сверхпроводящие магниты</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Радиоиндикаторы в медицине</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Электрические контакты</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Автокатализаторы</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Стоматологические сплавы</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Фотопленка</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Аккумуляторы</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Легкоплавкие припои</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Консервные банки</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Типографский сплав</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Вулканизация каучука</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Медицинские антисептики</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Атомные часы</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Рентгеноконтрастное в-во</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Объективы фотокамер</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Кремни для зажигалок</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Сварочные очки</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Постоянные магниты</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Светящаяся краска</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Магниты самарий-кобальт</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Красные люминофоры</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Микросхемы памяти</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Зеленые люминофоры</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Лазерные материалы</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Полюсные наконечники</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Окрашивание стекла</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Мобильные рентгеноаппараты</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Добавка к стали</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Катализаторы крекинга</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Регулирующие стержни</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Электронные конденсаторы</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Нити накаливания</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Высокотемп. термопары</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Кончики перьев ручек</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Свечи зажигания</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Химические катализаторы</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Ювелирные изделия</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Медицинские термометры</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Крысиный яд</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Автомобильные аккумуляторы</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Пожарные спринклеры</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Нейтрализаторы статики</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Медицинские исследования</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Лучевая терапия рака</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Только для исследований</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Источник нейтронов</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Калильные сетки</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Ядерное топливо</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Регистрация нейтронов</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Ядерное оружие</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Датчики дыма</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Космическая энергетика</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Искусственный металл</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Тверд.</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Жидкое</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Газ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Раскраска</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Класс</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Агрегатное состояние при температуре</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Лог.</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Агрегатные состояния при %1</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Цветовая шкала: светлый цвет — наименьшее значение, темный — наибольшее</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>Н/д</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>Температура</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1: нет данных</translation>
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
        <translation>%1 при %2 (плавится при %3, кипит при %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 при %2 (плавится при %3, температура кипения неизвестна)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 при %2 (температура плавления неизвестна, кипит при %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 при %2 (температуры плавления и кипения неизвестны)</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>Гексагональная</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>Кубическая объемноцентрированная</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Ромбоэдрическая</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Кубическая</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Моноклинная</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Кубическая гранецентрированная</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ромбическая</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Тетрагональная</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Водород</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Гелий</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Литий</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Бериллий</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Бор</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Углерод</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Азот</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Кислород</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>Фтор</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Неон</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>Натрий</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Магний</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Алюминий</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Кремний</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Фосфор</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Сера</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>Хлор</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>Аргон</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>Калий</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Кальций</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Скандий</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Титан</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Ванадий</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Хром</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Марганец</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Железо</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Кобальт</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Никель</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Медь</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Цинк</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Галлий</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Германий</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Мышьяк</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>Селен</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>Бром</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>Криптон</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>Рубидий</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Стронций</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Иттрий</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Цирконий</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Ниобий</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Молибден</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Технеций</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Рутений</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Родий</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Палладий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебро</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Кадмий</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Индий</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Олово</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Сурьма</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Теллур</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>Йод</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>Ксенон</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>Цезий</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Барий</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Лантан</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Церий</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>Празеодим</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>Неодим</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>Прометий</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Самарий</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Европий</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Гадолиний</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Тербий</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Диспрозий</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Гольмий</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Эрбий</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Тулий</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Иттербий</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Лютеций</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Гафний</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>Тантал</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>Вольфрам</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>Рений</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Осмий</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Иридий</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>Платина</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золото</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Ртуть</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>Таллий</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Свинец</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Висмут</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Полоний</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>Астат</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>Радон</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>Франций</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Радий</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Актиний</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Торий</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Протактиний</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Уран</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Нептуний</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Плутоний</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Америций</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Кюрий</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Берклий</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Калифорний</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Эйнштейний</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Фермий</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Менделевий</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Нобелий</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Лоуренсий</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Уннилквадий</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Уннилпентий</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Уннилгексий</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Уннилсептий</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Уннилоктий</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Уннилэнний</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>a symbolic link stands at that name</source>
        <translation>под этим именем уже есть символическая ссылка</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>под этим именем уже есть объект, не являющийся обычным файлом</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>файл принадлежит другому пользователю</translation>
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
        <translation>Лантаниды</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Актиниды</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Мет.</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Полумет.</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Немет.</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Выберите свойство</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Порядок</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Нажмите кнопку для сортировки, повторно — для обратного порядка.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Подписи ячеек</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>Симв.</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>Ат. номер</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>Свойства по щелчку</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Полуметалл</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Неметалл</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Металл</translation>
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
        <translation>Сохранить периодическую таблицу как изображение…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Предварительный просмотр…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Сохранить распечатку как PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Показать график свойства</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Сохранить данные графика как CSV…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Сохранить таблицу как CSV…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>Пока не поддерживается</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Вид: столбцы</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Вид: таблица</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Введите полностью или частично: 

 НАЗВАНИЕ ЭЛЕМЕНТА или
 СИМВОЛ или
 АТОМНЫЙ НОМЕР</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>К сожалению, совпадений не найдено.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Сначала выберите элемент.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>нет временной папки</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>Свойства сохранены в %1, но не удалось запустить текстовый редактор. Откройте файл самостоятельно.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>Не удалось экспортировать свойства в %1: %2.</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik — таблица</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Сохранить таблицу как CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить таблицу в %1: %2.</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Сохранить данные графика как CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить данные графика в %1: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik — периодическая таблица</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Изображение SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Сохранить график как изображение</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Сохранить периодическую таблицу как изображение</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>недостаточно памяти для изображения</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить периодическую таблицу в %1: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Не удалось напечатать периодическую таблицу на принтере %1.</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Сохранить распечатку как PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить распечатку в %1: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Вернуться к таблице</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Печать…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Атомный номер</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Атомная масса</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Атомный радиус</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Температура кипения</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Температура плавления</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Теплота испарения</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Теплота плавления</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Электропроводн.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Теплопроводн.</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Уд. теплоемкость</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Потенциал ионизации</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Электро­отрицатель­ность</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Валентность</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Эквива­лентная масса</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Кристал­лическая структура</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Кто открыл</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Год открытия</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Электронная конфигурация</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Применение</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Атомный номер</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Атомная масса</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Атомный радиус</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Температура кипения</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Температура плавления</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Теплота испарения</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Теплота плавления</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Электропроводность</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Теплопроводность</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Удельная теплоемкость</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Потенциал ионизации</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Электроотрицательность</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Валентность</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Эквивалентная масса</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Кристаллич. структура</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Кто открыл</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Год открытия</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Электрон. конфигурация</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Применение</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 — самая низкая температура, которую показывает таблица</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 — самая высокая температура, которую показывает таблица</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>Температура в</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 элемент без значения</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n элемент без значения</numerusform>
            <numerusform>%n элемента без значения</numerusform>
            <numerusform>%n элементов без значения</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Показать график</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>Назад к таблице</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside a property of the plot: that axis logarithmic; room for 5 characters.</extracomment>
        <translation>Лог.</translation>
    </message>
    <message>
        <source>Plot</source>
        <extracomment>Caption of the property up the plot&apos;s vertical axis; room for about 6 characters.
----------
What a screen reader calls the plot.</extracomment>
        <translation>График</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>от</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>атомный номер</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 по вертикали, %2 по горизонтали: ни у одного элемента нет обоих значений</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 элемент</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n элемент</numerusform>
            <numerusform>%n элемента</numerusform>
            <numerusform>%n элементов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 по вертикали, %2 по горизонтали: %3; максимум — %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik — график</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>Не удаётся показать график: %1</translation>
    </message>
</context>
</TS>
