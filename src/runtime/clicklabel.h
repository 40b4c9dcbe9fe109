// A QLabel that reports a click: press and release of the left button inside it. A double-click is
// one click: its second press does not arm another.
#pragma once

#include <QLabel>

namespace rt {

class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace rt
