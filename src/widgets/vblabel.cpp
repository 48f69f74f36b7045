#include "widgets/vblabel.h"
#include "core/textfile.h"

#include <QMouseEvent>
#include <utility>

namespace stak {

VbLabel::VbLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void VbLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = withLineFeeds(caption);
    // A trailing line break takes no room of its own on the label.
    while (shown.endsWith(QLatin1Char('\n')))
        shown.chop(1);
    setText(shown);
}

void VbLabel::mouseReleaseEvent(QMouseEvent *e)
{
    // The release that ends a double click is no click of its own.
    const bool endsDoubleClick = std::exchange(m_inDoubleClick, false);
    if (e->button() == Qt::LeftButton && !endsDoubleClick &&
        rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}

void VbLabel::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() == Qt::LeftButton) {
        m_inDoubleClick = true;
        emit doubleClicked();
    }
    QLabel::mouseDoubleClickEvent(e);
}

} // namespace stak
