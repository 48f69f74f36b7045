#pragma once

#include <QLabel>

namespace stak {

// A label whose caption keeps the text exactly as given (CR LF included) and
// shows its line breaks.
class VbLabel : public QLabel
{
    Q_OBJECT
public:
    explicit VbLabel(QWidget *parent = nullptr);
    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;

private:
    QString m_caption;
    bool m_inDoubleClick = false;
};

} // namespace stak
