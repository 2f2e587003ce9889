#pragma once

// Every rectangle of the window as designed, in twips (Left, Top, Width, Height), named after
// the control it places. Morvik::place() is the only code that puts a control anywhere.

#include "data/Module1.h"
#include "window/units.h"

#include <array>

namespace Design {

constexpr int ColumnCount = 6;

constexpr TwipsRect ClientArea{0, 0, 9435, 5940};
// The background is a bitmap of this many pixels, drawn at its own size from the top-left
// corner: at 96 dpi it is larger than the client area, which it therefore always covers.
constexpr int BackgroundWidth = 753;
constexpr int BackgroundHeight = 498;

// The chart. The tiles and group numbers are copies of their templates, which stay hidden.
constexpr TwipsRect lblElem0{270, 990, 450, 300};
constexpr TwipsRect Label1_0{90, 720, 165, 255};
constexpr std::array<TwipsRect, 2> Label2{{{120, 420, 1050, 195}, {1440, 390, 810, 195}}};
constexpr std::array<TwipsRect, 3> Picture1{
        {{2250, 660, 250, 250}, {3210, 660, 250, 250}, {4410, 660, 250, 250}}};
constexpr std::array<TwipsRect, 3> Legend{
        {{2580, 690, 465, 195}, {3540, 690, 705, 195}, {4740, 690, 795, 195}}};

// Colouring the chart by a property: the choice stands in row 1's empty stretch between
// hydrogen and helium (Left 990 to 8865, Top 330 to 630), below the group numbers.
constexpr TwipsRect lblColourBy{1035, 390, 870, 195};
constexpr TwipsRect cboColourBy{1950, 330, 2700, 300};
constexpr TwipsRect chkLog{4740, 330, 750, 300};
// Its legend takes the class legend's row (Left 2250 to 6390): the lowest value, the bar, the
// highest value, "log", and the swatch of missing values.
constexpr TwipsRect lblScaleLow{2250, 690, 1095, 195};
constexpr TwipsRect picScale{3390, 660, 450, 250};
constexpr TwipsRect lblScaleHigh{3885, 690, 1230, 195};
constexpr TwipsRect lblScaleLog{5160, 690, 255, 195};
constexpr TwipsRect picNoData{5445, 660, 250, 250};
constexpr TwipsRect lblNoData{5745, 690, 645, 195};
// Colouring by the state of matter: its four swatches and captions take the same row; the
// temperature that decides it, the box, its value in kelvin and the slider, the strip below
// (Left 1485 to 6390, Top 930 to 1290), between the legend and row 4's transition metals.
constexpr std::array<TwipsRect, 4> picState{{{2250, 660, 250, 250},
                                             {3225, 660, 250, 250},
                                             {4245, 660, 250, 250},
                                             {5175, 660, 250, 250}}};
constexpr std::array<TwipsRect, 4> lblState{{{2580, 690, 600, 195},
                                             {3555, 690, 645, 195},
                                             {4575, 690, 555, 195},
                                             {5505, 690, 885, 195}}};
constexpr TwipsRect spnTemperature{1485, 960, 1200, 300};
constexpr TwipsRect lblKelvin{2730, 1013, 900, 195};
constexpr TwipsRect sldTemperature{3675, 960, 2715, 300};
constexpr int LowestCelsius = -273;
constexpr int HighestCelsius = 6000;
constexpr int RoomCelsius = 25;
constexpr int sldTemperaturePageStep = 100;

// The column view. The lefts and widths of the lists, headers and scroll bars follow from the
// template tile (GridLayout::columnView); the design gives their tops and heights.
constexpr TwipsRect Label4{1320, 90, 5580, 195};
constexpr double command4Top = 350;
constexpr double command4Height = 450;
constexpr double List1Top = 780;
constexpr double List1Height = 3855;
constexpr double HScroll1Top = 4650;
constexpr double HScroll1Height = 285;
constexpr double VScroll1Top = 780;
constexpr double VScroll1Width = 300;
constexpr double VScroll1Height = 3855;
// The first column always shows names; the other five scroll across the rest, so the last
// position, 22 - 6 = 16, puts the last property in the last column.
constexpr int HScroll1Max = Module1::PropCount - ColumnCount;
constexpr int HScroll1PageStep = 5;
// Each step of the vertical bar moves the selection by this many rows; 14 steps reach past the
// last of the 109 rows, where the selection stops.
constexpr int VScroll1RowStep = 8;
constexpr int VScroll1Max = 14;
// The ranking list, beside the buttons, where it covers none of the other controls.
constexpr TwipsRect Combo1{4440, 5265, 2700, 345};
constexpr TwipsRect lblRankBy{3720, 5330, 690, 195};

// The options.
constexpr TwipsRect Label3{120, 3810, 1290, 195};
constexpr std::array<TwipsRect, 2> Option1{{{210, 4050, 210, 195}, {210, 4380, 210, 180}}};
constexpr TwipsRect Check1{1650, 4350, 195, 225};
constexpr std::array<TwipsRect, 3> Label6{
        {{450, 4050, 510, 195}, {450, 4350, 1050, 195}, {1920, 4350, 2055, 195}}};

// The plot of a trend. Its button stands at the end of row 1's empty stretch, after "Colour by"
// (Left 5535 to 8865 free there); in the plot's view it stays where it is, the plot takes the
// tiles' place below the choice of what it plots, and the options, the sheet and the buttons
// stay as they are.
constexpr TwipsRect cmdPlot{7290, 330, 1530, 300};
constexpr TwipsRect lblPlotY{120, 105, 465, 195};
constexpr TwipsRect cboPlotY{600, 45, 2850, 300};
constexpr TwipsRect chkLogY{3495, 45, 750, 300};
constexpr TwipsRect lblPlotX{4290, 105, 690, 195};
constexpr TwipsRect cboPlotX{5025, 45, 2400, 300};
constexpr TwipsRect chkLogX{7470, 45, 750, 300};
constexpr TwipsRect lblLeftOut{120, 390, 6900, 195};
constexpr TwipsRect picPlot{120, 660, 9285, 2760};

// The scale temperatures are shown in, beside "Show elements by" in the free stretch before the
// sheet (Left 1650 to 4110): its caption, and its three options in a row below it.
constexpr TwipsRect lblTemperaturesIn{1650, 3810, 1290, 195};
constexpr std::array<TwipsRect, 3> optScale{
        {{1650, 4020, 540, 240}, {2250, 4020, 540, 240}, {2850, 4020, 540, 240}}};

// The sheet. Element names are longer than the design's caption box (Left 8520, Width 870):
// the caption keeps that box's right edge and grows left over the free space beside "Export".
// In a translated window, Export's link reaches right as far as the heading can grow (Left
// 4800), so that a longer word than "Export" fits ("Exportar"); in English it keeps its box.
constexpr TwipsRect Label7{4170, 3480, 450, 195};
constexpr TwipsRect Label7Translated{4170, 3480, 600, 195};
constexpr TwipsRect Label5{4800, 3480, 8520 + 870 - 4800, 195};
constexpr TwipsRect PropsList{4110, 3720, 5300, 2085};

// The buttons, and the work lists below the client area, never seen.
constexpr TwipsRect Command5{645, 5280, 850, 350};
constexpr TwipsRect Command6{1500, 5280, 850, 350};
constexpr TwipsRect Command1{2355, 5280, 1250, 350};
constexpr TwipsRect List2{60, 6000, 1245, 2985};
constexpr TwipsRect List3{1380, 6000, 1245, 2985};

} // namespace Design
