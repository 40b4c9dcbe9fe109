// Label: a caption broken into lines at blanks within its fixed size, cut at its lower edge.
#pragma once

#include "control.h"
#include "clickable.h"
#include "form.h"

#include <optional>

class QLabel;

namespace rt {

class ClickLabel;

struct LabelDesign
{
    TwipsRect rect;
    QString caption;
    std::optional<FontSpec> font;
    std::optional<unsigned> foreColor;  // 0x00BBGGRR
    bool transparent = false;           // the pictures behind show through
};

class Label : public Clickable
{
public:
    Label(QWidget *container, const LabelDesign &design);

    QString Caption() const;
    void setCaption(const QString &caption);

    QLabel *widget() const;

private:
    void connectClick(std::function<void()> run) override;
    ClickLabel *m_widget;
};

} // namespace rt
