<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>Ракетне паливо</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>Метеозонди</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>Літієві батареї</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>Вікна рентгенівських труб</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>Боросилікатне скло</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>Грифелі олівців</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>Аміачні добрива</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>Виробництво сталі</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>Зубна паста з фтором</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>Неонові вивіски</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>Вуличні ліхтарі</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>Легкі сплави</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>Авіаційні сплави</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>Комп’ютерні мікросхеми</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>Безпечні сірники</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>Сульфатна кислота</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>Очищення води</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>Лампи розжарювання</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>Калійні добрива</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>Виробництво цементу</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>Металогалогенні лампи</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>Реактивні двигуни</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>Інструментальна сталь</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>Хромування</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>Леговані сталі</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Інструменти</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>Магніти альніко</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>Нержавна сталь</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>Електропроводка</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>Цинкування сталі</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>Світлодіоди</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>Напівпровідникові прилади</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>Консерванти деревини</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>Фотобарабани копірів</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>Антипірени</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>Імпульсні лампи</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>Фотоелементи</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>Червоні феєрверки</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>Телевізійні люмінофори</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>Ядерні реактори</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>Надпровідні магніти</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>Радіоіндикатори в медицині</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>Електричні контакти</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>Автокаталізатори</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>Стоматологічні сплави</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>Фотоплівка</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>Акумулятори</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>Легкоплавкі припої</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>Консервні банки</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>Друкарський сплав</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>Вулканізація каучуку</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>Медичні антисептики</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>Атомні годинники</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>Рентгеноконтрастний засіб</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>Об’єктиви фотокамер</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>Кремені для запальничок</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>Зварювальні окуляри</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>Постійні магніти</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>Світна фарба</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>Магніти самарій-кобальт</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>Червоні люмінофори</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>Мікросхеми пам’яті</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>Зелені люмінофори</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>Лазерні матеріали</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>Полюсні наконечники</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>Забарвлення скла</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>Портативні рентгеноапарати</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>Добавка до сталі</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>Каталізатори крекінгу</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>Регулювальні стрижні</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>Електронні конденсатори</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>Нитки розжарювання</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>Високотемп. термопари</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>Кінчики пер авторучок</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>Свічки запалювання</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>Хімічні каталізатори</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>Ювелірні вироби</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>Медичні термометри</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>Щуряча отрута</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>Автомобільні акумулятори</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>Пожежні спринклери</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>Нейтралізатори статики</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>Медичні дослідження</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>Променева терапія раку</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>Лише для досліджень</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>Джерело нейтронів</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>Газокалильні сітки</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>Ядерне паливо</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>Реєстрація нейтронів</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>Ядерна зброя</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>Датчики диму</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>Космічна енергетика</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>Штучний метал</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Тверде</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>Рідке</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>Газ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>Клас</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>Агрегатний стан за температури</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>Лог.</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>Агрегатні стани за %1</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>Колірна шкала: світлий колір — найменше значення, темний — найбільше</translation>
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
        <translation>%1: немає даних</translation>
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
        <translation>%1 за %2 (плавиться за %3, кипить за %4)</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%1 за %2 (плавиться за %3, температура кипіння невідома)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%1 за %2 (температура плавлення невідома, кипить за %3)</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%1 за %2 (температури плавлення й кипіння невідомі)</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>Гексагональна</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>Кубічна об’ємноцентрована</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>Ромбоедрична</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>Кубічна</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>Моноклінна</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>Кубічна гранецентрована</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>Ромбічна</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>Тетрагональна</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>Водень</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>Гелій</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Літій</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>Берилій</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>Бор</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Вуглець</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>Азот</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>Кисень</translation>
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
        <translation>Натрій</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>Магній</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>Алюміній</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>Кремній</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>Фосфор</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>Сірка</translation>
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
        <translation>Калій</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>Кальцій</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>Скандій</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>Титан</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>Ванадій</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>Хром</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>Манган</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>Залізо</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Кобальт</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>Нікель</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>Мідь</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>Цинк</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>Галій</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>Германій</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>Арсен</translation>
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
        <translation>Рубідій</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>Стронцій</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>Ітрій</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>Цирконій</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>Ніобій</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>Молібден</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>Технецій</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>Рутеній</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>Родій</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>Паладій</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Срібло</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>Кадмій</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>Індій</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>Олово</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>Стибій</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>Телур</translation>
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
        <translation>Цезій</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>Барій</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>Лантан</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>Церій</translation>
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
        <translation>Прометій</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>Самарій</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>Європій</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>Гадоліній</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>Тербій</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>Диспрозій</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>Гольмій</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>Ербій</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>Тулій</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>Ітербій</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>Лютецій</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>Гафній</translation>
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
        <translation>Реній</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>Осмій</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>Іридій</translation>
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
        <translation>Талій</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Свинець</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>Бісмут</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>Полоній</translation>
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
        <translation>Францій</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>Радій</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>Актиній</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>Торій</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>Протактиній</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>Уран</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>Нептуній</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>Плутоній</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>Америцій</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>Кюрій</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>Берклій</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>Каліфорній</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>Ейнштейній</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>Фермій</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>Менделєвій</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>Нобелій</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>Лоуренсій</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>Уннілквадій</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>Уннілпентій</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>Уннілгексій</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>Уннілсептій</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>Уннілоктій</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>Унніленній</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>a symbolic link stands at that name</source>
        <translation>під цією назвою вже є символічне посилання</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>під цією назвою вже є об’єкт, що не є звичайним файлом</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>файл належить іншому користувачеві</translation>
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
        <translation>Лантаноїди</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>Актиноїди</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>Метал</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>Металоїд</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>Неметал</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>Виберіть властивість</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>Порядок</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>Натисніть кнопку для сортування, повторно — для зворотного порядку.</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>Підписи клітинок</translation>
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
        <translation>Властивості за клацанням</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>Властивості</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>Знайти</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>Металоїд</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>Неметал</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>Метал</translation>
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
        <translation>Зберегти періодичну таблицю як зображення…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>Друк…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>Попередній перегляд…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>Зберегти роздруківку як PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>Показати графік властивості</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>Зберегти дані графіка як CSV…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>Зберегти таблицю як CSV…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>Поки що не підтримується</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>Вид: стовпці</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>Вид: таблиця</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>Введіть повністю або частково: 

 НАЗВУ ЕЛЕМЕНТА або
 СИМВОЛ або
 АТОМНИЙ НОМЕР</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>На жаль, збігів не знайдено.</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>Спочатку виберіть елемент.</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>немає тимчасової теки</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>Властивості збережено до %1, але не вдалося запустити текстовий редактор. Відкрийте файл самостійно.</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>Не вдалося експортувати властивості до %1: %2.</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik — таблиця</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>Зберегти таблицю як CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>Файл CSV (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>Не вдалося зберегти таблицю до %1: %2.</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>Зберегти дані графіка як CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>Не вдалося зберегти дані графіка до %1: %2.</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik — періодична таблиця</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Зображення SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>Зберегти графік як зображення</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>Зберегти періодичну таблицю як зображення</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>недостатньо пам’яті для зображення</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Не вдалося зберегти періодичну таблицю до %1: %2.</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>Не вдалося надрукувати періодичну таблицю на принтері %1.</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>Зберегти роздруківку як PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>Не вдалося зберегти роздруківку до %1: %2.</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>Повернутися до таблиці</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>Попередній перегляд</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>Друк…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>Атомний номер</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>Атомна маса</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Атомний радіус</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Температура кипіння</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Температура плавлення</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Густина</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Теплота випаров.</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Теплота плавлення</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>Електропровідн.</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>Тепло­провідність</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>Пит. теплоємність</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Потенціал іонізації</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>Електро­негативність</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Валентність</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Еквівалентна маса</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Кристалічна структура</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Хто відкрив</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Рік відкриття</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Електронна конфігурація</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Застосування</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>Атомний номер</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>Атомна маса</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>Атомний радіус</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>Температура кипіння</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>Температура плавлення</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Густина</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>Теплота випаровування</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>Теплота плавлення</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>Електропровідність</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>Теплопровідність</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>Питома теплоємність</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>Потенціал іонізації</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>Електронегативність</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>Валентність</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>Еквівалентна маса</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>Кристалічна структура</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>Хто відкрив</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>Рік відкриття</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>Електрон. конфігурація</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Застосування</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>%1 — найнижча температура, яку показує таблиця</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>%1 — найвища температура, яку показує таблиця</translation>
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
        <translation>1 елемент без значення</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n елемент без значення</numerusform>
            <numerusform>%n елементи без значення</numerusform>
            <numerusform>%n елементів без значення</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>Показати графік</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>До таблиці</translation>
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
        <translation>Графік</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>від</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>атомний номер</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1 по вертикалі, %2 по горизонталі: жоден елемент не має обох значень</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 елемент</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n елемент</numerusform>
            <numerusform>%n елементи</numerusform>
            <numerusform>%n елементів</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1 по вертикалі, %2 по горизонталі: %3; максимум — %4, %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik — графік</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>Не вдається показати графік: %1</translation>
    </message>
</context>
</TS>
