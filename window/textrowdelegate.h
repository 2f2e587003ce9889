#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Draws one-line plain item text from a cache of laid-out texts. The style still draws each
// row's background, selection and focus frame; only the text, which it would shape anew on
// every paint, comes from the cache. A scroll step or a sort repaints about a hundred rows of
// the six columns, and shaping their texts was most of that time.
class TextRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    // Draws the option's text in the text's box, in the pen and font set; the style has drawn
    // the row's background and selection, and draws its focus frame after.
    virtual void drawText(QPainter *painter, const QStyleOptionViewItem &option,
                          const QRect &textRect) const;

private:
    // The option's text, elided to width and laid out, from the cache where it is there.
    const QStaticText &laidOut(const QStyleOptionViewItem &option, int width) const;

    // Texts are laid out for one font, width and elision; a change of any starts a new cache.
    mutable QHash<QString, QStaticText> m_cache;
    mutable QFont m_cacheFont;
    mutable int m_cacheWidth = -1;
    mutable Qt::TextElideMode m_cacheElideMode = Qt::ElideRight;
};
