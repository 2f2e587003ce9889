#pragma once

// Morvik is one window. Every control is a named member and the controls hold the state: the
// view on show is the caption of Command1, the element on show is the content of PropsList,
// the first property of the column view is the position of HScroll1, the tiles' colours are
// the colouring chosen in cboColourBy (the states at the temperature in spnTemperature) and the
// marks of Find. Handlers live in the folder of their feature (grid, colouring, options,
// ranking, columns, find, export, output) and only move data between the controls and the
// plain functions of data/ and of the feature; dialogs, folders, printing and the editor go
// through Platform.

#include "platform/platform.h"
#include "window/colouring.h"
#include "window/design.h"
#include "window/units.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class ClickLabel;
class ColourBar;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFile;
class QFrame;
class QLabel;
class QLinearGradient;
class QListWidget;
class QMenu;
class QPainter;
class QPrinter;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QSpinBox;

class Morvik : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TileCount = 110; // index 0 is the template tile
    static constexpr int GroupCount = 19; // index 0 is the template group number
    static constexpr int ColumnCount = Design::ColumnCount;
    static inline const QString Title = QStringLiteral("Morvik");

    explicit Morvik(Platform &platform, QWidget *parent = nullptr);
    ~Morvik() override;

    // Handlers, named after the control and the event.
    void Form_Load(); // window/morvik.cpp
    void Form_Unload(); // window/morvik.cpp
    void lblElem_Click(int Index); // window/grid.cpp
    void ShowProperties(int ElemNo); // window/grid.cpp
    void Option1_Click(int Index); // window/grid.cpp
    void Check1_Click(); // window/options.cpp
    void HideShowFrame(int Mode); // window/options.cpp
    void Combo1_Click(); // window/ranking.cpp
    void Command1_Click(); // columns/columnview.cpp
    void HScroll1_Change(); // columns/columnview.cpp
    void VScroll1_Change(); // columns/columnview.cpp
    void List1_Click(int Index); // columns/columnview.cpp
    void command4_Click(int Index); // columns/columnsort.cpp
    void Command5_Click(); // tools/find.cpp
    void Command6_Click(); // tools/find.cpp
    void Label7_Click(); // tools/export.cpp
    void cboColourBy_Click(); // window/colourby.cpp
    void chkLog_Click(); // window/colourby.cpp
    void spnTemperature_Change(); // window/colourby.cpp

    // Getting the data out of the window.
    void saveTable(); // tools/savetable.cpp
    void saveChartImage(); // tools/saveimage.cpp
    void printChart(); // tools/print.cpp
    void previewPrint(); // tools/print.cpp

    // The column view's sort direction (0 or 1), which every header click flips.
    int sortDirection() const { return m_sortDirection; }

    // Where Find keeps the marks it must undo (tools/find.cpp).
    QString findFilePath() const;

    // Controls. Public so that tests and accessibility tools reach them by name as well.
    std::array<ClickLabel *, TileCount> lblElem{};
    std::array<QLabel *, GroupCount> Label1{};
    std::array<QLabel *, 2> Label2{};
    std::array<QFrame *, Module1::ClassCount> Picture1{};
    std::array<QLabel *, Module1::ClassCount> Legend{};
    QComboBox *Combo1 = nullptr;
    QLabel *lblRankBy = nullptr; // caption of Combo1 where the column view offers it
    QLabel *Label4 = nullptr;
    std::array<QPushButton *, ColumnCount> command4{};
    std::array<QListWidget *, ColumnCount> List1{};
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QLabel *Label3 = nullptr;
    std::array<QRadioButton *, 2> Option1{};
    QCheckBox *Check1 = nullptr;
    std::array<ClickLabel *, 3> Label6{};
    ClickLabel *Label7 = nullptr;
    QLabel *Label5 = nullptr;
    QListWidget *PropsList = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command1 = nullptr;
    QListWidget *List2 = nullptr;
    QListWidget *List3 = nullptr;
    // Colouring the chart by a property: the choice, and its legend (built on first use).
    QLabel *lblColourBy = nullptr;
    QComboBox *cboColourBy = nullptr;
    QCheckBox *chkLog = nullptr;
    QLabel *lblScaleLow = nullptr;
    ColourBar *picScale = nullptr;
    QLabel *lblScaleHigh = nullptr;
    QLabel *lblScaleLog = nullptr;
    QFrame *picNoData = nullptr;
    QLabel *lblNoData = nullptr;
    // Colouring the chart by the state of matter: its legend, and the temperature that decides
    // it, the box and the slider in step (all built on first use).
    std::array<QFrame *, Colouring::StateCount> picState{};
    std::array<QLabel *, Colouring::StateCount> lblState{};
    QSpinBox *spnTemperature = nullptr;
    QLabel *lblKelvin = nullptr;
    QSlider *sldTemperature = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override; // window/contextmenu.cpp

private:
    // window/morvik.cpp: construction, one step per group of controls, and placing them.
    void setupWindow();
    void setupGrid();
    void setupLegend();
    void setupColumnView();
    void setupOptions();
    void setupSheet();
    void setupButtons();
    void setupWorkLists();
    void connectHandlers();
    void fillPropertyList();
    void showWindowIcon();
    void place(QWidget *widget, const TwipsRect &rect);
    TwipsRect twipsOf(const QWidget *widget) const;
    static void setBackground(QWidget *widget, Bgr color);
    static void fitCaption(QWidget *widget, const QString &text, int room);
    static QLinearGradient backgroundGradient();

    // window/grid.cpp: the start-up steps of the grid, and the tiles' colours.
    void layOutColumnView();
    void buildGroupNumbers();
    void buildTiles();
    void captionTiles();
    void sizeAndCentreWindow();
    void placeTiles();
    void placeRowCaptions();
    void placeGroupNumbers();
    void colourTiles();
    // The tooltip and the names a screen reader gives tile i.
    void describeTile(int i);
    // The colour tile i shows when Find has not marked it: under the colouring in force.
    QColor unmarkedColour(int i) const;
    // The tiles' colours of a colouring by a property or by state; none for the class colours.
    const Colouring::TileColours *colouredTiles() const;
    QColor classColour(int i) const;
    QColor tileColor(int index) const;
    void setTileColor(int index, const QColor &color);

    // columns/columnview.cpp: the two views and the rows of the column view. Command1's
    // caption offers the other view, and so tells which one is on show.
    static QString columnFormat();
    static QString tableFormat();
    bool columnViewShowing() const;
    void showColumnView(bool columns);
    QList<QWidget *> chartControls() const;
    QList<QWidget *> columnViewControls() const;
    // One row per element in the given order: column 0 shows column0Property, column k (1..5)
    // the property HScroll1 + 1 + k.
    void fillColumns(const std::vector<int> &elements, int column0Property);
    // The same with names in column 0, in an order that is not the ranking's (by number, or by
    // a header): Combo1 goes back to its placeholder.
    void showUnranked(const std::vector<int> &elements);

    // window/colourby.cpp: the chart coloured by class (as designed) or by a numeric property.
    void setupColouring();
    void recolour();
    void buildScaleLegend();
    void buildStateLegend();
    void buildTemperatureControls();
    // The legend under the colouring in force, and with the states the temperature below it.
    void showLegend();
    // The legend's controls under the colouring in force: what the colours mean, never the
    // controls that choose them (the drop-down, the Log box, the temperature).
    QList<QWidget *> legendControls() const;
    // The controls that set the temperature, once built; on show with the states.
    QList<QWidget *> temperatureControls() const;
    // "Density: 7860 kg/m^3" for tile i while the chart is coloured by a property, its state
    // while coloured by state, else empty.
    QString colouredValue(int i) const;
    QString stateDescription(int i) const;

    // tools/find.cpp.
    int markMatchingTiles(const QString &answer, QFile &records);
    int selectMatchingRows(const QString &answer);
    void restoreUnrecordedMarks();

    // tools/export.cpp.
    void reportExportFailure(const QString &path, const QString &reason);
    void warnEditorNotStarted(const QString &path);

    // window/keyboard.cpp: shortcuts, focus across the chart, and the clipboard.
    void setupKeyboard();
    void makeTabStop(int tile);
    void moveTileFocus(int from, Qt::Key key);
    void copyToClipboard();

    // window/contextmenu.cpp: the ways out of the window, by key and by the context menus.
    void setupOutput();
    void reportFailure(const QString &text);

    // tools/saveimage.cpp: the chart as a picture. Its surfaces are listed one by one, so that
    // the controls around them, and any added later, stay out of it.
    QList<QWidget *> chartSurfaces() const;
    QRect chartArea() const;
    void paintChart(QPainter &painter);
    static QString chartTitle();
    QByteArray chartSvg();

    // tools/print.cpp: one printout from the print dialog and from the preview alike.
    void printout(QPrinter &printer);

    Platform &m_platform;
    QButtonGroup *m_option1Group = nullptr;
    QButtonGroup *m_command4Group = nullptr;
    // Find's last answer, upper-cased: the default of its next prompt.
    QString m_searchText = QStringLiteral("H");
    int m_sortDirection = 0;
    bool m_editorWarningOpen = false;
    // The elements in the order the column view lists them, or would list them if shown.
    std::vector<int> m_listedOrder;
    // The colours of the property or state colouring in force, worked out once per choice (and
    // temperature); none while the chart is coloured by class.
    std::optional<Colouring::PropertyColours> m_propertyColours;
    std::optional<Colouring::StateColours> m_stateColours;
    bool m_iconShown = false;
    QMenu *m_chartMenu = nullptr;
    QMenu *m_columnMenu = nullptr;
};
