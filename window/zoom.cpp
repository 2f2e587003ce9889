// The window at any size: it opens as designed, then grows with its frame, maximised or full
// screen, and zooms by keys and by the wheel in steps. Every control is re-placed from its
// design rectangle by the register, its font scaled in points, so text stays sharp.

#include "window/morvik.h"

#include "window/zoomsteps.h"

#include <QAction>
#include <QApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>

namespace {

// How long a zoom step from a maximised window holds its size against the one restored.
constexpr int RestoreMs = 500;

} // namespace

void Morvik::setupZoom()
{
    const auto key = [this](const QList<QKeySequence> &keys, auto handler) {
        auto *entry = new QAction(this);
        entry->setShortcuts(keys);
        connect(entry, &QAction::triggered, this, handler);
        addAction(entry);
    };
    // Ctrl+= as well: the plus sign shares that key on many keyboards.
    key({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { zoom(1); });
    key({QKeySequence::ZoomOut}, [this] { zoom(-1); });
    key({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { zoom(0); });
    QList<QKeySequence> fullScreen = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (fullScreen.isEmpty()) {
        fullScreen = {QKeySequence(Qt::Key_F11)};
    }
    key(fullScreen, [this] { isFullScreen() ? showNormal() : showFullScreen(); });
    // Ctrl and the wheel zoom over any control of the window, lists and boxes included.
    qApp->installEventFilter(this);
}

void Morvik::zoom(int direction)
{
    const double from = m_parts.scale();
    const double wanted = direction == 0 ? 1.0 : ZoomSteps::next(from, direction);
    QSize room = m_designSize;
    if (const QScreen *where = screen()) {
        // The screen's free area, less the frame the window manager puts around the window.
        room = where->availableGeometry().size() - (frameGeometry().size() - size());
    }
    const double to = ZoomSteps::fitting(wanted, m_designSize, room);
    if (direction > 0 && to <= from) {
        return; // no larger step fits on this screen
    }
    const QSize size = (QSizeF(m_designSize) * to).toSize();
    m_zoomedSize = QSize(); // a step taken since replaces the one held
    if (isMaximized() || isFullScreen()) {
        // The window system restores the size the window had before, in its own time, and it
        // may come after the step's: for a moment the step's size is held against it.
        m_zoomedSize = size;
        m_zoomedUntil = QDeadlineTimer(RestoreMs);
        showNormal();
    }
    resizeKeepingCentre(size);
}

void Morvik::resizeKeepingCentre(QSize size)
{
    const QPoint centre = frameGeometry().center();
    resize(size);
    QRect frame = frameGeometry();
    frame.moveCenter(centre);
    if (const QScreen *where = screen()) {
        const QRect available = where->availableGeometry();
        frame.moveRight(std::min(frame.right(), available.right()));
        frame.moveBottom(std::min(frame.bottom(), available.bottom()));
        frame.moveLeft(std::max(frame.left(), available.left()));
        frame.moveTop(std::max(frame.top(), available.top()));
    }
    move(frame.topLeft());
}

void Morvik::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_designSize.isEmpty()) {
        return; // still being built, at the design size
    }
    // The largest scale at which the design fits, centred in what is left over.
    const double scale = std::min(double(width()) / m_designSize.width(),
                                  double(height()) / m_designSize.height());
    const QSize drawn = (QSizeF(m_designSize) * scale).toSize();
    m_parts.setScale(scale, QPoint((width() - drawn.width()) / 2, (height() - drawn.height()) / 2));
    const bool normal = !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (!m_zoomedSize.isEmpty() && normal && size() != m_zoomedSize
        && !m_zoomedUntil.hasExpired()) {
        resizeKeepingCentre(m_zoomedSize); // the size restored came after the step's
    }
}

bool Morvik::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if ((wheel->modifiers() & Qt::ControlModifier) && widget && widget->window() == this
            && wheel->angleDelta().y() != 0) {
            zoom(wheel->angleDelta().y() > 0 ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
