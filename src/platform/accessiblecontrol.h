#ifndef ACCESSIBLECONTROL_H
#define ACCESSIBLECONTROL_H

#include <QAccessibleWidget>

class Control;

// What assistive technology sees of a control: a button wherever a click does
// something (the command buttons, the tiles, the arrows, the banners), which
// it can also press; otherwise text or a picture. The name is the control's
// accessible name: its caption, or what its picture shows.
class AccessibleControl : public QAccessibleWidget
{
public:
    explicit AccessibleControl(Control *control);

    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    Control *control() const;
    bool isPressable() const;
};

// Makes Qt's accessibility use AccessibleControl for every control and show
// each screen's window as a window. Safe to call more than once.
void installControlAccessibility();

#endif
