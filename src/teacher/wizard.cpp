#include "wizard.h"

#include "appcontext.h"
#include "dressform.h"
#include "labelbutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

wizard::wizard(AppContext &context) : Screen(context)
{
    Text1 = new QLineEdit(this);
    for (auto &box : Text2)
        box = new QLineEdit(this);
    for (auto &box : Text3)
        box = new QLineEdit(this);
    for (auto &box : Check1)
        box = new QCheckBox(this);
    for (auto &label : Label4)
        label = new QLabel(this);
    for (auto &label : Label5)
        label = new QLabel(this);
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
}

void wizard::Form_Load()
{
    DressForm(this);
}

void wizard::Label3_Click(int) {}
void wizard::Label3_MouseMove(int) {}
void wizard::genwork() {}
bool wizard::saveworksheet()
{
    return false;
}
void wizard::Text1_KeyPress(int) {}
void wizard::Text2_KeyPress(int, int) {}
void wizard::Text3_KeyPress(int, int) {}
void wizard::clearTicks() {}
void wizard::Form_MouseMove() {}
bool wizard::eventFilter(QObject *watched, QEvent *event)
{
    return Screen::eventFilter(watched, event);
}
