// Frame: a captioned box that holds controls; their places are measured from its corner.
#pragma once

#include "control.h"

class QGroupBox;

namespace rt {

struct FrameDesign
{
    TwipsRect rect;
    QString caption;
};

class Frame
{
public:
    Frame(QWidget *container, const FrameDesign &design);

    QWidget *container() const;
    QGroupBox *widget() const { return m_widget; }

private:
    QGroupBox *m_widget;
};

} // namespace rt
