#pragma once

// Morvik is one window. Every control of the design is a named member and the controls hold
// the state: the view on show is the caption of Command1, the element on show is the content
// of PropsList, the first property of the column view is the position of HScroll1, and the
// tiles' colours are the colouring in force and the marks of Find.
//
// Where things go:
// - Pure logic goes into plain functions (data/, and the feature's own files) that the tests
//   call directly; handlers only move data between the controls and those functions.
// - A handler of a designed control stays a Morvik member, defined in its feature's folder
//   (window/, columns/, tools/), named after the control and the event.
// - A feature that brings controls or a view of its own is a class in a folder of its own,
//   owning its controls and state and signalling its changes (colouring/ChartColouring);
//   Morvik owns one and wires it.
// - Parts::place() is the only way a control gets a geometry: it records the control's part
//   and design rectangle, from which the views, legends, picture and Tab order follow.
// - Dialogs, folders, printing and the editor go through Platform.

#include "platform/platform.h"
#include "window/design.h"
#include "window/parts.h"
#include "window/units.h"

#include <QDeadlineTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class ChartColouring;
struct Printout;
class TemperatureUnits;
class TrendPlot;
class ClickLabel;
class QAction;
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

    // The plot of a trend in the tiles' place, and back to the chart (plot/showplot.cpp).
    void switchPlot();

    // Getting the data out of the window.
    void saveTable(); // tools/savetable.cpp
    void savePlotTable(); // tools/savetable.cpp, the plot's points
    void saveChartImage(); // tools/saveimage.cpp
    void printChart(); // tools/print.cpp
    void previewPrint(); // tools/print.cpp
    void savePrintout(); // tools/print.cpp, as a PDF file

    // The register of the controls' parts and places, and the colouring of the chart.
    Parts &parts() { return m_parts; }
    ChartColouring &colouring() { return *m_colouring; }
    TemperatureUnits &units() { return *m_units; }
    TrendPlot &plot() { return *m_plot; }

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

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override; // window/zoom.cpp
    bool eventFilter(QObject *watched, QEvent *event) override; // window/zoom.cpp
    void contextMenuEvent(QContextMenuEvent *event) override; // window/contextmenu.cpp

private:
    // window/morvik.cpp: construction, one step per group of controls.
    void setupWindow();
    void setupGrid();
    void setupLegend();
    void setupColouring();
    void setupColumnView();
    void setupOptions();
    void setupUnits();
    void setupPlot();
    void setupSheet();
    void setupButtons();
    void setupWorkLists();
    void connectHandlers();
    void fillPropertyList();
    void showWindowIcon();
    static QLinearGradient backgroundGradient();

    // window/grid.cpp: the start-up steps of the grid, the tiles' captions and colours, and the
    // sheet on show.
    void layOutColumnView();
    void buildGroupNumbers();
    void buildTiles();
    // Every tile's caption: its symbol under option 0, its atomic number under option 1.
    void captionTiles(int option);
    void sizeAndCentreWindow();
    void placeTiles();
    void placeRowCaptions();
    void placeGroupNumbers();
    void colourTiles();
    // Every tile in the colours and words of the colouring in force, Find's marks undone.
    void recolourTiles();
    // Every temperature on show, and every caption with a unit, in the scale now in force:
    // the captions and lists, the sheet, the tooltips and the colouring's texts.
    void showTemperatureScale();
    // The element whose sheet is on show, read from the sheet; 0 when there is none.
    int elementOnShow() const;
    // The tooltip and the names a screen reader gives tile i.
    void describeTile(int i);
    // The colour tile i shows when Find has not marked it: under the colouring in force.
    QColor unmarkedColour(int i) const;
    QColor classColour(int i) const;
    QColor tileColor(int index) const;
    void setTileColor(int index, const QColor &color);
    // The lines of the sheet on show, TABs included, as Export, the clipboard and the
    // printout take them.
    QStringList sheetOnShow() const;

    // Shows one view of the window: the register shows and hides its parts, the plot knows.
    void showView(View view);

    // columns/columnview.cpp: the rows of the column view. Command1's caption offers the other
    // view, and so tells which one is on show.
    static QString columnFormat();
    static QString tableFormat();
    bool columnViewShowing() const;
    // One row per element in the given order: column 0 shows its name, column k (1..5) the
    // property HScroll1 + 1 + k, which its header names.
    void fillColumns(const std::vector<int> &elements);
    // The same with names in column 0, in an order that is not the ranking's (by number, or by
    // a header): Combo1 goes back to its placeholder.
    void showUnranked(const std::vector<int> &elements);
    // The headers' captions: the name first, then the properties the scroll bar has brought.
    void captionHeaders();

    // tools/find.cpp.
    QString findFilePath() const;
    int markMatchingTiles(const QString &answer, QFile &records);
    int selectMatchingRows(const QString &answer);
    void restoreUnrecordedMarks();

    // tools/export.cpp.
    void reportExportFailure(const QString &path, const QString &reason);
    void warnEditorNotStarted(const QString &path);

    // window/keyboard.cpp: every key of the window as an action, focus across the chart, and
    // the clipboard.
    void setupActions();
    void makeTabStop(int tile);
    void moveTileFocus(int from, Qt::Key key);
    void copyToClipboard();

    // window/zoom.cpp: the window at any size. Zoom one step in (1) or out (-1), or back to
    // the design size (0).
    void setupZoom();
    void zoom(int direction);
    void resizeKeepingCentre(QSize size);

    // window/contextmenu.cpp: the context menus of the two views, and how a failure of the ways
    // out of the window is told.
    void setupMenus();
    // The context menu of the view on show, and that menu opened from the keyboard.
    QMenu *contextMenu() const;
    void openContextMenu();
    void reportFailure(const QString &text);

    // tools/saveimage.cpp: what an image or a printout shows: the chart, drawn from the
    // pictured parts alone so that no control around them shows in it, or the plot on show.
    struct Picture
    {
        QString title;
        QSize size;
        std::function<void(QPainter &)> paint;
        std::function<QByteArray()> svg; // as an SVG image, where it draws one itself
    };
    Picture picture();
    QRect chartArea();
    void paintChart(QPainter &painter);
    void paintLegendTitle(QPainter &painter);
    static QString chartTitle();

    // tools/print.cpp: what the printer, the preview and the PDF file get alike.
    Printout printout();

    Platform &m_platform;
    Parts m_parts;
    ChartColouring *m_colouring = nullptr;
    TemperatureUnits *m_units = nullptr;
    TrendPlot *m_plot = nullptr;
    QButtonGroup *m_option1Group = nullptr;
    QButtonGroup *m_command4Group = nullptr;
    // Find's last answer, upper-cased: the default of its next prompt.
    QString m_searchText = QStringLiteral("H");
    // The column view's sort direction (0 or 1), which every header click flips.
    int m_sortDirection = 0;
    bool m_editorWarningOpen = false;
    // The elements in the order the column view lists them, or would list them if shown.
    std::vector<int> m_listedOrder;
    bool m_iconShown = false;
    // The window's size as designed, the size at scale 1; and, for a moment, the size a zoom
    // step asked for while the window was maximised.
    QSize m_designSize;
    QSize m_zoomedSize;
    QDeadlineTimer m_zoomedUntil;
    // The actions the context menus offer; every key of the window is an action too.
    struct Actions
    {
        QAction *saveImage = nullptr;
        QAction *print = nullptr;
        QAction *preview = nullptr;
        QAction *savePrintout = nullptr;
        QAction *switchPlot = nullptr;
        QAction *savePlotTable = nullptr;
        QAction *saveTable = nullptr;
    } m_actions;
    QMenu *m_chartMenu = nullptr;
    QMenu *m_columnMenu = nullptr;
    QMenu *m_plotMenu = nullptr;
};
