// Find marks the elements that match a name, symbol or number; Refresh takes the marks away.

#include "window/morvik.h"

#include "data/Module1.h"
#include "data/ascii.h"
#include "tools/findfile.h"
#include "tools/findmatch.h"
#include "tools/findrecords.h"
#include "window/clicklabel.h"
#include "window/shown.h"

#include <QFile>
#include <QListWidget>
#include <QScrollBar>

namespace {

// A damaged or foreign file is read only this far.
constexpr qint64 MaxFindFileSize = 1 << 20;

// A record may give back only a colour its tile could have had, its unmarked one: a record
// edited or added since Find ("26 0") would otherwise paint the tile for the rest of the session.
QColor trustedColour(Bgr recorded, const QColor &unmarked)
{
    return fromBgr(recorded) == unmarked ? fromBgr(recorded) : unmarked;
}

} // namespace

QString Morvik::findFilePath() const
{
    return ::findFilePath(m_platform.programFolder(), m_platform.userDataFolder());
}

void Morvik::Command5_Click()
{
    Command6_Click();
    QFile records;
    // Errors are not fatal here: without the file Refresh still knows the marks by colour.
    openFindFile(records, findFilePath(), QIODevice::Append | QIODevice::Text);
    for (;;) {
        const std::optional<QString> answer = m_platform.inputBox(
                this, tr("Enter partial or full \n\n ELEMENT NAME or\n SYMBOL or\n ATOMIC NUMBER"),
                Title, m_searchText);
        // No stored name, symbol or number begins or ends with a blank: blanks around the
        // answer could only hide a match.
        const QString typed = answer ? answer->trimmed() : QString();
        if (typed.isEmpty()) {
            return;
        }
        m_searchText = typed.toUpper();
        const int count = columnViewShowing() ? selectMatchingRows(m_searchText)
                                              : markMatchingTiles(m_searchText, records);
        if (count > 0) {
            return;
        }
        m_platform.messageBox(this, tr("Sorry, no matches found."), Title, Platform::Icon::Warning);
    }
}

int Morvik::markMatchingTiles(const QString &answer, QFile &records)
{
    const std::string wanted = answer.toStdString();
    const int otherName = Module1::otherNameElement(wanted);
    int count = 0;
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (!FindRecords::matches(i, wanted) && !FindMatch::startsShownName(i, answer)
            && i != otherName) {
            continue;
        }
        const FindRecords::Record record{i, toBgr(tileColor(i))};
        if (records.isOpen()) {
            records.write((FindRecords::format(record) + "\n").c_str());
        }
        setTileColor(i, fromBgr(Colors::FoundMark));
        ++count;
    }
    records.flush();
    return count;
}

int Morvik::selectMatchingRows(const QString &answer)
{
    HScroll1->setValue(0);
    int count = 0;
    // Scrolled to the start, column k shows property k + 1: the searched texts are the first
    // columns.
    for (const int property : FindRecords::SearchedProperties) {
        QListWidget *list = List1[static_cast<std::size_t>(property - 1)];
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->text().toUpper() == answer) {
                list->setCurrentRow(row);
                ++count;
            }
        }
    }
    // The names the column shows may be translated: the English name and the shown one
    // without its accents find the row too, by the atomic number column. So does another name.
    QListWidget *numbers = List1[Module1::AtomicNumber - 1];
    const std::string english = answer.toStdString();
    const int otherName = Module1::otherNameElement(english);
    for (int row = 0; row < numbers->count(); ++row) {
        const int i = numbers->item(row)->text().toInt();
        const bool translated = Shown::translated();
        if (i == otherName || FindMatch::isShownName(i, answer)
            || (translated && Ascii::upper(Module1::ElemData[i][Module1::Name]) == english)) {
            numbers->setCurrentRow(row);
            ++count;
        }
    }
    return count;
}

void Morvik::Command6_Click()
{
    const QString path = findFilePath();
    QFile records;
    if (openFindFile(records, path, QIODevice::ReadOnly)) {
        const QByteArray text = records.read(MaxFindFileSize);
        records.close();
        for (const FindRecords::Record &record :
             FindRecords::parse(std::string_view(text.constData(), text.size()))) {
            // Only a tile that is marked is given a colour back.
            if (toBgr(tileColor(record.element)) == Colors::FoundMark) {
                setTileColor(record.element,
                             trustedColour(record.color, unmarkedColour(record.element)));
            }
        }
    }
    QFile::remove(path);
    restoreUnrecordedMarks();
}

void Morvik::restoreUnrecordedMarks()
{
    // Marks whose record was lost (an unwritable or damaged file) get the colour they would
    // have had.
    for (int i = 1; i <= Module1::ElemCount; ++i) {
        if (toBgr(tileColor(i)) == Colors::FoundMark) {
            setTileColor(i, unmarkedColour(i));
        }
    }
}
