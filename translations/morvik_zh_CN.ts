<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>火箭燃料</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>探空气球</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>锂电池</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>X射线窗口</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>硼硅酸盐玻璃</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>铅笔芯</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>铵态氮肥</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>炼钢</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>含氟牙膏</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>霓虹灯</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>路灯</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>轻合金</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>航空合金</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>计算机芯片</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>安全火柴</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>硫酸</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>水的净化</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>灯泡</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>钾肥</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>水泥制造</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>金属卤化物灯</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>喷气发动机</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>工具钢</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>镀铬</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>合金钢</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>铝镍钴磁体</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>不锈钢</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>电线</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>钢材镀锌</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>发光二极管</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>半导体器件</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>木材防腐剂</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>复印机感光鼓</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>阻燃剂</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>闪光灯</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>光电管</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>红色焰火</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>电视荧光粉</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>核反应堆</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>超导磁体</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>医用示踪剂</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>电触点</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>汽车尾气催化转化器</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>牙科合金</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>照相胶片</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>充电电池</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>低熔点焊料</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>马口铁罐</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>铅字合金</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>橡胶硫化</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>医用消毒剂</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>原子钟</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>X射线造影剂</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>相机镜头</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>打火机火石</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>焊接护目镜</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>永磁体</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>夜光涂料</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>钐钴磁体</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>红色荧光粉</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>存储芯片</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>绿色荧光粉</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>激光材料</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>磁极靴</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>玻璃着色</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>便携式X射线机</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>炼钢添加剂</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>裂化催化剂</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>核反应堆控制棒</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>电容器</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>灯丝</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>高温热电偶</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>钢笔尖</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>火花塞</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>化学催化剂</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>珠宝首饰</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>体温计</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>灭鼠药</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>汽车蓄电池</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>消防喷淋头</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>静电消除器</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>医学研究</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>癌症放射治疗</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>仅用于研究</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>中子源</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>汽灯纱罩</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>核燃料</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>中子探测</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>核武器</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>烟雾探测器</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>航天电源</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>人造金属</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>固态</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>液态</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>气态</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>未知</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>着色依据</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>类别</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>指定温度下的物态</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>对数</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>%1 时的物态</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>色阶，浅色表示最小值，深色表示最大值</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>无数据</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>温度</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1：无数据</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a tile&apos;s value</comment>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property: &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boils at %4)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state: &quot;Liquid at 25 °C (melts at -39 C, boils at 357 C)&quot;.</extracomment>
        <translation>%2 时为%1（熔点 %3，沸点 %4）</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%2 时为%1（熔点 %3，沸点未知）</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%2 时为%1（熔点未知，沸点 %3）</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%2 时为%1（熔点和沸点均未知）</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>六方晶系</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>体心立方</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>菱方晶系</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>立方晶系</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>单斜晶系</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>面心立方</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>正交晶系</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>四方晶系</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>氢</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>氦</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>锂</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>铍</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>硼</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>碳</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>氮</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>氧</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>氟</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>氖</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>钠</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>镁</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>铝</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>硅</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>磷</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>硫</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>氯</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>氩</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>钾</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>钙</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>钪</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>钛</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>钒</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>铬</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>锰</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>铁</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>钴</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>镍</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>铜</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>锌</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>镓</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>锗</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>砷</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>硒</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>溴</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>氪</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>铷</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>锶</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>钇</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>锆</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>铌</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>钼</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>锝</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>钌</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>铑</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>钯</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>镉</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>铟</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>锡</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>锑</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>碲</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>碘</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>氙</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>铯</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>钡</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>镧</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>铈</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>镨</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>钕</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>钷</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>钐</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>铕</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>钆</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>铽</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>镝</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>钬</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>铒</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>铥</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>镱</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>镥</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>铪</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>钽</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>钨</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>铼</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>锇</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>铱</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>铂</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>汞</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>铊</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>铅</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>铋</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>钋</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>砹</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>氡</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>钫</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>镭</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>锕</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>钍</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>镤</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>铀</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>镎</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>钚</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>镅</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>锔</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>锫</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>锎</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>锿</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>镄</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>钔</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>锘</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>铹</translation>
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
        <translation>该名称已被符号链接占用</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>该名称对应的不是普通文件</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>该文件属于其他用户</translation>
    </message>
</context>
<context>
    <name>Morvik</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The heading of an element&apos;s sheet: name and symbol, &quot;Iron (Fe)&quot;.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>Lanthanides</source>
        <extracomment>Caption of the detached row 58-71, bold; room for about 13 characters.</extracomment>
        <translation>镧系元素</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>锕系元素</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>金属</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>类金属</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>非金属</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>请选择性质</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>排序依据</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>单击按钮即可按该性质对列表排序，再次单击则按相反顺序排序。</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>元素显示方式</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>符号</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>原子序数</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>单击时显示性质</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>导出</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>性质</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>查找</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>清除标记</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>类金属</translation>
    </message>
    <message>
        <source>Non-metal</source>
        <translation>非金属</translation>
    </message>
    <message>
        <source>Metal</source>
        <translation>金属</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>How a screen reader hears a sheet line: the label, then the value with its unit.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <extracomment>A tile&apos;s name: atomic number, element name, symbol (&quot;26. Iron (Fe)&quot;).</extracomment>
        <translation>%1. %2（%3）</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>What a screen reader says of a tile on a coloured chart: &quot;Metal, Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Save chart as image…</source>
        <extracomment>Context menu entry of the chart (Ctrl+S).</extracomment>
        <translation>将周期表保存为图像…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>打印…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>打印预览…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>将打印内容保存为 PDF…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>绘制趋势图</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>将趋势图数据保存为 CSV…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>将表格保存为 CSV…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>尚不支持</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>列视图</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>周期表视图</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>请输入完整或部分的

 元素名称或
 符号或
 原子序数</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>抱歉，未找到匹配项。</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>请先选择一个元素。</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>没有临时文件夹</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>性质已保存到 %1，但无法启动文本编辑器。请自行打开该文件。</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>无法将性质导出到 %1：%2。</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik 表格</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>将表格保存为 CSV</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>无法将表格保存到 %1：%2。</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>将趋势图数据保存为 CSV</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>无法将趋势图数据保存到 %1：%2。</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik 周期表</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>将趋势图保存为图像</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>将周期表保存为图像</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>内存不足，无法生成图像</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>无法将周期表保存到 %1：%2。</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>无法在 %1 上打印周期表。</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>将打印内容保存为 PDF</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>无法将打印内容保存到 %1：%2。</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>显示周期表</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>打印…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>原子序数</translation>
    </message>
    <message>
        <source>Atomic wt.</source>
        <translation>原子量</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>原子半径</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>沸点</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>熔点</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>汽化热</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>熔化热</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>电导率</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>热导率</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>比热容</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>电离势</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>电负性</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>化合价</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>当量</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>晶体结构</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>发现者</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>发现年份</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>电子排布</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>用途</translation>
    </message>
</context>
<context>
    <name>SheetLabel</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>符号</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>原子序数</translation>
    </message>
    <message>
        <source>Atomic weight</source>
        <translation>原子量</translation>
    </message>
    <message>
        <source>Atomic radius</source>
        <translation>原子半径</translation>
    </message>
    <message>
        <source>Boiling point</source>
        <translation>沸点</translation>
    </message>
    <message>
        <source>Melting point</source>
        <translation>熔点</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>汽化热</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>熔化热</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>电导率</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>热导率</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>比热容</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>电离势</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>电负性</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>化合价</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>当量</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>晶体结构</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>发现者</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>发现年份</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>电子排布</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>用途</translation>
    </message>
</context>
<context>
    <name>TemperatureBox</name>
    <message>
        <source>%1 is the lowest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a lower one was typed.</extracomment>
        <translation>周期表可显示的最低温度为 %1</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>周期表可显示的最高温度为 %1</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>温度单位</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>1 个元素无数据</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>%n 个元素无数据</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>绘制趋势图</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>显示周期表</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside a property of the plot: that axis logarithmic; room for 5 characters.</extracomment>
        <translation>对数</translation>
    </message>
    <message>
        <source>Plot</source>
        <extracomment>Caption of the property up the plot&apos;s vertical axis; room for about 6 characters.
----------
What a screen reader calls the plot.</extracomment>
        <translation>趋势图</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>对</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>原子序数</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%1随%2的变化：没有同时具有这两项数值的元素</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 个元素</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n 个元素</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%1随%2的变化：%3；最高值为%4的 %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik 趋势图</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>无法显示趋势图：%1</translation>
    </message>
</context>
</TS>
