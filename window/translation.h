#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts and Qt's own (the dialogs' buttons) in the first of the user's languages
// that Morvik speaks, installed for as long as this object lives. English, the language the
// program is written in, needs none; a user who prefers English to the languages Morvik has
// gets English, whatever follows in the list.
class Translation
{
public:
    explicit Translation(const QLocale &locale = QLocale::system());
    ~Translation();
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    // The language of the translation installed now ("de"), or empty for English: whether the
    // window's names, captions and labels are the stored English ones.
    static QString installed();

private:
    QTranslator m_program;
    QTranslator m_qt;
    QLocale m_previousDefault;
};
