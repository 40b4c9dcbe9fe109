// Label: a caption broken into lines at blanks within its fixed size, cut at its lower edge.
#pragma once

#include "control.h"
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

class Label
{
public:
    Label(QWidget *container, const LabelDesign &design);

    QString Caption() const;
    void setCaption(const QString &caption);

    template <class F>
    void onClick(F *form, void (F::*handler)())
    {
        connectClick(form->handler(handler));
    }

    QLabel *widget() const;

private:
    void connectClick(std::function<void()> run);
    ClickLabel *m_widget;
};

} // namespace rt
