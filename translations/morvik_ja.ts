<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>Application</name>
    <message>
        <source>Rocket fuel</source>
        <translation>ロケット燃料</translation>
    </message>
    <message>
        <source>Weather balloons</source>
        <translation>気象観測用気球</translation>
    </message>
    <message>
        <source>Lithium batteries</source>
        <translation>リチウム電池</translation>
    </message>
    <message>
        <source>X-ray windows</source>
        <translation>X線透過窓</translation>
    </message>
    <message>
        <source>Borosilicate glass</source>
        <translation>ホウケイ酸ガラス</translation>
    </message>
    <message>
        <source>Pencil leads</source>
        <translation>鉛筆の芯</translation>
    </message>
    <message>
        <source>Ammonia fertilizers</source>
        <translation>アンモニア肥料</translation>
    </message>
    <message>
        <source>Steel making</source>
        <translation>製鋼</translation>
    </message>
    <message>
        <source>Fluoride toothpaste</source>
        <translation>フッ素配合歯磨き</translation>
    </message>
    <message>
        <source>Neon signs</source>
        <translation>ネオンサイン</translation>
    </message>
    <message>
        <source>Street lamps</source>
        <translation>街灯</translation>
    </message>
    <message>
        <source>Light alloys</source>
        <translation>軽合金</translation>
    </message>
    <message>
        <source>Aircraft alloys</source>
        <translation>航空機用合金</translation>
    </message>
    <message>
        <source>Computer chips</source>
        <translation>コンピューターチップ</translation>
    </message>
    <message>
        <source>Safety matches</source>
        <translation>安全マッチ</translation>
    </message>
    <message>
        <source>Sulfuric acid</source>
        <translation>硫酸</translation>
    </message>
    <message>
        <source>Water purification</source>
        <translation>水の浄化</translation>
    </message>
    <message>
        <source>Light bulbs</source>
        <translation>電球</translation>
    </message>
    <message>
        <source>Potash fertilizers</source>
        <translation>カリ肥料</translation>
    </message>
    <message>
        <source>Cement making</source>
        <translation>セメント製造</translation>
    </message>
    <message>
        <source>Metal halide lamps</source>
        <translation>メタルハライドランプ</translation>
    </message>
    <message>
        <source>Jet engines</source>
        <translation>ジェットエンジン</translation>
    </message>
    <message>
        <source>Tool steel</source>
        <translation>工具鋼</translation>
    </message>
    <message>
        <source>Chrome plating</source>
        <translation>クロムめっき</translation>
    </message>
    <message>
        <source>Steel alloys</source>
        <translation>合金鋼</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Alnico magnets</source>
        <translation>アルニコ磁石</translation>
    </message>
    <message>
        <source>Stainless steel</source>
        <translation>ステンレス鋼</translation>
    </message>
    <message>
        <source>Electrical wiring</source>
        <translation>電気配線</translation>
    </message>
    <message>
        <source>Galvanizing steel</source>
        <translation>鋼の亜鉛めっき</translation>
    </message>
    <message>
        <source>Light emitting diodes</source>
        <translation>発光ダイオード</translation>
    </message>
    <message>
        <source>Semiconductor devices</source>
        <translation>半導体素子</translation>
    </message>
    <message>
        <source>Wood preservatives</source>
        <translation>木材防腐剤</translation>
    </message>
    <message>
        <source>Photocopier drums</source>
        <translation>複写機の感光ドラム</translation>
    </message>
    <message>
        <source>Flame retardants</source>
        <translation>難燃剤</translation>
    </message>
    <message>
        <source>Flash lamps</source>
        <translation>フラッシュランプ</translation>
    </message>
    <message>
        <source>Photoelectric cells</source>
        <translation>光電管</translation>
    </message>
    <message>
        <source>Red fireworks</source>
        <translation>赤色の花火</translation>
    </message>
    <message>
        <source>Television phosphors</source>
        <translation>テレビ用蛍光体</translation>
    </message>
    <message>
        <source>Nuclear reactors</source>
        <translation>原子炉</translation>
    </message>
    <message>
        <source>Superconducting magnets</source>
        <translation>超伝導磁石</translation>
    </message>
    <message>
        <source>Medical tracers</source>
        <translation>医療用トレーサー</translation>
    </message>
    <message>
        <source>Electrical contacts</source>
        <translation>電気接点</translation>
    </message>
    <message>
        <source>Catalytic converters</source>
        <translation>排ガス浄化触媒</translation>
    </message>
    <message>
        <source>Dental alloys</source>
        <translation>歯科用合金</translation>
    </message>
    <message>
        <source>Photographic film</source>
        <translation>写真フィルム</translation>
    </message>
    <message>
        <source>Rechargeable batteries</source>
        <translation>充電式電池</translation>
    </message>
    <message>
        <source>Low melting solders</source>
        <translation>低融点はんだ</translation>
    </message>
    <message>
        <source>Tin cans</source>
        <translation>ブリキ缶</translation>
    </message>
    <message>
        <source>Type metal</source>
        <translation>活字合金</translation>
    </message>
    <message>
        <source>Vulcanizing rubber</source>
        <translation>ゴムの加硫</translation>
    </message>
    <message>
        <source>Medical antiseptics</source>
        <translation>医療用消毒薬</translation>
    </message>
    <message>
        <source>Atomic clocks</source>
        <translation>原子時計</translation>
    </message>
    <message>
        <source>X-ray contrast medium</source>
        <translation>X線造影剤</translation>
    </message>
    <message>
        <source>Camera lenses</source>
        <translation>カメラレンズ</translation>
    </message>
    <message>
        <source>Lighter flints</source>
        <translation>ライターの発火石</translation>
    </message>
    <message>
        <source>Welding goggles</source>
        <translation>溶接用ゴーグル</translation>
    </message>
    <message>
        <source>Permanent magnets</source>
        <translation>永久磁石</translation>
    </message>
    <message>
        <source>Luminous paint</source>
        <translation>夜光塗料</translation>
    </message>
    <message>
        <source>Samarium cobalt magnets</source>
        <translation>サマリウムコバルト磁石</translation>
    </message>
    <message>
        <source>Red phosphors</source>
        <translation>赤色蛍光体</translation>
    </message>
    <message>
        <source>Memory chips</source>
        <translation>メモリーチップ</translation>
    </message>
    <message>
        <source>Green phosphors</source>
        <translation>緑色蛍光体</translation>
    </message>
    <message>
        <source>Laser materials</source>
        <translation>レーザー材料</translation>
    </message>
    <message>
        <source>Magnetic pole pieces</source>
        <translation>磁極片</translation>
    </message>
    <message>
        <source>Glass coloring</source>
        <translation>ガラスの着色</translation>
    </message>
    <message>
        <source>Portable X-ray units</source>
        <translation>携帯型X線装置</translation>
    </message>
    <message>
        <source>Steel additive</source>
        <translation>鉄鋼添加剤</translation>
    </message>
    <message>
        <source>Cracking catalysts</source>
        <translation>クラッキング触媒</translation>
    </message>
    <message>
        <source>Nuclear control rods</source>
        <translation>原子炉制御棒</translation>
    </message>
    <message>
        <source>Electronic capacitors</source>
        <translation>電子機器用コンデンサー</translation>
    </message>
    <message>
        <source>Lamp filaments</source>
        <translation>電球のフィラメント</translation>
    </message>
    <message>
        <source>High temperature thermocouples</source>
        <translation>高温用熱電対</translation>
    </message>
    <message>
        <source>Fountain pen tips</source>
        <translation>万年筆のペン先</translation>
    </message>
    <message>
        <source>Spark plugs</source>
        <translation>点火プラグ</translation>
    </message>
    <message>
        <source>Chemical catalysts</source>
        <translation>化学触媒</translation>
    </message>
    <message>
        <source>Jewellery</source>
        <translation>宝飾品</translation>
    </message>
    <message>
        <source>Clinical thermometers</source>
        <translation>体温計</translation>
    </message>
    <message>
        <source>Rat poison</source>
        <translation>殺鼠剤</translation>
    </message>
    <message>
        <source>Car batteries</source>
        <translation>自動車用バッテリー</translation>
    </message>
    <message>
        <source>Fire sprinklers</source>
        <translation>消火用スプリンクラー</translation>
    </message>
    <message>
        <source>Static eliminators</source>
        <translation>静電気除去装置</translation>
    </message>
    <message>
        <source>Medical research</source>
        <translation>医学研究</translation>
    </message>
    <message>
        <source>Cancer radiotherapy</source>
        <translation>がんの放射線治療</translation>
    </message>
    <message>
        <source>Research only</source>
        <translation>研究用途のみ</translation>
    </message>
    <message>
        <source>Neutron source</source>
        <translation>中性子源</translation>
    </message>
    <message>
        <source>Gas mantles</source>
        <translation>ガスマントル</translation>
    </message>
    <message>
        <source>Nuclear fuel</source>
        <translation>核燃料</translation>
    </message>
    <message>
        <source>Neutron detection</source>
        <translation>中性子検出</translation>
    </message>
    <message>
        <source>Nuclear weapons</source>
        <translation>核兵器</translation>
    </message>
    <message>
        <source>Smoke detectors</source>
        <translation>煙感知器</translation>
    </message>
    <message>
        <source>Space power sources</source>
        <translation>宇宙用電源</translation>
    </message>
    <message>
        <source>Artificial metal</source>
        <translation>人工金属</translation>
    </message>
</context>
<context>
    <name>ChartColouring</name>
    <message>
        <source>Solid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>固体</translation>
    </message>
    <message>
        <source>Liquid</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 7 characters.</extracomment>
        <translation>液体</translation>
    </message>
    <message>
        <source>Gas</source>
        <extracomment>A state of matter, in the legend and the tiles&apos; tooltips; room for 6 characters.</extracomment>
        <translation>気体</translation>
    </message>
    <message>
        <source>Unknown</source>
        <extracomment>The state of an element whose known melting and boiling points cannot tell it, in the legend and the tiles&apos; tooltips; room for 10 characters.</extracomment>
        <translation>不明</translation>
    </message>
    <message>
        <source>Colour by</source>
        <extracomment>Caption of the drop-down that chooses what the tiles&apos; colours show; room for 11 characters.</extracomment>
        <translation>色分け</translation>
    </message>
    <message>
        <source>Class</source>
        <extracomment>The first entry of &quot;Colour by&quot;: tiles coloured as metals, metalloids and non-metals.</extracomment>
        <translation>分類</translation>
    </message>
    <message>
        <source>State at temperature</source>
        <extracomment>The last entry of &quot;Colour by&quot;: tiles coloured as solid, liquid or gas at a temperature chosen below the legend.</extracomment>
        <translation>指定温度での状態</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside &quot;Colour by&quot;: a logarithmic scale instead of a linear one; room for 5 characters.</extracomment>
        <translation>対数</translation>
    </message>
    <message>
        <source>States at %1</source>
        <extracomment>Above the legend of a saved or printed chart coloured by state: &quot;States at 25 °C&quot;.</extracomment>
        <translation>%1 での状態</translation>
    </message>
    <message>
        <source>Colour scale, light for the lowest value, dark for the highest</source>
        <extracomment>The legend&apos;s bar from the lightest colour (lowest value) to the darkest (highest).</extracomment>
        <translation>カラースケール（最小値は淡色、最大値は濃色）</translation>
    </message>
    <message>
        <source>log</source>
        <extracomment>Beside the legend&apos;s bar when its scale is logarithmic; room for 3 characters.</extracomment>
        <translation>log</translation>
    </message>
    <message>
        <source>No data</source>
        <extracomment>The legend&apos;s grey swatch, for tiles whose value is not known; room for 9 characters.</extracomment>
        <translation>値なし</translation>
    </message>
    <message>
        <source>Temperature</source>
        <extracomment>What a screen reader calls the temperature box and its slider.</extracomment>
        <translation>温度</translation>
    </message>
    <message>
        <source>%1: no data</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by a property it has no value of.</extracomment>
        <translation>%1：値なし</translation>
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
        <translation>%2 で%1（融点 %3、沸点 %4）</translation>
    </message>
    <message>
        <source>%1 at %2 (melts at %3, boiling point not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown boiling point.</extracomment>
        <translation>%2 で%1（融点 %3、沸点不明）</translation>
    </message>
    <message>
        <source>%1 at %2 (melting point not known, boils at %3)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element of unknown melting point.</extracomment>
        <translation>%2 で%1（融点不明、沸点 %3）</translation>
    </message>
    <message>
        <source>%1 at %2 (melting and boiling points not known)</source>
        <extracomment>A tile&apos;s tooltip on a chart coloured by state, for an element with neither point known.</extracomment>
        <translation>%2 で%1（融点・沸点ともに不明）</translation>
    </message>
</context>
<context>
    <name>CrystalStructure</name>
    <message>
        <source>Hexagonal</source>
        <translation>六方晶</translation>
    </message>
    <message>
        <source>Body centered</source>
        <translation>体心立方</translation>
    </message>
    <message>
        <source>Rhombohedral</source>
        <translation>菱面体晶</translation>
    </message>
    <message>
        <source>Cubic</source>
        <translation>立方晶</translation>
    </message>
    <message>
        <source>Monoclinic</source>
        <translation>単斜晶</translation>
    </message>
    <message>
        <source>Face centered</source>
        <translation>面心立方</translation>
    </message>
    <message>
        <source>Orthorhombic</source>
        <translation>斜方晶</translation>
    </message>
    <message>
        <source>Tetragonal</source>
        <translation>正方晶</translation>
    </message>
</context>
<context>
    <name>Element</name>
    <message>
        <source>Hydrogen</source>
        <translation>水素</translation>
    </message>
    <message>
        <source>Helium</source>
        <translation>ヘリウム</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>リチウム</translation>
    </message>
    <message>
        <source>Beryllium</source>
        <translation>ベリリウム</translation>
    </message>
    <message>
        <source>Boron</source>
        <translation>ホウ素</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>炭素</translation>
    </message>
    <message>
        <source>Nitrogen</source>
        <translation>窒素</translation>
    </message>
    <message>
        <source>Oxygen</source>
        <translation>酸素</translation>
    </message>
    <message>
        <source>Fluorine</source>
        <translation>フッ素</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>ネオン</translation>
    </message>
    <message>
        <source>Sodium</source>
        <translation>ナトリウム</translation>
    </message>
    <message>
        <source>Magnesium</source>
        <translation>マグネシウム</translation>
    </message>
    <message>
        <source>Aluminum</source>
        <translation>アルミニウム</translation>
    </message>
    <message>
        <source>Silicon</source>
        <translation>ケイ素</translation>
    </message>
    <message>
        <source>Phosphorus</source>
        <translation>リン</translation>
    </message>
    <message>
        <source>Sulfur</source>
        <translation>硫黄</translation>
    </message>
    <message>
        <source>Chlorine</source>
        <translation>塩素</translation>
    </message>
    <message>
        <source>Argon</source>
        <translation>アルゴン</translation>
    </message>
    <message>
        <source>Potassium</source>
        <translation>カリウム</translation>
    </message>
    <message>
        <source>Calcium</source>
        <translation>カルシウム</translation>
    </message>
    <message>
        <source>Scandium</source>
        <translation>スカンジウム</translation>
    </message>
    <message>
        <source>Titanium</source>
        <translation>チタン</translation>
    </message>
    <message>
        <source>Vanadium</source>
        <translation>バナジウム</translation>
    </message>
    <message>
        <source>Chromium</source>
        <translation>クロム</translation>
    </message>
    <message>
        <source>Manganese</source>
        <translation>マンガン</translation>
    </message>
    <message>
        <source>Iron</source>
        <translation>鉄</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>コバルト</translation>
    </message>
    <message>
        <source>Nickel</source>
        <translation>ニッケル</translation>
    </message>
    <message>
        <source>Copper</source>
        <translation>銅</translation>
    </message>
    <message>
        <source>Zinc</source>
        <translation>亜鉛</translation>
    </message>
    <message>
        <source>Gallium</source>
        <translation>ガリウム</translation>
    </message>
    <message>
        <source>Germanium</source>
        <translation>ゲルマニウム</translation>
    </message>
    <message>
        <source>Arsenic</source>
        <translation>ヒ素</translation>
    </message>
    <message>
        <source>Selenium</source>
        <translation>セレン</translation>
    </message>
    <message>
        <source>Bromine</source>
        <translation>臭素</translation>
    </message>
    <message>
        <source>Krypton</source>
        <translation>クリプトン</translation>
    </message>
    <message>
        <source>Rubidium</source>
        <translation>ルビジウム</translation>
    </message>
    <message>
        <source>Strontium</source>
        <translation>ストロンチウム</translation>
    </message>
    <message>
        <source>Yttrium</source>
        <translation>イットリウム</translation>
    </message>
    <message>
        <source>Zirconium</source>
        <translation>ジルコニウム</translation>
    </message>
    <message>
        <source>Niobium</source>
        <translation>ニオブ</translation>
    </message>
    <message>
        <source>Molybdenum</source>
        <translation>モリブデン</translation>
    </message>
    <message>
        <source>Technetium</source>
        <translation>テクネチウム</translation>
    </message>
    <message>
        <source>Ruthenium</source>
        <translation>ルテニウム</translation>
    </message>
    <message>
        <source>Rhodium</source>
        <translation>ロジウム</translation>
    </message>
    <message>
        <source>Palladium</source>
        <translation>パラジウム</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀</translation>
    </message>
    <message>
        <source>Cadmium</source>
        <translation>カドミウム</translation>
    </message>
    <message>
        <source>Indium</source>
        <translation>インジウム</translation>
    </message>
    <message>
        <source>Tin</source>
        <translation>スズ</translation>
    </message>
    <message>
        <source>Antimony</source>
        <translation>アンチモン</translation>
    </message>
    <message>
        <source>Tellurium</source>
        <translation>テルル</translation>
    </message>
    <message>
        <source>Iodine</source>
        <translation>ヨウ素</translation>
    </message>
    <message>
        <source>Xenon</source>
        <translation>キセノン</translation>
    </message>
    <message>
        <source>Cesium</source>
        <translation>セシウム</translation>
    </message>
    <message>
        <source>Barium</source>
        <translation>バリウム</translation>
    </message>
    <message>
        <source>Lanthanum</source>
        <translation>ランタン</translation>
    </message>
    <message>
        <source>Cerium</source>
        <translation>セリウム</translation>
    </message>
    <message>
        <source>Praseodymium</source>
        <translation>プラセオジム</translation>
    </message>
    <message>
        <source>Neodymium</source>
        <translation>ネオジム</translation>
    </message>
    <message>
        <source>Promethium</source>
        <translation>プロメチウム</translation>
    </message>
    <message>
        <source>Samarium</source>
        <translation>サマリウム</translation>
    </message>
    <message>
        <source>Europium</source>
        <translation>ユウロピウム</translation>
    </message>
    <message>
        <source>Gadolinium</source>
        <translation>ガドリニウム</translation>
    </message>
    <message>
        <source>Terbium</source>
        <translation>テルビウム</translation>
    </message>
    <message>
        <source>Dysprosium</source>
        <translation>ジスプロシウム</translation>
    </message>
    <message>
        <source>Holmium</source>
        <translation>ホルミウム</translation>
    </message>
    <message>
        <source>Erbium</source>
        <translation>エルビウム</translation>
    </message>
    <message>
        <source>Thulium</source>
        <translation>ツリウム</translation>
    </message>
    <message>
        <source>Ytterbium</source>
        <translation>イッテルビウム</translation>
    </message>
    <message>
        <source>Lutetium</source>
        <translation>ルテチウム</translation>
    </message>
    <message>
        <source>Hafnium</source>
        <translation>ハフニウム</translation>
    </message>
    <message>
        <source>Tantalum</source>
        <translation>タンタル</translation>
    </message>
    <message>
        <source>Wolfram</source>
        <translation>タングステン</translation>
    </message>
    <message>
        <source>Rhenium</source>
        <translation>レニウム</translation>
    </message>
    <message>
        <source>Osmium</source>
        <translation>オスミウム</translation>
    </message>
    <message>
        <source>Iridium</source>
        <translation>イリジウム</translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation>白金</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>水銀</translation>
    </message>
    <message>
        <source>Thallium</source>
        <translation>タリウム</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>鉛</translation>
    </message>
    <message>
        <source>Bismuth</source>
        <translation>ビスマス</translation>
    </message>
    <message>
        <source>Polonium</source>
        <translation>ポロニウム</translation>
    </message>
    <message>
        <source>Astatine</source>
        <translation>アスタチン</translation>
    </message>
    <message>
        <source>Radon</source>
        <translation>ラドン</translation>
    </message>
    <message>
        <source>Francium</source>
        <translation>フランシウム</translation>
    </message>
    <message>
        <source>Radium</source>
        <translation>ラジウム</translation>
    </message>
    <message>
        <source>Actinium</source>
        <translation>アクチニウム</translation>
    </message>
    <message>
        <source>Thorium</source>
        <translation>トリウム</translation>
    </message>
    <message>
        <source>Protactinium</source>
        <translation>プロトアクチニウム</translation>
    </message>
    <message>
        <source>Uranium</source>
        <translation>ウラン</translation>
    </message>
    <message>
        <source>Neptunium</source>
        <translation>ネプツニウム</translation>
    </message>
    <message>
        <source>Plutonium</source>
        <translation>プルトニウム</translation>
    </message>
    <message>
        <source>Americium</source>
        <translation>アメリシウム</translation>
    </message>
    <message>
        <source>Curium</source>
        <translation>キュリウム</translation>
    </message>
    <message>
        <source>Berkelium</source>
        <translation>バークリウム</translation>
    </message>
    <message>
        <source>Californium</source>
        <translation>カリホルニウム</translation>
    </message>
    <message>
        <source>Einsteinium</source>
        <translation>アインスタイニウム</translation>
    </message>
    <message>
        <source>Fermium</source>
        <translation>フェルミウム</translation>
    </message>
    <message>
        <source>Mendelevium</source>
        <translation>メンデレビウム</translation>
    </message>
    <message>
        <source>Nobelium</source>
        <translation>ノーベリウム</translation>
    </message>
    <message>
        <source>Lawrencium</source>
        <translation>ローレンシウム</translation>
    </message>
    <message>
        <source>Unnilquadium</source>
        <translation>ウンニルクアジウム</translation>
    </message>
    <message>
        <source>Unnilpentium</source>
        <translation>ウンニルペンチウム</translation>
    </message>
    <message>
        <source>Unnilhexium</source>
        <translation>ウンニルヘキシウム</translation>
    </message>
    <message>
        <source>Unnilseptium</source>
        <translation>ウンニルセプチウム</translation>
    </message>
    <message>
        <source>Unniloctium</source>
        <translation>ウンニルオクチウム</translation>
    </message>
    <message>
        <source>Unnilennium</source>
        <translation>ウンニルエンニウム</translation>
    </message>
</context>
<context>
    <name>ExportFile</name>
    <message>
        <source>a symbolic link stands at that name</source>
        <translation>同じ名前のシンボリックリンクがあります</translation>
    </message>
    <message>
        <source>that name is not a plain file</source>
        <extracomment>Why a file was not written: a pipe, a device or a folder has its name.</extracomment>
        <translation>その名前は通常のファイルではありません</translation>
    </message>
    <message>
        <source>the file belongs to another user</source>
        <translation>ファイルは別のユーザーが所有しています</translation>
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
        <translation>ランタニド</translation>
    </message>
    <message>
        <source>Actinides</source>
        <extracomment>Caption of the detached row 90-103, bold; room for about 10 characters.</extracomment>
        <translation>アクチニド</translation>
    </message>
    <message>
        <source>Metals</source>
        <extracomment>Legend beside the metals&apos; swatch; room for about 6 characters.</extracomment>
        <translation>金属</translation>
    </message>
    <message>
        <source>Metalloids</source>
        <extracomment>Legend beside the metalloids&apos; swatch; room for about 10 characters.</extracomment>
        <translation>半金属</translation>
    </message>
    <message>
        <source>Non-metals</source>
        <extracomment>Legend beside the non-metals&apos; swatch; room for about 11 characters.</extracomment>
        <translation>非金属</translation>
    </message>
    <message>
        <source>Choose a property</source>
        <extracomment>What the ranking list shows before a choice; room for about 30 characters.</extracomment>
        <translation>性質を選択してください</translation>
    </message>
    <message>
        <source>Rank by</source>
        <extracomment>Caption of the ranking list in the column view; room for about 9 characters.</extracomment>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Click on a button to sort list by that property. Click again to sort in reverse order.</source>
        <extracomment>The column view&apos;s hint, one line; room for about 80 characters.</extracomment>
        <translation>ボタンをクリックするとその性質で並べ替え、再度クリックすると逆順になります。</translation>
    </message>
    <message>
        <source>Show elements by</source>
        <extracomment>Caption of the two options below it; room for about 18 characters.</extracomment>
        <translation>元素の表示方法</translation>
    </message>
    <message>
        <source>Symbol</source>
        <extracomment>Option: the tiles show symbols; room for about 7 characters.</extracomment>
        <translation>記号</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <extracomment>Option: the tiles show atomic numbers; room for about 15 characters.</extracomment>
        <translation>原子番号</translation>
    </message>
    <message>
        <source>Display properties on clicking</source>
        <extracomment>Check box: a tile click shows the sheet; room for about 29 characters.</extracomment>
        <translation>クリック時に性質を表示</translation>
    </message>
    <message>
        <source>Export</source>
        <extracomment>Link that writes the sheet to a file and opens it; room for about 9 characters.</extracomment>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Properties</source>
        <extracomment>Heading of the sheet before an element is chosen.</extracomment>
        <translation>性質</translation>
    </message>
    <message>
        <source>Find</source>
        <extracomment>Button; room for about 10 characters.</extracomment>
        <translation>検索</translation>
    </message>
    <message>
        <source>Refresh</source>
        <extracomment>Button that takes Find&apos;s red marks away; room for about 10 characters.</extracomment>
        <translation>マーク解除</translation>
    </message>
    <message>
        <source>Metalloid</source>
        <translation>半金属</translation>
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
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Save chart as image…</source>
        <extracomment>Context menu entry of the chart (Ctrl+S).</extracomment>
        <translation>周期表を画像として保存…</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>Context menu entry of both views (Ctrl+P): prints the chart and the sheet on show.</extracomment>
        <translation>印刷…</translation>
    </message>
    <message>
        <source>Print preview…</source>
        <extracomment>Context menu entry of both views: the printout as it will come out of the printer.</extracomment>
        <translation>印刷プレビュー…</translation>
    </message>
    <message>
        <source>Save printout as PDF…</source>
        <extracomment>Context menu entry of both views: the printout as a PDF file.</extracomment>
        <translation>印刷内容を PDF 形式で保存…</translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Context menu entry of the chart (Ctrl+G): a property across the elements as a plot.</extracomment>
        <translation>傾向をグラフで表示</translation>
    </message>
    <message>
        <source>Save plot data as CSV…</source>
        <extracomment>Context menu entry of the plot: its points as a CSV file.</extracomment>
        <translation>グラフのデータを CSV 形式で保存…</translation>
    </message>
    <message>
        <source>Save table as CSV…</source>
        <extracomment>Context menu entry of both views (Ctrl+Shift+S): all elements and properties.</extracomment>
        <translation>表を CSV 形式で保存…</translation>
    </message>
    <message>
        <source>Not yet supported</source>
        <translation>まだサポートされていません</translation>
    </message>
    <message>
        <source>Column format</source>
        <extracomment>Button that switches to the column view; room for about 16 characters.</extracomment>
        <translation>列表示</translation>
    </message>
    <message>
        <source>Table format</source>
        <extracomment>Button that switches back to the chart; room for about 16 characters.</extracomment>
        <translation>周期表表示</translation>
    </message>
    <message>
        <source>Enter partial or full 

 ELEMENT NAME or
 SYMBOL or
 ATOMIC NUMBER</source>
        <translation>以下の全部または一部を入力してください

 元素名 または
 記号 または
 原子番号</translation>
    </message>
    <message>
        <source>Sorry, no matches found.</source>
        <translation>一致するものが見つかりませんでした。</translation>
    </message>
    <message>
        <source>Select an element first.</source>
        <translation>先に元素を選択してください。</translation>
    </message>
    <message>
        <source>there is no temporary folder</source>
        <translation>一時フォルダーがありません</translation>
    </message>
    <message>
        <source>The properties were saved in %1, but the text editor could not be started. Open the file yourself.</source>
        <translation>性質を %1 に保存しましたが、テキストエディターを起動できませんでした。ファイルを手動で開いてください。</translation>
    </message>
    <message>
        <source>The properties could not be exported to %1: %2.</source>
        <translation>性質を %1 に書き出せませんでした：%2。</translation>
    </message>
    <message>
        <source>Morvik table</source>
        <extracomment>Suggested file name of the saved table, without its ending.</extracomment>
        <translation>Morvik 表</translation>
    </message>
    <message>
        <source>Save table as CSV</source>
        <translation>表を CSV 形式で保存</translation>
    </message>
    <message>
        <source>CSV file (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>The table could not be saved to %1: %2.</source>
        <translation>表を %1 に保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>Save plot data as CSV</source>
        <translation>グラフのデータを CSV 形式で保存</translation>
    </message>
    <message>
        <source>The plot&apos;s data could not be saved to %1: %2.</source>
        <translation>グラフのデータを %1 に保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>Morvik chart</source>
        <extracomment>The title of the chart&apos;s image and printout, and the suggested file name, without its ending, of the saved image.</extracomment>
        <translation>Morvik 周期表</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
    <message>
        <source>Save plot as image</source>
        <translation>グラフを画像として保存</translation>
    </message>
    <message>
        <source>Save chart as image</source>
        <translation>周期表を画像として保存</translation>
    </message>
    <message>
        <source>there is not enough memory for the image</source>
        <extracomment>Why the chart could not be saved: the %2 of &quot;The chart could not be saved to %1: %2.&quot;</extracomment>
        <translation>画像用のメモリーが不足しています</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>周期表を %1 に保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>The chart could not be printed on %1.</source>
        <extracomment>The printer refused the printout; %1 is the printer&apos;s name.</extracomment>
        <translation>周期表を %1 で印刷できませんでした。</translation>
    </message>
    <message>
        <source>Save printout as PDF</source>
        <extracomment>Title of the dialog that saves the printout as a PDF file.</extracomment>
        <translation>印刷内容を PDF 形式で保存</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>The printout could not be saved to %1: %2.</source>
        <translation>印刷内容を %1 に保存できませんでした：%2。</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <translation>周期表を表示</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Print preview</source>
        <translation>印刷プレビュー</translation>
    </message>
    <message>
        <source>Print…</source>
        <extracomment>The button of the print preview that goes on to the print dialog.</extracomment>
        <translation>印刷…</translation>
    </message>
</context>
<context>
    <name>Property</name>
    <message>
        <source>Name</source>
        <translation>元素名</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Atomic no.</source>
        <translation>原子番号</translation>
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
        <translation>融点</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>蒸発熱</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>融解熱</translation>
    </message>
    <message>
        <source>Elect. cond.</source>
        <translation>電気伝導率</translation>
    </message>
    <message>
        <source>Thermal cond.</source>
        <translation>熱伝導率</translation>
    </message>
    <message>
        <source>Sp ht capacity</source>
        <translation>比熱容量</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>イオン化電位</translation>
    </message>
    <message>
        <source>Electro negativity</source>
        <translation>電気陰性度</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>原子価</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>当量</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>結晶構造</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>発見者</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>発見年</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>電子配置</translation>
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
        <translation>元素名</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>Atomic number</source>
        <translation>原子番号</translation>
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
        <translation>融点</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>密度</translation>
    </message>
    <message>
        <source>Latent ht. of vapor</source>
        <translation>蒸発熱</translation>
    </message>
    <message>
        <source>Latent ht. of fusion</source>
        <translation>融解熱</translation>
    </message>
    <message>
        <source>Electrical conduct.</source>
        <translation>電気伝導率</translation>
    </message>
    <message>
        <source>Thermal conduct.</source>
        <translation>熱伝導率</translation>
    </message>
    <message>
        <source>Specific heat capacity</source>
        <translation>比熱容量</translation>
    </message>
    <message>
        <source>Ionization potential</source>
        <translation>イオン化電位</translation>
    </message>
    <message>
        <source>Electronegativity</source>
        <translation>電気陰性度</translation>
    </message>
    <message>
        <source>Valency</source>
        <translation>原子価</translation>
    </message>
    <message>
        <source>Equivalent weight</source>
        <translation>当量</translation>
    </message>
    <message>
        <source>Crystal structure</source>
        <translation>結晶構造</translation>
    </message>
    <message>
        <source>Discovered by</source>
        <translation>発見者</translation>
    </message>
    <message>
        <source>Year of discovery</source>
        <translation>発見年</translation>
    </message>
    <message>
        <source>Electronic config.</source>
        <translation>電子配置</translation>
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
        <translation>周期表で表示できる最低温度は %1 です</translation>
    </message>
    <message>
        <source>%1 is the highest temperature the chart shows</source>
        <extracomment>Shown beside the temperature box when a higher one was typed.</extracomment>
        <translation>周期表で表示できる最高温度は %1 です</translation>
    </message>
</context>
<context>
    <name>TemperatureUnits</name>
    <message>
        <source>Temperatures in</source>
        <extracomment>Caption of the three options °C, K and °F, and of the context menu offering them; room for about 20 characters.</extracomment>
        <translation>温度の単位</translation>
    </message>
</context>
<context>
    <name>TrendPlot</name>
    <message>
        <source>1 element has no value</source>
        <translation>値のない元素が 1 個あります</translation>
    </message>
    <message numerus="yes">
        <source>%n elements have no value</source>
        <extracomment>Below the plot&apos;s choices: &quot;12 elements have no value&quot; (left out of the plot).</extracomment>
        <translation>
            <numerusform>値のない元素が %n 個あります</numerusform>
        </translation>
    </message>
    <message>
        <source>Plot a trend</source>
        <extracomment>Button of the chart that shows a plot of a property across the elements (Ctrl+G).</extracomment>
        <translation>グラフを表示</translation>
    </message>
    <message>
        <source>Show the chart</source>
        <extracomment>The same button while the plot shows: back to the chart (Ctrl+G).</extracomment>
        <translation>周期表を表示</translation>
    </message>
    <message>
        <source>Log</source>
        <extracomment>Beside a property of the plot: that axis logarithmic; room for 5 characters.</extracomment>
        <translation>対数</translation>
    </message>
    <message>
        <source>Plot</source>
        <extracomment>Caption of the property up the plot&apos;s vertical axis; room for about 6 characters.
----------
What a screen reader calls the plot.</extracomment>
        <translation>グラフ</translation>
    </message>
    <message>
        <source>against</source>
        <extracomment>Caption of the property along the plot&apos;s horizontal axis; room for about 9 characters.</extracomment>
        <translation>対</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A point&apos;s tooltip: a property and its value, &quot;Density: 7860 kg/m^3&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>atomic number</source>
        <extracomment>The plot&apos;s horizontal axis by default, within a sentence: &quot;... against atomic number&quot;.</extracomment>
        <translation>原子番号</translation>
    </message>
    <message>
        <source>%1 against %2: no element has both values</source>
        <extracomment>What a screen reader says of a plot without points.</extracomment>
        <translation>%2に対する%1：両方の値を持つ元素はありません</translation>
    </message>
    <message>
        <source>1 element</source>
        <translation>1 個の元素</translation>
    </message>
    <message numerus="yes">
        <source>%n elements</source>
        <translation>
            <numerusform>%n 個の元素</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 against %2: %3; highest %4, %5</source>
        <extracomment>What a screen reader says of the plot: &quot;Ionization potential against atomic number: 101 elements; highest Helium, 24.587 V&quot;.</extracomment>
        <translation>%2に対する%1：%3、最大値は%4の %5</translation>
    </message>
    <message>
        <source>Morvik plot</source>
        <extracomment>The suggested file name, without its ending, of the saved plot and its data.</extracomment>
        <translation>Morvik グラフ</translation>
    </message>
    <message>
        <source>The plot cannot be shown: %1</source>
        <extracomment>When the plotting library cannot be loaded; %1 says why, in the system&apos;s words.</extracomment>
        <translation>グラフを表示できません: %1</translation>
    </message>
</context>
</TS>
