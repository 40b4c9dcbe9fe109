// The top-level widget of a form: closing it from the title bar unloads the form, no program code.
#pragma once

#include <QWidget>

namespace rt {

class Form;

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    explicit FormWindow(Form &form);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Form &m_form;
};

} // namespace rt
