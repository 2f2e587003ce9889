#pragma once

// Morvik is one window. Every control is a named member and the controls hold the state: the
// view on show is the caption of Command1, the element on show is the content of PropsList,
// the first property of the column view is the position of HScroll1, and the tiles' colours
// are the marks of Find. Handlers live in the folder of their feature (grid, options,
// ranking, columns, find, export) and only move data between the controls and the plain
// functions of data/ and of the feature; dialogs, folders and the editor go through Platform.

#include "platform/platform.h"
#include "window/units.h"

#include <QWidget>

#include <array>

class ClickLabel;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFile;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

class Morvik : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TileCount = 110; // index 0 is the template tile
    static constexpr int GroupCount = 19; // index 0 is the template group number
    static constexpr int ColumnCount = 6;
    static inline const QString Title = QStringLiteral("Morvik");

    explicit Morvik(Platform &platform, QWidget *parent = nullptr);
    ~Morvik() override;

    // Handlers, named after the control and the event.
    void Form_Load();
    void Form_Unload();
    void lblElem_Click(int Index);
    void Option1_Click(int Index);
    void Check1_Click();
    void HideShowFrame(int Mode);
    void Combo1_Click();
    void Command1_Click();
    void HScroll1_Change();
    void VScroll1_Change();
    void List1_Click(int Index);
    void command4_Click(int Index);
    void Command5_Click();
    void Command6_Click();
    void Label7_Click();

    void ShowProperties(int ElemNo);

    // The one variable of the window: the column view's sort direction (0 or 1).
    int sortDirection() const { return m_sortDirection; }

    // Where Find keeps the marks it must undo.
    QString findFilePath() const;

    // Controls. Public so that tests and accessibility tools reach them by name as well.
    std::array<ClickLabel *, TileCount> lblElem{};
    std::array<QLabel *, GroupCount> Label1{};
    std::array<QLabel *, 2> Label2{};
    std::array<QFrame *, 3> Picture1{};
    std::array<QLabel *, 3> Legend{};
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

private:
    void showWindowIcon();

    // Construction, one step per group of controls.
    void setupWindow();
    void setupGrid();
    void setupLegend();
    void setupColumnView();
    void setupOptions();
    void setupSheet();
    void setupButtons();
    void setupWorkLists();
    void connectHandlers();
    void setupKeyboard();
    void setupAccessibility();

    // Start-up steps of the grid.
    void fillPropertyList();
    void layOutColumnView();
    void buildGroupNumbers();
    void buildTiles();
    void captionTiles();
    void sizeAndCentreWindow();
    void placeTiles();
    void placeRowCaptions();
    void placeGroupNumbers();
    void colourTiles();

    // The column view.
    bool columnViewShowing() const;
    void enterColumnView();
    void leaveColumnView();
    // One row per element in the given order: column 0 shows column0Property, column k (1..5)
    // the property HScroll1 + 1 + k.
    void fillColumns(const std::vector<int> &elements, int column0Property);
    void setGridVisible(bool visible);

    // Find.
    int markMatchingTiles(const QString &answer, QFile &records);
    int selectMatchingRows(const QString &answer);
    void restoreUnrecordedMarks();
    QColor classColor(int i) const;

    // Keyboard and clipboard.
    void makeTabStop(int tile);
    void moveTileFocus(int from, Qt::Key key);
    void copyToClipboard();

    // Export.
    bool writeExportFile(const QString &path, const QStringList &lines);
    void reportExportFailure(const QString &path, const QString &reason);

    void place(QWidget *widget, const TwipsRect &rect);
    TwipsRect twipsOf(const QWidget *widget) const;
    QColor tileColor(int index) const;
    void setTileColor(int index, const QColor &color);

    Platform &m_platform;
    QButtonGroup *m_option1Group = nullptr;
    QButtonGroup *m_command4Group = nullptr;
    QString m_searchText = QStringLiteral("H");
    int m_sortDirection = 0;
    bool m_iconShown = false;
};
