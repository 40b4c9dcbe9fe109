// Image: a picture shown at its own size, with one look (no hover or pressed state) and a click.
#pragma once

#include "control.h"
#include "clickable.h"
#include "form.h"

class QImage;
class QLabel;

namespace rt {

class ClickLabel;

class Image : public Clickable
{
public:
    // The picture's size in pixels is the control's size; left and top are in twips.
    Image(QWidget *container, int left, int top, const QImage &picture);

    bool Visible() const;
    void setVisible(bool visible);

    QLabel *widget() const;

private:
    void connectClick(std::function<void()> run) override;
    ClickLabel *m_widget;
};

} // namespace rt
